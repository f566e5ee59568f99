#include "calibrationxml.h"

#include "tooltext.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace tool {

namespace {

// The options of the pendant's read: elements, attributes, non-blank text and
// processing instructions; references stay as written.
constexpr unsigned int pendantParse = pugi::parse_pi;

const char* const valueNames[valueCount] = {"EnableAxesNum", "Axes1Index", "Axes1Type", "Axes1Frame",
                                            "Axes2Index", "Axes2Type", "Axes2Frame", "Axes2FrameToBase",
                                            "UserFrame"};

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

const char* childText(pugi::xml_node entry, Value value)
{
    return entry.child(valueName(value)).text().as_string("");
}

void readFrame(pugi::xml_node entry, Value value, Frame& frame)
{
    const QStringList parts = QString::fromUtf8(childText(entry, value)).split(QLatin1Char(','));
    const int m = std::min(frameSize, int(parts.size()));
    for (int k = 0; k < m; ++k)
        frame[std::size_t(k)] = parts[k].toDouble();
}

}  // namespace

int lineAt(const QByteArray& bytes, std::ptrdiff_t offset)
{
    if (offset < 0)
        return 0;
    const auto end = bytes.cbegin() + std::min<std::ptrdiff_t>(offset, bytes.size());
    return 1 + int(std::count(bytes.cbegin(), end, '\n'));
}

const char* valueName(Value value)
{
    return valueNames[int(value)];
}

bool isFrame(Value value)
{
    return value == Value::Axes1Frame || value == Value::Axes2Frame || value == Value::Axes2FrameToBase ||
           value == Value::UserFrame;
}

CalibrationXml::Status CalibrationXml::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = PositionerTool::tr("cannot read the file: %1").arg(file.errorString());
        return Status::Unreadable;
    }
    return loadBytes(file.readAll());
}

CalibrationXml::Status CalibrationXml::loadBytes(const QByteArray& bytes)
{
    bytes_ = bytes;
    const pugi::xml_parse_result result =
        document_.load_buffer(bytes_.constData(), std::size_t(bytes_.size()), pendantParse, pugi::encoding_auto);
    if (!result) {
        error_ = PositionerTool::tr("line %1: not well-formed XML: %2")
                     .arg(lineAt(bytes_, result.offset))
                     .arg(QString::fromLatin1(result.description()));
        return Status::NotXml;
    }
    if (!root()) {
        const pugi::xml_node element = document_.find_child([](pugi::xml_node n) {
            return n.type() == pugi::node_element;
        });
        error_ = element ? PositionerTool::tr("not a calibration file: the root element is <%1>, not <FramePar>")
                               .arg(QString::fromUtf8(element.name()))
                         : PositionerTool::tr("not a calibration file: no root element");
        return Status::NotCalibration;
    }
    return Status::Ok;
}

std::vector<pugi::xml_node> CalibrationXml::entries() const
{
    std::vector<pugi::xml_node> nodes;
    for (pugi::xml_node node = root().first_child(); node; node = node.next_sibling())
        nodes.push_back(node);
    return nodes;
}

int CalibrationXml::lineOf(pugi::xml_node node) const
{
    return lineAt(bytes_, node.offset_debug());
}

const Frame& Record::frame(Value value) const
{
    switch (value) {
    case Value::Axes1Frame: return axes1Frame;
    case Value::Axes2Frame: return axes2Frame;
    case Value::Axes2FrameToBase: return axes2FrameToBase;
    default: return userFrame;
    }
}

qint64 lenientInteger(const char* text)
{
    const char* s = text;
    while (*s == ' ' || *s == '\t' || *s == '\r' || *s == '\n')
        ++s;
    const bool negative = *s == '-';
    if (*s == '-' || *s == '+')
        ++s;
    int base = 10;
    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s += 2;
    }
    qint64 value = 0;
    for (; digitValue(*s) < base; ++s)
        value = std::min<qint64>(value * base + digitValue(*s), qint64(1) << 40);
    return clampToInt(negative ? -value : value);
}

Records readRecords(const CalibrationXml& file, int axisCount)
{
    Records records;
    const std::vector<pugi::xml_node> entries = file.entries();
    const qint64 offset = qint64(std::max(0, axisCount)) + 1;
    for (std::size_t i = 0; i < records.size() && i < entries.size(); ++i) {
        const pugi::xml_node entry = entries[i];
        Record& r = records[i];
        r.hasEntry = true;
        r.line = file.lineOf(entry);
        r.axes1Index = clampToInt(std::max<qint64>(0, lenientInteger(childText(entry, Value::Axes1Index)) - offset));
        r.axes1Type = clampToInt(std::max<qint64>(0, lenientInteger(childText(entry, Value::Axes1Type)) + 1));
        r.axes2Index = clampToInt(std::max<qint64>(0, lenientInteger(childText(entry, Value::Axes2Index)) - offset));
        r.axes2Type = clampToInt(std::max<qint64>(0, lenientInteger(childText(entry, Value::Axes2Type)) + 1));
        readFrame(entry, Value::Axes1Frame, r.axes1Frame);
        readFrame(entry, Value::Axes2Frame, r.axes2Frame);
        readFrame(entry, Value::Axes2FrameToBase, r.axes2FrameToBase);
        readFrame(entry, Value::UserFrame, r.userFrame);
    }
    return records;
}

}  // namespace tool
