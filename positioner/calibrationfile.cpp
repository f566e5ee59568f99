// The calibration file of the ten positioners, and the conversions between a
// row of doubles and its text.
#include "positionerdata.h"

#include "atomicsave.h"
#include "filestamp.h"
#include "indexrange.h"

#include <dataaccess/dataaccess.h>

#include <QStringList>

#include <algorithm>
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

}  // namespace

bool PositionerData::writePositionerFile(QString path)
{
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

    return PositionerFiles::saveXml(document, path, "\t",
                                    pugi::format_indent, pugi::encoding_utf8);
}

bool PositionerData::readPositionerFile(QString path)
{
    pugi::xml_document document;
    if (!PositionerFiles::loadXml(document, path, pugi::parse_pi))
        return false;

    pugi::xml_node entry = document.child("FramePar").first_child();
    for (int i = 0; i < positionerCount; ++i) {
        if (entry) {
            PositionerParm& p = parms[i];
            p.axes1Index = memoryIndex(getNodeText(entry, "Axes1Index"));
            p.axes1Type = memoryType(getNodeText(entry, "Axes1Type"));
            p.axes2Index = memoryIndex(getNodeText(entry, "Axes2Index"));
            p.axes2Type = memoryType(getNodeText(entry, "Axes2Type"));
            posQstrToDouble(QString::fromUtf8(getNodeText(entry, "Axes1Frame").as_string("")), p.axes1Frame, 6);
            posQstrToDouble(QString::fromUtf8(getNodeText(entry, "Axes2Frame").as_string("")), p.axes2Frame, 6);
            posQstrToDouble(QString::fromUtf8(getNodeText(entry, "Axes2FrameToBase").as_string("")),
                            p.axes2FrameToBase, 6);
            posQstrToDouble(QString::fromUtf8(getNodeText(entry, "UserFrame").as_string("")), p.userFrame, 6);
            entry = entry.next_sibling();
        }
        savedParms[i] = parms[i];
    }
    return true;
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
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    const int m = std::min(count, static_cast<int>(parts.size()));
    for (int k = 0; k < m; ++k)
        values[k] = parts[k].toDouble();
}

pugi::xml_text PositionerData::getNodeText(pugi::xml_node node, QString name)
{
    return node.child(name.toLatin1().constData()).text();
}
