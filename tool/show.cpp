// The records as the pendant holds them, for people and for scripts.
#include "commands.h"
#include "tooltext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tool {

namespace {

const Value frames[] = {Value::Axes1Frame, Value::Axes2Frame, Value::Axes2FrameToBase, Value::UserFrame};

// The record fields are named after the file's elements.
QString memberName(Value value)
{
    QString name = QString::fromLatin1(valueName(value));
    name[0] = name[0].toLower();
    return name;
}

QString axisText(int axis, int type, int index)
{
    if (type <= 0)
        return PositionerTool::tr("axis %1 not in use (type %2, index %3)").arg(axis).arg(type).arg(index);
    return PositionerTool::tr("axis %1 type %2, index %3").arg(axis).arg(type).arg(index);
}

}  // namespace

QString fixed4(double value)
{
    const QString text = QString::number(value, 'f', 4);
    return text == QLatin1String("-0.0000") ? text.mid(1) : text;
}

QString showTable(const Records& records, int axisCount)
{
    QString text = PositionerTool::tr("Robot axis count %1; indices count among the external axes from 0.\n")
                       .arg(axisCount);
    for (int i = 0; i < positionerCount; ++i) {
        const Record& r = records[std::size_t(i)];
        if (!r.hasEntry) {
            text += PositionerTool::tr("Positioner %1: no entry, the pendant keeps what it held\n").arg(i + 1);
            continue;
        }
        text += PositionerTool::tr("Positioner %1 (line %2): %3; %4\n")
                    .arg(i + 1)
                    .arg(r.line)
                    .arg(axisText(1, r.axes1Type, r.axes1Index), axisText(2, r.axes2Type, r.axes2Index));
        text += QString(18, QLatin1Char(' '));
        for (const char* column : {"x", "y", "z", "a", "b", "c"})
            text += QString::fromLatin1(column).rightJustified(12);
        text += QLatin1Char('\n');
        for (const Value v : frames) {
            text += QStringLiteral("  ") + memberName(v).leftJustified(16);
            for (const double value : r.frame(v))
                text += fixed4(value).rightJustified(12);
            text += QLatin1Char('\n');
        }
    }
    return text;
}

QByteArray showJson(const Records& records, int axisCount)
{
    QJsonArray positioners;
    for (int i = 0; i < positionerCount; ++i) {
        const Record& r = records[std::size_t(i)];
        QJsonObject p{{QStringLiteral("number"), i + 1}, {QStringLiteral("entry"), r.hasEntry}};
        if (r.hasEntry) {
            p.insert(QStringLiteral("line"), r.line);
            p.insert(QStringLiteral("inUse"), r.inUse());
            p.insert(QStringLiteral("axes1Type"), r.axes1Type);
            p.insert(QStringLiteral("axes1Index"), r.axes1Index);
            p.insert(QStringLiteral("axes2Type"), r.axes2Type);
            p.insert(QStringLiteral("axes2Index"), r.axes2Index);
            for (const Value v : frames) {
                QJsonArray values;
                for (const double value : r.frame(v))
                    values.append(value);
                p.insert(memberName(v), values);
            }
        }
        positioners.append(p);
    }
    const QJsonObject root{{QStringLiteral("axisCount"), axisCount}, {QStringLiteral("positioners"), positioners}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace tool
