// The calibration file of the ten positioners, and the conversions between a
// row of doubles and its text.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "filestamp.h"
#include "frame.h"
#include "indexrange.h"
#include "noexceptions.h"
#include "platform.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

using namespace Positioner;

namespace {

// The robot's own axes; a negative report counts as none.
qint64 axisCount() { return std::max(0, Platform::axisCount()); }

// Integers of the file are offset against the robot; the arithmetic is done
// wide so that no value of a file or record can overflow.
int clampToInt(qint64 value) { return int(std::clamp<qint64>(value, INT_MIN, INT_MAX)); }

QString fileIndex(int index, int type)
{
    return QString::number(type > 0 ? clampToInt(index + axisCount() + 1) : 0);
}

// An index or type of the file as the record keeps it, never below 0.
int fromFile(const pugi::xml_text& text, qint64 offset)
{
    return clampToInt(std::max<qint64>(0, text.as_int(0) + offset));
}

void appendValue(pugi::xml_node positioner, const char* name, const QString& text)
{
    positioner.append_child(name).append_child(pugi::node_pcdata).set_value(text.toLatin1().constData());
}

// Record i's frames; false, naming the first that holds NaN or infinity.
bool framesAreFinite(const PositionerParm& p, int i)
{
    const QString name = QStringLiteral("parms[%1].%2").arg(i);
    return isWritableFrame(p.axes1Frame, name.arg("axes1Frame")) &&
           isWritableFrame(p.axes2Frame, name.arg("axes2Frame")) &&
           isWritableFrame(p.axes2FrameToBase, name.arg("axes2FrameToBase")) &&
           isWritableFrame(p.userFrame, name.arg("userFrame"));
}

// The first `count` parts of a comma-separated text as numbers; the parts
// after them are never looked at, so a text of millions of commas costs no more
// than its numbers. NaN and infinity are no frame values: read from a text
// they count as no number. Values past the text's last part keep theirs.
void readNumbers(QStringView text, double* const values, int count)
{
    for (int k = 0, start = 0; k < count; ++k) {
        const int comma = int(text.indexOf(QLatin1Char(','), start));
        const double value = text.mid(start, comma < 0 ? text.size() - start : comma - start).toDouble();
        values[k] = std::isfinite(value) ? value : 0.0;
        if (comma < 0)
            return;
        start = comma + 1;
    }
}

// A frame text straight from the document: only its first six parts are
// decoded (a comma never stands inside a UTF-8 sequence, so they decode as
// they would in the whole text).
void frameFromText(const char* text, double* const frame)
{
    const char* end = text;
    for (int k = 0; k < frameValues && (end = std::strchr(end, ',')); ++k)
        ++end;
    const size_t length = end ? size_t(end - text) : std::strlen(text);
    readNumbers(QString::fromUtf8(text, int(length)), frame, frameValues);
}

void readRecord(PositionerData& d, pugi::xml_node entry, PositionerParm& p)
{
    p.axes1Index = fromFile(d.getNodeText(entry, "Axes1Index"), -axisCount() - 1);
    p.axes1Type = fromFile(d.getNodeText(entry, "Axes1Type"), 1);
    p.axes2Index = fromFile(d.getNodeText(entry, "Axes2Index"), -axisCount() - 1);
    p.axes2Type = fromFile(d.getNodeText(entry, "Axes2Type"), 1);
    frameFromText(d.getNodeText(entry, "Axes1Frame").as_string(""), p.axes1Frame);
    frameFromText(d.getNodeText(entry, "Axes2Frame").as_string(""), p.axes2Frame);
    frameFromText(d.getNodeText(entry, "Axes2FrameToBase").as_string(""), p.axes2FrameToBase);
    frameFromText(d.getNodeText(entry, "UserFrame").as_string(""), p.userFrame);
}

}  // namespace

bool PositionerData::writePositionerFile(QString path)
{
    const Diagnostics::Scope scope("writePositionerFile");
    return orFailure(false, [&] {
        for (int i = 0; i < positionerCount; ++i) {
            if (!framesAreFinite(parms[i], i))
                return false;
        }
        pugi::xml_document document;
        setDeclaration(document.append_child(pugi::node_declaration));
        appendDateComment(document);

        pugi::xml_node root = document.append_child("FramePar");
        for (int i = 0; i < positionerCount; ++i) {
            PositionerParm& p = parms[i];
            pugi::xml_node positioner = root.append_child("Positioner");
            positioner.append_attribute("id") = i + 1;
            const int axesInUse = (p.axes1Type > 0 ? 1 : 0) + (p.axes2Type > 0 ? 1 : 0);
            appendValue(positioner, "EnableAxesNum", QString::number(axesInUse));
            appendValue(positioner, "Axes1Index", fileIndex(p.axes1Index, p.axes1Type));
            appendValue(positioner, "Axes1Type", QString::number(qint64(p.axes1Type) - 1));
            appendValue(positioner, "Axes1Frame", posDoubleToQstr(p.axes1Frame, 6));
            appendValue(positioner, "Axes2Index", fileIndex(p.axes2Index, p.axes2Type));
            appendValue(positioner, "Axes2Type", QString::number(qint64(p.axes2Type) - 1));
            appendValue(positioner, "Axes2Frame", posDoubleToQstr(p.axes2Frame, 6));
            appendValue(positioner, "Axes2FrameToBase", posDoubleToQstr(p.axes2FrameToBase, 6));
            appendValue(positioner, "UserFrame", posDoubleToQstr(p.userFrame, 6));
        }

        return saveXml(document, path, "\t", pugi::format_indent, pugi::encoding_utf8);
    });
}

bool PositionerData::readPositionerFile(QString path)
{
    const Diagnostics::Scope scope("readPositionerFile");
    return orFailure(false, [&] {
        pugi::xml_document document;
        if (!loadXml(document, path, pugi::parse_pi))
            return false;

        // Read into a copy, so that the records change only once the whole
        // file has been taken.
        PositionerParm records[positionerCount];
        std::copy(parms, parms + positionerCount, records);
        pugi::xml_node entry = document.child("FramePar").first_child();
        for (int i = 0; i < positionerCount && entry; ++i, entry = entry.next_sibling())
            readRecord(*this, entry, records[i]);
        std::copy(records, records + positionerCount, parms);
        std::copy(records, records + positionerCount, savedParms);
        return true;
    });
}

QString PositionerData::posDoubleToQstr(double* const values, int count)
{
    QStringList parts;
    for (int k = 0; k < count; ++k)
        parts += QString::number(values[k], 'f', 4);
    return parts.join(QLatin1Char(','));
}

void PositionerData::posQstrToDouble(QString text, double* const values, int count)
{
    const Diagnostics::Scope scope("posQstrToDouble");
    // Read into a copy, so that the values change only once all are read.
    orFailure(false, [&] {
        std::vector<double> read(values, values + std::max(count, 0));
        readNumbers(text, read.data(), count);
        std::copy(read.begin(), read.end(), values);
        return true;
    });
}

pugi::xml_text PositionerData::getNodeText(pugi::xml_node node, QString name)
{
    // A NUL would end the name early, and the child named by the part before
    // it would be found; no element's name holds a NUL.
    if (name.contains(QChar(0)))
        return pugi::xml_text();
    return node.child(name.toLatin1().constData()).text();
}
