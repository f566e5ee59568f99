// The calibration file of the ten positioners, and the conversions between a
// row of doubles and its text.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "filestamp.h"
#include "indexrange.h"
#include "noexceptions.h"

#include <dataaccess/dataaccess.h>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

using PositionerIndex::positionerCount;

// The robot's own axes; a negative report counts as none.
qint64 axisCount()
{
    return std::max(0, DataAccess::getAxisCount());
}

// Integers of the file are offset against the robot; the arithmetic is done
// wide so that no value of a file or record can overflow.
int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

QString fileIndex(int index, int type)
{
    return QString::number(type > 0 ? clampToInt(index + axisCount() + 1) : 0);
}

int memoryIndex(const pugi::xml_text& text)
{
    return clampToInt(std::max<qint64>(0, qint64(text.as_int(0)) - axisCount() - 1));
}

int memoryType(const pugi::xml_text& text)
{
    return clampToInt(std::max<qint64>(0, qint64(text.as_int(0)) + 1));
}

void appendValue(pugi::xml_node positioner, const char* name, const QString& text)
{
    positioner.append_child(name).append_child(pugi::node_pcdata).set_value(text.toLatin1().constData());
}

// NaN and infinity are no frame values: the controller could not read them.
// Read from a text they count as no number; in a record they keep the file
// from being written.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// The frames of record i; false, naming the first that holds NaN or infinity,
// when any does.
bool framesAreFinite(const PositionerParm& p, int i)
{
    const struct
    {
        const double* values;
        const char* name;
    } frames[] = {{p.axes1Frame, "axes1Frame"},
                  {p.axes2Frame, "axes2Frame"},
                  {p.axes2FrameToBase, "axes2FrameToBase"},
                  {p.userFrame, "userFrame"}};
    for (const auto& frame : frames) {
        if (!std::all_of(frame.values, frame.values + 6, [](double value) { return std::isfinite(value); })) {
            PositionerDiagnostics::about(PositionerDiagnostics::Step::NotFinite,
                                         QStringLiteral("parms[%1].%2").arg(i).arg(QLatin1String(frame.name)));
            return false;
        }
    }
    return true;
}

// A frame text straight from the document: only the parts that are taken are
// looked at, so a text of millions of commas costs no more than six numbers.
// Each part reads as posQstrToDouble reads it (a comma never stands inside a
// UTF-8 sequence, so the parts decode as they would from the whole text).
void frameFromText(const char* text, double* const values, int count)
{
    const char* part = text;
    for (int k = 0; k < count; ++k) {
        const char* comma = std::strchr(part, ',');
        const size_t length = comma ? size_t(comma - part) : std::strlen(part);
        // A part longer than any text can be is no number.
        values[k] = length > size_t(std::numeric_limits<int>::max())
                        ? 0.0
                        : finiteOrZero(QString::fromUtf8(part, static_cast<int>(length)).toDouble());
        if (!comma)
            return;
        part = comma + 1;
    }
}

void readRecord(PositionerData& d, pugi::xml_node entry, PositionerParm& p)
{
    p.axes1Index = memoryIndex(d.getNodeText(entry, "Axes1Index"));
    p.axes1Type = memoryType(d.getNodeText(entry, "Axes1Type"));
    p.axes2Index = memoryIndex(d.getNodeText(entry, "Axes2Index"));
    p.axes2Type = memoryType(d.getNodeText(entry, "Axes2Type"));
    frameFromText(d.getNodeText(entry, "Axes1Frame").as_string(""), p.axes1Frame, 6);
    frameFromText(d.getNodeText(entry, "Axes2Frame").as_string(""), p.axes2Frame, 6);
    frameFromText(d.getNodeText(entry, "Axes2FrameToBase").as_string(""), p.axes2FrameToBase, 6);
    frameFromText(d.getNodeText(entry, "UserFrame").as_string(""), p.userFrame, 6);
}

}  // namespace

bool PositionerData::writePositionerFile(QString path)
{
    const PositionerDiagnostics::Scope scope("writePositionerFile");
    return PositionerGuard::orFailure(false, [&] {
        for (int i = 0; i < positionerCount; ++i) {
            if (!framesAreFinite(parms[i], i))
                return false;
        }
        pugi::xml_document document;
        PositionerFiles::setDeclaration(document.append_child(pugi::node_declaration));
        PositionerFiles::appendDateComment(document);

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

        return PositionerFiles::saveXml(document, path, "\t", pugi::format_indent, pugi::encoding_utf8);
    });
}

bool PositionerData::readPositionerFile(QString path)
{
    const PositionerDiagnostics::Scope scope("readPositionerFile");
    return PositionerGuard::orFailure(false, [&] {
        pugi::xml_document document;
        if (!PositionerFiles::loadXml(document, path, pugi::parse_pi))
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
    QString text;
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            text += QLatin1Char(',');
        text += QString::number(values[k], 'f', 4);
    }
    return text;
}

void PositionerData::posQstrToDouble(QString text, double* const values, int count)
{
    const PositionerDiagnostics::Scope scope("posQstrToDouble");
    // The first `count` parts only: splitting a text of millions of commas
    // would not fit in memory, and the parts after them are never used.
    PositionerGuard::orFailure(false, [&] {
        int start = 0;
        for (int k = 0; k < count; ++k) {
            const int comma = text.indexOf(QLatin1Char(','), start);
            values[k] = finiteOrZero(text.midRef(start, comma < 0 ? -1 : comma - start).toDouble());
            if (comma < 0)
                break;
            start = comma + 1;
        }
        return true;
    });
}

pugi::xml_text PositionerData::getNodeText(pugi::xml_node node, QString name)
{
    return node.child(name.toLatin1().constData()).text();
}
