// The visual calibration report: per positioner in use, its frames drawn from
// above and from the side, and the table of its values.
#include "commands.h"
#include "framedrawing.h"
#include "tooltext.h"
#include "visibletext.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <limits>

namespace tool {

namespace {

// A page is read by a person: past this many findings it says how many more
// there are, and check lists them.
constexpr int listedFindings = 1000;

struct FrameKind
{
    Value value;
    QColor (*colour)();
};
const FrameKind drawnKinds[] = {{Value::Axes1Frame, FrameDrawing::axis1Colour},
                                {Value::Axes2Frame, FrameDrawing::axis2Colour},
                                {Value::UserFrame, FrameDrawing::userFrameColour}};

QString kindLabel(Value value)
{
    switch (value) {
    case Value::Axes1Frame: return PositionerTool::tr("axis 1");
    case Value::Axes2Frame: return PositionerTool::tr("axis 2");
    default: return PositionerTool::tr("user frame");
    }
}

// Control characters are no text of a page: they are shown as escapes.
QString escaped(const QString& text)
{
    return visible(text, std::numeric_limits<int>::max()).toHtmlEscaped();
}

bool usesFrame(const Record& record, Value value)
{
    switch (value) {
    case Value::Axes1Frame: return record.inUse() && record.axis1InUse();
    case Value::Axes2Frame: return record.inUse() && record.axis2InUse();
    default: return record.inUse();
    }
}

bool drawsFrame(const Record& record, Value value)
{
    return usesFrame(record, value) && FrameDrawing::drawable(record.frame(value));
}

// The frames in use, and faded those that were in use before.
FrameDrawing::Scene sceneOf(const Record& record, const Record* before)
{
    FrameDrawing::Scene scene;
    for (const FrameKind& kind : drawnKinds) {
        if (before && drawsFrame(*before, kind.value))
            scene.frames.push_back({before->frame(kind.value), kindLabel(kind.value), kind.colour(), true});
        if (drawsFrame(record, kind.value))
            scene.frames.push_back({record.frame(kind.value), kindLabel(kind.value), kind.colour(), false});
    }
    scene.note = before ? PositionerTool::tr("x solid, y dashed, z dotted; faded: before")
                        : PositionerTool::tr("x solid, y dashed, z dotted");
    return scene;
}

// The drawing the screen shows, painted into SVG. Its text is laid out with a
// generic family at a fixed size, so that the browser, asking the same font
// configuration for "sans-serif", sets it as wide as it was measured.
QString drawing(int number, const Record& record, const Record* before)
{
    const QString label = PositionerTool::tr("Frames of positioner %1").arg(number);
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(label);
    generator.setDescription(QString());
    // The page's pixels: a CSS pixel is a 96th of an inch.
    generator.setResolution(96);
    const QSizeF size = FrameDrawing::naturalSize();
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    QPainter painter;
    // Text cannot be laid out without the fonts a graphical application brings.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || !painter.begin(&generator)) {
        return QStringLiteral("<p class=\"hidden\">%1</p>\n")
            .arg(escaped(PositionerTool::tr("%1: not drawn, this program has no fonts to draw with.").arg(label)));
    }
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(13);
    painter.setFont(font);
    FrameDrawing::paint(painter, QRectF(QPointF(0, 0), size), sceneOf(record, before));
    painter.end();

    // The generator's document less its XML declaration, named for the page.
    QString svg = QString::fromUtf8(buffer.data());
    svg.remove(0, svg.indexOf(QLatin1String("<svg")));
    svg.insert(4, QStringLiteral(" class=\"drawing\" data-positioner=\"%1\" role=\"img\" aria-label=\"%2\"")
                      .arg(number)
                      .arg(escaped(label)));
    return svg;
}

// The axes as the pendant holds them, and as the file writes them: the file
// keeps the type less one and counts the index among all the robot's axes.
QString axisLine(const Record& r, int axisCount)
{
    const auto axis = [axisCount](int number, int type, int index) {
        return type > 0 ? PositionerTool::tr("axis %1: type %2, driven by external axis %3 (in the file: type %4, "
                                             "index %5 = %6 robot axes + %3)")
                              .arg(number)
                              .arg(type)
                              .arg(index + 1)
                              .arg(type - 1)
                              .arg(index + axisCount + 1)
                              .arg(axisCount)
                        : PositionerTool::tr("axis %1: not in use").arg(number);
    };
    return axis(1, r.axes1Type, r.axes1Index) + QStringLiteral("; ") + axis(2, r.axes2Type, r.axes2Index);
}

QString valueTable(const Record& r)
{
    QString html = QStringLiteral("<table class=\"values\"><thead><tr><th></th>");
    for (const char* column : {"x (mm)", "y (mm)", "z (mm)", "a (°)", "b (°)", "c (°)"})
        html += QStringLiteral("<th>%1</th>").arg(QString::fromUtf8(column));
    html += QStringLiteral("</tr></thead><tbody>");
    for (const Value v : {Value::Axes1Frame, Value::Axes2Frame, Value::Axes2FrameToBase, Value::UserFrame}) {
        QString name = QString::fromLatin1(valueName(v));
        name[0] = name[0].toLower();
        html += QStringLiteral("<tr><th>%1</th>").arg(name);
        for (const double value : r.frame(v))
            html += QStringLiteral("<td>%1</td>").arg(fixed4(value));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

const char* const style =
    "body{font-family:sans-serif;margin:2em;color:#222}"
    "section{margin-bottom:2.5em}"
    "table{border-collapse:collapse;margin-top:.8em}"
    "th,td{padding:.2em .7em;border-bottom:1px solid #ddd;text-align:right;font-variant-numeric:tabular-nums}"
    "tbody th{text-align:left}"
    ".findings li,.changes li{font-family:monospace}";

}  // namespace

QByteArray reportHtml(const ReportInput& input)
{
    QString html = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       // Nothing may be loaded from anywhere: the page stands alone.
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                       "style-src 'unsafe-inline'\">\n<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n"
                       "<h1>%1</h1>\n")
                       .arg(escaped(input.title), QLatin1String(style));
    html += QStringLiteral("<p>%1</p>\n").arg(escaped(
        PositionerTool::tr("Calibration file %1, robot axis count %2.")
            .arg(input.fileName, QString::number(input.axisCount))));
    if (input.before) {
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(escaped(PositionerTool::tr("Compared with the previous calibration %1.").arg(input.beforeName)));
    }

    if (input.findings.isEmpty()) {
        html += QStringLiteral("<p class=\"check\">%1</p>\n").arg(escaped(PositionerTool::tr("The file passes the check.")));
    } else {
        html += QStringLiteral("<p class=\"check\">%1</p>\n<ul class=\"findings\">")
                    .arg(escaped(PositionerTool::tr("The check finds %1 problem(s):").arg(input.findings.size())));
        const int listed = std::min(input.findings.size(), listedFindings);
        for (int k = 0; k < listed; ++k) {
            const Finding& f = input.findings[k];
            html += QStringLiteral("<li>%1</li>").arg(escaped(PositionerTool::tr("line %1: %2").arg(f.line).arg(f.message)));
        }
        if (listed < input.findings.size()) {
            html += QStringLiteral("<li>%1</li>")
                        .arg(escaped(PositionerTool::tr("and %1 more; positioner-tool check lists them all")
                                         .arg(input.findings.size() - listed)));
        }
        html += QStringLiteral("</ul>\n");
    }

    const QVector<PositionerDifference> changes =
        input.before ? diffRecords(*input.before, input.records) : QVector<PositionerDifference>();
    QStringList unused;
    for (int i = 0; i < positionerCount; ++i) {
        const Record& r = input.records[std::size_t(i)];
        if (!r.inUse()) {
            unused << QString::number(i + 1);
            continue;
        }
        const Record* before = input.before ? &(*input.before)[std::size_t(i)] : nullptr;
        html += QStringLiteral("<section class=\"positioner\" id=\"positioner-%1\">\n<h2>%2</h2>\n<p>%3</p>\n")
                    .arg(i + 1)
                    .arg(escaped(PositionerTool::tr("Positioner %1").arg(i + 1)), escaped(axisLine(r, input.axisCount)));
        QStringList hidden;
        for (const FrameKind& kind : drawnKinds) {
            if (usesFrame(r, kind.value) && !FrameDrawing::drawable(r.frame(kind.value)))
                hidden << kindLabel(kind.value);
        }
        if (!hidden.isEmpty()) {
            html += QStringLiteral("<p class=\"hidden\">%1</p>\n")
                        .arg(escaped(PositionerTool::tr("Not drawn, its values are out of reach: %1.")
                                         .arg(hidden.join(QStringLiteral(", ")))));
        }
        html += drawing(i + 1, r, before);
        html += valueTable(r);
        if (before) {
            const auto found = std::find_if(changes.begin(), changes.end(),
                                            [&](const PositionerDifference& d) { return d.number == i + 1; });
            if (found == changes.end()) {
                html += QStringLiteral("<p class=\"changes\">%1</p>\n")
                            .arg(escaped(PositionerTool::tr("Unchanged since the previous calibration.")));
            } else {
                html += QStringLiteral("<ul class=\"changes\">");
                for (const QString& change : found->changes)
                    html += QStringLiteral("<li>%1</li>").arg(escaped(change));
                html += QStringLiteral("</ul>\n");
            }
        }
        html += QStringLiteral("</section>\n");
    }
    if (!unused.isEmpty()) {
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(escaped(PositionerTool::tr("Positioners not in use: %1.").arg(unused.join(QStringLiteral(", ")))));
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

}  // namespace tool
