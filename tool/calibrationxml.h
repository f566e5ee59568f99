// The calibration file as the pendant's by-position read sees it, kept with
// the line of every node so that findings can name it.
#pragma once

#include "lines.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <array>
#include <cstring>
#include <vector>

namespace tool {

constexpr int positionerCount = 10;
constexpr int frameSize = 6;
using Frame = std::array<double, frameSize>;

// The nine value elements of a positioner entry, in the order they are written.
enum class Value { EnableAxesNum, Axes1Index, Axes1Type, Axes1Frame, Axes2Index, Axes2Type, Axes2Frame,
                   Axes2FrameToBase, UserFrame };
constexpr int valueCount = 9;
const char* valueName(Value value);
// The value a name stands for, as an index of Value; valueCount for none.
int valueNamed(const char* name);
bool isFrame(Value value);

class CalibrationXml
{
public:
    enum class Status { Ok, Unreadable, NotXml, NotCalibration };

    // Reads the file; it is only ever opened for reading, and only a regular
    // file is read.
    Status load(const QString& path);
    Status loadBytes(const QByteArray& bytes);
    // Why the load failed, with the line where the parser stopped.
    QString error() const { return error_; }

    pugi::xml_node root() const { return document_.child("FramePar"); }
    // The children of FramePar in the order a by-position read takes them:
    // elements, text and processing instructions alike (comments and blank
    // text are dropped by that read).
    std::vector<pugi::xml_node> entries() const;
    // Counts the lines of nodes, in one pass when asked in the file's order.
    Lines lines() const { return lines_; }

private:
    QByteArray bytes_;
    pugi::xml_document document_;
    Lines lines_;
    QString error_;
};

// One positioner as the pendant holds it after reading the file.
struct Record
{
    bool hasEntry = false;  // false: the file has no entry for it, the pendant keeps what it held
    int line = 0;
    int axes1Type = 0;
    int axes1Index = 0;
    int axes2Type = 0;
    int axes2Index = 0;
    Frame axes1Frame{};
    Frame axes2Frame{};
    Frame axes2FrameToBase{};
    Frame userFrame{};

    bool axis1InUse() const { return axes1Type > 0; }
    bool axis2InUse() const { return axes2Type > 0; }
    bool inUse() const { return hasEntry && (axis1InUse() || axis2InUse()); }
    const Frame& frame(Value value) const;
};
using Records = std::array<Record, positionerCount>;

// The by-position read with the robot's axis count: entry n fills record n,
// whatever it is; missing or unreadable values fall back as that read does
// (frame values it cannot take are 0 here, as on a freshly started pendant).
// A frame part that is no finite number (nan, inf, 1e400) is held as 0.
Records readRecords(const CalibrationXml& file, int axisCount);

// pugixml's integer reading, which the pendant's read relies on: leading
// blanks, a sign, "0x" for hexadecimal, trailing garbage ignored, saturated.
qint64 lenientInteger(const char* text);

// The first `count` parts of a frame text, looked at one by one: a text of
// millions of commas costs no more than its first parts. `visit(k, part,
// length)` gets part k.
template <typename Visit>
void frameParts(const char* text, std::size_t count, Visit visit)
{
    const char* part = text;
    for (std::size_t k = 0; k < count; ++k) {
        const char* comma = std::strchr(part, ',');
        visit(k, part, comma ? std::size_t(comma - part) : std::strlen(part));
        if (!comma)
            return;
        part = comma + 1;
    }
}

// A frame part as the pendant reads it; `ok` false when it is no number.
double framePart(const char* part, std::size_t length, bool* ok = nullptr);

}  // namespace tool
