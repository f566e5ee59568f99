#include "framedrawing.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace FrameDrawing {

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(FrameDrawing)
};

constexpr double gap = 16.0;
constexpr double margin = 28.0;
constexpr double arrow = 8.0;
constexpr double labelOffset = 12.0;

constexpr double pi = 3.14159265358979323846;

// The unit vector of the frame's own x (0), y (1) or z (2) axis.
Point axisOf(const Frame& f, int axis)
{
    const double a = f[3] * pi / 180.0, b = f[4] * pi / 180.0, c = f[5] * pi / 180.0;
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    const double cc = std::cos(c), sc = std::sin(c);
    // Columns of Rz(a) * Ry(b) * Rx(c).
    switch (axis) {
    case 0: return {ca * cb, sa * cb, -sb};
    case 1: return {ca * sb * sc - sa * cc, sa * sb * sc + ca * cc, cb * sc};
    default: return {ca * sb * cc + sa * sc, sa * sb * cc - ca * sc, cb * cc};
    }
}

Point tip(const Frame& f, int axis, double length)
{
    const Point d = axisOf(f, axis);
    return {f[0] + length * d[0], f[1] + length * d[1], f[2] + length * d[2]};
}

// A view looks along one axis of the robot's base: the page's right is
// coordinate `right`, the page's up is coordinate `up`.
struct View
{
    int right;
    int up;
};
const View views[] = {{0, 1}, {0, 2}};

QString viewTitle(int v)
{
    return v == 0 ? Text::tr("Top view (x to the right, y up)") : Text::tr("Side view (x to the right, z up)");
}

// A quarter of the spread of the origins, so that frames far apart and frames
// close together both stay readable.
double axisLength(const std::vector<const DrawnFrame*>& frames)
{
    double spread = 0.0;
    for (int c = 0; c < 3; ++c) {
        double low = std::numeric_limits<double>::infinity(), high = -low;
        for (const DrawnFrame* f : frames) {
            low = std::min(low, f->frame[std::size_t(c)]);
            high = std::max(high, f->frame[std::size_t(c)]);
        }
        if (!frames.empty())
            spread = std::max(spread, high - low);
    }
    return spread > 1.0 ? spread / 4.0 : 100.0;
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

// Where model points land in the views: one scale for both, each view centred
// in its panel.
class Projection
{
public:
    Projection(const std::vector<Point>& model, const QRectF (&panels)[2])
    {
        const double inf = std::numeric_limits<double>::infinity();
        double scale = inf;
        for (int v = 0; v < 2; ++v) {
            double lowU = inf, lowW = inf, highU = -inf, highW = -inf;
            for (const Point& p : model) {
                lowU = std::min(lowU, p[std::size_t(views[v].right)]);
                highU = std::max(highU, p[std::size_t(views[v].right)]);
                lowW = std::min(lowW, p[std::size_t(views[v].up)]);
                highW = std::max(highW, p[std::size_t(views[v].up)]);
            }
            if (model.empty())
                lowU = lowW = 0.0, highU = highW = 100.0;
            centre_[v] = {(lowU + highU) / 2, (lowW + highW) / 2};
            scale = std::min({scale, (panels[v].width() - 2 * margin) / std::max(highU - lowU, 1e-9),
                              (panels[v].height() - 2 * margin) / std::max(highW - lowW, 1e-9)});
            panel_[v] = panels[v];
        }
        scale_ = scale;
    }

    double scale() const { return scale_; }

    QPointF at(int v, const Point& p) const
    {
        return {panel_[v].center().x() + (p[std::size_t(views[v].right)] - centre_[v][0]) * scale_,
                panel_[v].center().y() - (p[std::size_t(views[v].up)] - centre_[v][1]) * scale_};
    }

private:
    QRectF panel_[2];
    std::array<double, 2> centre_[2]{};
    double scale_ = 1.0;
};

void drawArrow(QPainter& painter, const QPointF& from, const QPointF& to)
{
    const QLineF line(from, to);
    painter.drawLine(line);
    if (line.length() < arrow)
        return;
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * arrow;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({to, base + normal * arrow / 2.5, base - normal * arrow / 2.5}));
    painter.restore();
}

// x solid, y dashed, z dotted; each letter beyond its arrow's tip, along the
// arrow, so that the letters of one frame never sit on each other's lines.
void drawFrame(QPainter& painter, const Projection& projection, int v, const DrawnFrame& f, double length)
{
    const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    const char* const letters[] = {"x", "y", "z"};
    QColor colour = f.colour;
    if (f.faded)
        colour.setAlphaF(0.4);
    const QPointF origin = projection.at(v, {f.frame[0], f.frame[1], f.frame[2]});
    painter.setBrush(colour);
    for (int axis = 0; axis < 3; ++axis) {
        painter.setPen(QPen(colour, 2.0, styles[axis], Qt::FlatCap));
        const QPointF end = projection.at(v, tip(f.frame, axis, length));
        drawArrow(painter, origin, end);
        const QLineF line(origin, end);
        if (line.length() < 1.0)
            continue;  // seen end-on: no direction to label
        const QPointF unit = (end - origin) / line.length();
        const QPointF centre = end + unit * labelOffset;
        painter.setPen(colour);
        painter.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter,
                         QString::fromLatin1(letters[axis]));
    }
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(origin, 3.0, 3.0);
}

// The legend's entries one after another, wrapped to the next line where the
// next would not fit: their widths are measured, not assumed.
double drawLegend(QPainter& painter, const QRectF& area, const Scene& scene)
{
    const QFontMetricsF metrics(painter.font());
    const double line = std::max(metrics.height(), 14.0) + 6.0;
    double x = area.left(), y = area.top();
    const auto place = [&](double width) {
        if (x > area.left() && x + width > area.right()) {
            x = area.left();
            y += line;
        }
        const double at = x;
        x += width + gap;
        return at;
    };
    std::vector<QString> seen;
    for (const DrawnFrame& f : scene.frames) {
        if (f.faded || std::find(seen.begin(), seen.end(), f.label) != seen.end())
            continue;
        seen.push_back(f.label);
        const double at = place(20.0 + metrics.horizontalAdvance(f.label));
        painter.fillRect(QRectF(at, y + (line - 14.0) / 2, 14.0, 14.0), f.colour);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at + 20.0, y, metrics.horizontalAdvance(f.label) + 1, line), Qt::AlignVCenter,
                         f.label);
    }
    if (!scene.note.isEmpty()) {
        const double width = std::min(metrics.horizontalAdvance(scene.note) + 1, area.width());
        const double at = place(width);
        painter.drawText(QRectF(at, y, width, line * 2), Qt::AlignLeft | Qt::TextWordWrap, scene.note);
    }
    return y + line + 4.0 - area.top();
}

}  // namespace

QColor axis1Colour() { return QColor(0xd9, 0x5f, 0x02); }
QColor axis2Colour() { return QColor(0x75, 0x70, 0xb3); }
QColor userFrameColour() { return QColor(0x1b, 0x9e, 0x77); }

bool drawable(const Frame& frame)
{
    return std::all_of(frame.begin(), frame.end(), [](double v) { return std::abs(v) < 1e6; });
}

QSizeF naturalSize()
{
    return {664.0, 420.0};
}

void paint(QPainter& painter, const QRectF& area, const Scene& scene)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double legend = drawLegend(painter, area, scene);
    const QFontMetricsF metrics(painter.font());
    const double scaleHeight = metrics.height() + 16.0;
    const double side = std::max(10.0, std::min((area.width() - gap) / 2, area.height() - legend - scaleHeight));
    const QRectF panels[2] = {QRectF(area.left(), area.top() + legend, side, side),
                              QRectF(area.left() + side + gap, area.top() + legend, side, side)};

    std::vector<const DrawnFrame*> frames;
    for (const DrawnFrame& f : scene.frames) {
        if (drawable(f.frame))
            frames.push_back(&f);
    }
    const double length = axisLength(frames);
    std::vector<Point> model;
    for (const DrawnFrame* f : frames) {
        model.push_back({f->frame[0], f->frame[1], f->frame[2]});
        for (int axis = 0; axis < 3; ++axis)
            model.push_back(tip(f->frame, axis, length));
    }
    for (const DrawnPoint& p : scene.points) {
        if (drawable({p.position[0], p.position[1], p.position[2], 0, 0, 0}))
            model.push_back(p.position);
    }
    // The frames are drawn below each view's title, so that no letter of an
    // axis lands on it.
    const int titleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QRectF titles[2], below[2];
    for (int v = 0; v < 2; ++v) {
        titles[v] = panels[v].adjusted(6, 4, -6, -4);
        below[v] = panels[v].adjusted(0, metrics.boundingRect(titles[v], titleFlags, viewTitle(v)).height(), 0, 0);
    }
    const Projection projection(model, below);

    for (int v = 0; v < 2; ++v) {
        painter.setPen(QColor(0xbb, 0xbb, 0xbb));
        painter.setBrush(QColor(0xfa, 0xfa, 0xfa));
        painter.drawRect(panels[v]);
        painter.setPen(QColor(0x33, 0x33, 0x33));
        painter.drawText(titles[v], titleFlags, viewTitle(v));
        painter.save();
        painter.setClipRect(panels[v]);
        for (const DrawnPoint& p : scene.points) {
            painter.setPen(QPen(p.colour, 1.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(projection.at(v, p.position), 4.0, 4.0);
        }
        for (const DrawnFrame* f : frames)
            drawFrame(painter, projection, v, *f, length);
        painter.restore();
    }

    const double bar = roundLength(100.0 / projection.scale());
    const double y = panels[0].bottom() + 12.0;
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 3.0));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.left() + bar * projection.scale(), y));
    painter.setPen(QColor(0x33, 0x33, 0x33));
    const QString barText = Text::tr("%1 mm").arg(QLocale().toString(bar, 'g', 6));
    painter.drawText(QPointF(area.left() + bar * projection.scale() + 8.0, y + metrics.ascent() / 2 - 1), barText);
    painter.restore();
}

}  // namespace FrameDrawing
