// The visual calibration report: per positioner in use, its frames drawn from
// above and from the side, and the table of its values.
#include "commands.h"
#include "framegeometry.h"
#include "tooltext.h"
#include "visibletext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tool {

namespace {

constexpr double panelSize = 320.0;
constexpr double panelMargin = 36.0;
constexpr double panelGap = 24.0;
// One line for each frame's colour and one for the line styles: no entry
// depends on how long another is in the reader's language.
constexpr double legendLine = 18.0;
constexpr double legendHeight = 4 * legendLine + 6.0;
constexpr double scaleHeight = 40.0;
// A page is read by a person: past this many findings it says how many more
// there are, and check lists them.
constexpr int listedFindings = 1000;

struct FrameKind
{
    Value value;
    const char* key;
    const char* colour;
};
const FrameKind drawnKinds[] = {{Value::Axes1Frame, "axis1", "#d95f02"},
                                {Value::Axes2Frame, "axis2", "#7570b3"},
                                {Value::UserFrame, "user", "#1b9e77"}};

QString kindLabel(Value value)
{
    switch (value) {
    case Value::Axes1Frame: return PositionerTool::tr("axis 1");
    case Value::Axes2Frame: return PositionerTool::tr("axis 2");
    default: return PositionerTool::tr("user frame");
    }
}

// A view looks along one axis of the robot's base: the page's right is
// `right`, the page's up is `up`.
struct View
{
    const char* key;
    std::size_t right;
    std::size_t up;
};
const View views[] = {{"top", 0, 1}, {"side", 0, 2}};

QString viewTitle(const View& view)
{
    return view.up == 1 ? PositionerTool::tr("Top view (x to the right, y up)")
                        : PositionerTool::tr("Side view (x to the right, z up)");
}

QString n(double value)
{
    return QString::number(value, 'f', 1);
}

// Control characters are no text of a page: they are shown as escapes.
QString escaped(const QString& text)
{
    return visible(text, std::numeric_limits<int>::max()).toHtmlEscaped();
}

struct Drawn
{
    const FrameKind* kind;
    Frame frame;
    bool before;
};

bool usesFrame(const Record& record, Value value)
{
    switch (value) {
    case Value::Axes1Frame: return record.inUse() && record.axis1InUse();
    case Value::Axes2Frame: return record.inUse() && record.axis2InUse();
    default: return record.inUse();
    }
}

// Values a file may hold but no drawing can show: not finite, or farther
// than any cell reaches.
bool drawable(const Frame& frame)
{
    return std::all_of(frame.begin(), frame.end(), [](double v) { return std::abs(v) < 1e6; });
}

bool drawsFrame(const Record& record, Value value)
{
    return usesFrame(record, value) && drawable(record.frame(value));
}

// The frames in use, and those that were in use before.
std::vector<Drawn> framesToDraw(const Record& record, const Record* before)
{
    std::vector<Drawn> drawn;
    for (const FrameKind& kind : drawnKinds) {
        if (before && drawsFrame(*before, kind.value))
            drawn.push_back({&kind, before->frame(kind.value), true});
        if (drawsFrame(record, kind.value))
            drawn.push_back({&kind, record.frame(kind.value), false});
    }
    return drawn;
}

// The length of the drawn axes: a quarter of the spread of the origins, so
// that frames far apart and frames close together both stay readable.
double axisLength(const std::vector<Drawn>& drawn)
{
    if (drawn.empty())
        return 100.0;
    double spread = 0.0;
    for (std::size_t c = 0; c < 3; ++c) {
        const auto [low, high] = std::minmax_element(drawn.begin(), drawn.end(), [c](const Drawn& a, const Drawn& b) {
            return a.frame[c] < b.frame[c];
        });
        spread = std::max(spread, high->frame[c] - low->frame[c]);
    }
    return spread > 1.0 ? spread / 4.0 : 100.0;
}

Vector tip(const Frame& frame, int axis, double length)
{
    const Vector direction = axisOf(frame, axis);
    return {frame[0] + length * direction[0], frame[1] + length * direction[1], frame[2] + length * direction[2]};
}

// Where the model's points land on the page, the same millimetres per pixel in
// both views.
class Projection
{
public:
    Projection(const std::vector<Drawn>& drawn, double length)
    {
        for (std::size_t v = 0; v < std::size(views); ++v) {
            for (const Drawn& d : drawn) {
                include(v, {d.frame[0], d.frame[1], d.frame[2]});
                for (int axis = 0; axis < 3; ++axis)
                    include(v, tip(d.frame, axis, length));
            }
            if (drawn.empty()) {
                include(v, {0.0, 0.0, 0.0});
                include(v, {length, length, length});
            }
        }
        const double room = panelSize - 2 * panelMargin;
        scale_ = std::numeric_limits<double>::max();
        for (std::size_t v = 0; v < std::size(views); ++v)
            scale_ = std::min(scale_, room / std::max({high_[v][0] - low_[v][0], high_[v][1] - low_[v][1], 1e-9}));
    }

    double scale() const { return scale_; }

    // Page coordinates inside the view's panel.
    std::pair<double, double> at(std::size_t v, const Vector& p) const
    {
        const double centreU = (low_[v][0] + high_[v][0]) / 2;
        const double centreV = (low_[v][1] + high_[v][1]) / 2;
        return {panelSize / 2 + (p[views[v].right] - centreU) * scale_,
                panelSize / 2 - (p[views[v].up] - centreV) * scale_};
    }

private:
    void include(std::size_t v, const Vector& p)
    {
        const double u = p[views[v].right];
        const double w = p[views[v].up];
        low_[v] = {std::min(low_[v][0], u), std::min(low_[v][1], w)};
        high_[v] = {std::max(high_[v][0], u), std::max(high_[v][1], w)};
    }

    static constexpr double inf = std::numeric_limits<double>::infinity();
    std::array<std::array<double, 2>, 2> low_{{{inf, inf}, {inf, inf}}};
    std::array<std::array<double, 2>, 2> high_{{{-inf, -inf}, {-inf, -inf}}};
    double scale_ = 1.0;
};

// x solid, y dashed, z dotted, each with an arrowhead and its letter beyond
// the tip, along the arrow, so that the letters of one frame stay apart.
QString frameGroup(const Drawn& d, const Projection& projection, std::size_t v, double length)
{
    const char* const dashes[] = {"", " stroke-dasharray=\"7 4\"", " stroke-dasharray=\"2 3\""};
    const char* const letters[] = {"x", "y", "z"};
    const auto [ox, oy] = projection.at(v, {d.frame[0], d.frame[1], d.frame[2]});
    QString svg = QStringLiteral("<g class=\"%1\" data-frame=\"%2\" stroke=\"%3\" fill=\"%3\"%4>")
                      .arg(d.before ? QStringLiteral("frame-before") : QStringLiteral("frame"),
                           QLatin1String(d.kind->key), QLatin1String(d.kind->colour),
                           d.before ? QStringLiteral(" opacity=\"0.35\"") : QString());
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"3\"/>").arg(n(ox), n(oy));
    for (int axis = 0; axis < 3; ++axis) {
        const auto [tx, ty] = projection.at(v, tip(d.frame, axis, length));
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke-width=\"2\"%5/>")
                   .arg(n(ox), n(oy), n(tx), n(ty), QLatin1String(dashes[axis]));
        const double along = std::hypot(tx - ox, ty - oy);
        if (along < 1.0) {
            // Seen end-on: the letter beside the origin, no arrow.
            svg += QStringLiteral("<text x=\"%1\" y=\"%2\" stroke=\"none\">%3</text>")
                       .arg(n(ox + 5), n(oy - 5), QLatin1String(letters[axis]));
            continue;
        }
        const double ux = (tx - ox) / along, uy = (ty - oy) / along;
        svg += QStringLiteral("<polygon points=\"%1,%2 %3,%4 %5,%6\" stroke=\"none\"/>")
                   .arg(n(tx), n(ty), n(tx - 8 * ux - 3 * uy), n(ty - 8 * uy + 3 * ux), n(tx - 8 * ux + 3 * uy),
                        n(ty - 8 * uy - 3 * ux));
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" stroke=\"none\" text-anchor=\"middle\" "
                              "dominant-baseline=\"middle\">%3</text>")
                   .arg(n(tx + 10 * ux), n(ty + 10 * uy), QLatin1String(letters[axis]));
    }
    return svg + QStringLiteral("</g>");
}

// 1, 2 or 5 times a power of ten, no longer than `most`.
double roundLength(double most)
{
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= most)
            return step * power;
    }
    return power;
}

QString lengthText(double millimetres)
{
    return PositionerTool::tr("%1 mm").arg(QString::number(millimetres, 'g', 6));
}

QString drawing(int number, const Record& record, const Record* before)
{
    const std::vector<Drawn> drawn = framesToDraw(record, before);
    const double length = axisLength(drawn);
    const Projection projection(drawn, length);
    const double width = 2 * panelSize + panelGap;
    const double height = legendHeight + panelSize + scaleHeight;

    QString svg = QStringLiteral("<svg class=\"drawing\" data-positioner=\"%1\" xmlns=\"http://www.w3.org/2000/svg\" "
                                 "width=\"%2\" height=\"%3\" viewBox=\"0 0 %2 %3\" role=\"img\" "
                                 "aria-label=\"%4\">")
                      .arg(number)
                      .arg(width)
                      .arg(height)
                      .arg(escaped(PositionerTool::tr("Frames of positioner %1").arg(number)));
    // The legend: which colour is which frame.
    double y = 4;
    for (const FrameKind& kind : drawnKinds) {
        svg += QStringLiteral("<rect x=\"0\" y=\"%1\" width=\"14\" height=\"14\" fill=\"%2\"/>"
                              "<text x=\"20\" y=\"%3\">%4</text>")
                   .arg(n(y), QLatin1String(kind.colour), n(y + 12), escaped(kindLabel(kind.value)));
        y += legendLine;
    }
    svg += QStringLiteral("<text x=\"0\" y=\"%1\">%2</text>")
               .arg(n(y + 12), escaped(before ? PositionerTool::tr("x solid, y dashed, z dotted; faded: before")
                                         : PositionerTool::tr("x solid, y dashed, z dotted")));

    for (std::size_t v = 0; v < std::size(views); ++v) {
        svg += QStringLiteral("<g class=\"view\" data-view=\"%1\" transform=\"translate(%2 %3)\">"
                              "<rect width=\"%4\" height=\"%4\" fill=\"#fafafa\" stroke=\"#bbb\"/>"
                              "<text x=\"8\" y=\"18\">%5</text>")
                   .arg(QLatin1String(views[v].key), n(double(v) * (panelSize + panelGap)), n(legendHeight),
                        n(panelSize), escaped(viewTitle(views[v])));
        for (const Drawn& d : drawn)
            svg += frameGroup(d, projection, v, length);
        svg += QStringLiteral("</g>");
    }

    const double bar = roundLength(100.0 / projection.scale());
    const double barY = legendHeight + panelSize + 20;
    svg += QStringLiteral("<g class=\"scale\" stroke=\"#333\"><line x1=\"0\" y1=\"%1\" x2=\"%2\" y2=\"%1\" "
                          "stroke-width=\"3\"/><text x=\"%3\" y=\"%4\" stroke=\"none\">%5</text></g>")
               .arg(n(barY), n(bar * projection.scale()), n(bar * projection.scale() + 8), n(barY + 5),
                    escaped(lengthText(bar)));
    return svg + QStringLiteral("</svg>\n");
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
    "svg text{font-size:13px;fill:#333}"
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
            if (usesFrame(r, kind.value) && !drawable(r.frame(kind.value)))
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
