// The drawing of a positioner's frames from above and from the side, painted
// with any QPainter: the calibration screen paints it on a widget, the service
// tool's report into an SVG.
//
// Frames are x, y, z in millimetres and a, b, c in degrees, orientation
// Rz(a) * Ry(b) * Rx(c), all in the robot's base frame.
#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

#include <array>
#include <vector>

class QPainter;
class QRectF;

namespace FrameDrawing {

using Frame = std::array<double, 6>;
using Point = std::array<double, 3>;

struct DrawnFrame
{
    Frame frame{};
    QString label;
    QColor colour;
    // Drawn faded: a frame as it was before, or the true one beside a calculated one.
    bool faded = false;
};

struct DrawnPoint
{
    Point position{};
    QColor colour;
};

struct Scene
{
    std::vector<DrawnFrame> frames;
    std::vector<DrawnPoint> points;
    // What the line styles and the faded frames mean, ending the legend.
    QString note;
};

// The colours of axis 1, axis 2 and the user frame, alike everywhere.
QColor axis1Colour();
QColor axis2Colour();
QColor userFrameColour();

// Whether a frame can be drawn at all: finite and within any cell's reach.
bool drawable(const Frame& frame);

// The size the drawing is made for; it scales to any other.
QSizeF naturalSize();

// Paints the legend, the top and the side view and the scale into area. Frames
// that are not drawable are left out; the caller says which.
void paint(QPainter& painter, const QRectF& area, const Scene& scene);

}  // namespace FrameDrawing
