// Which positioners two calibration files hold differently, and by how much.
#include "commands.h"
#include "framegeometry.h"
#include "tooltext.h"

#include <cmath>

namespace tool {

namespace {

const char* const frameNames[] = {"axes1Frame", "axes2Frame", "axes2FrameToBase", "userFrame"};
const Value frameValues[] = {Value::Axes1Frame, Value::Axes2Frame, Value::Axes2FrameToBase, Value::UserFrame};

void compareInteger(QStringList& changes, const char* name, int a, int b)
{
    if (a != b)
        changes << PositionerTool::tr("%1 %2 -> %3").arg(QString::fromLatin1(name)).arg(a).arg(b);
}

QString signedFixed4(double value)
{
    const QString text = fixed4(value);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char('+') + text;
}

// A difference too large for a double (1e308 against -1e308) is shown by
// its two ends.
QString change(double a, double b)
{
    const double difference = b - a;
    return std::isfinite(difference)
               ? signedFixed4(difference)
               : QStringLiteral("%1 -> %2").arg(QString::number(a, 'g', 6), QString::number(b, 'g', 6));
}

void compareFrame(QStringList& changes, const char* name, const Frame& a, const Frame& b)
{
    if (a == b)
        return;
    QStringList components;
    const char* const labels[] = {"x", "y", "z", "a", "b", "c"};
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k] != b[k])
            components << QString::fromLatin1(labels[k]) + QLatin1Char(' ') + change(a[k], b[k]);
    }
    const double distance = distanceBetween(a, b);
    const QString turned = fixed4(angleBetween(a, b));
    const QString list = components.join(QStringLiteral(", "));
    changes << (std::isfinite(distance)
                    ? PositionerTool::tr("%1 moved %2 mm, turned %3 deg (%4)")
                          .arg(QString::fromLatin1(name), fixed4(distance), turned, list)
                    : PositionerTool::tr("%1 moved farther than a number can say, turned %2 deg (%3)")
                          .arg(QString::fromLatin1(name), turned, list));
}

}  // namespace

QVector<PositionerDifference> diffRecords(const Records& a, const Records& b)
{
    QVector<PositionerDifference> differences;
    for (int i = 0; i < positionerCount; ++i) {
        const Record& ra = a[std::size_t(i)];
        const Record& rb = b[std::size_t(i)];
        PositionerDifference d{i + 1, {}};
        if (ra.hasEntry != rb.hasEntry) {
            d.changes << (ra.hasEntry ? PositionerTool::tr("entry only in the first file")
                                      : PositionerTool::tr("entry only in the second file"));
        } else if (ra.hasEntry) {
            compareInteger(d.changes, "axes1Type", ra.axes1Type, rb.axes1Type);
            compareInteger(d.changes, "axes1Index", ra.axes1Index, rb.axes1Index);
            compareInteger(d.changes, "axes2Type", ra.axes2Type, rb.axes2Type);
            compareInteger(d.changes, "axes2Index", ra.axes2Index, rb.axes2Index);
            for (std::size_t k = 0; k < std::size(frameValues); ++k)
                compareFrame(d.changes, frameNames[k], ra.frame(frameValues[k]), rb.frame(frameValues[k]));
        }
        if (!d.changes.isEmpty())
            differences << d;
    }
    return differences;
}

QString diffText(const QVector<PositionerDifference>& differences)
{
    if (differences.isEmpty())
        return PositionerTool::tr("No differences.\n");
    QString text;
    for (const PositionerDifference& d : differences) {
        text += PositionerTool::tr("Positioner %1\n").arg(d.number);
        for (const QString& change : d.changes)
            text += QStringLiteral("  ") + change + QLatin1Char('\n');
    }
    text += PositionerTool::tr("Positioners that differ: %1 of %2.\n").arg(differences.size()).arg(positionerCount);
    return text;
}

}  // namespace tool
