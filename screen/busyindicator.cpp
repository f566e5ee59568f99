#include "busyindicator.h"

#include <QPainter>

namespace {
// One step per display frame at 60 Hz; a full turn a second.
constexpr int frameMs = 16;
constexpr int stepDegrees = 6;
}  // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(frameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + stepDegrees) % 360;
        update();
    });
    setFixedSize(sizeHint());
    setVisible(false);
}

void BusyIndicator::start()
{
    angle_ = 0;
    setVisible(true);
    timer_.start();
}

void BusyIndicator::stop()
{
    timer_.stop();
    setVisible(false);
}

void BusyIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(4, 4, -4, -4);
    painter.setPen(QPen(palette().color(QPalette::Mid), 4));
    painter.drawEllipse(ring);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, -angle_ * 16, 100 * 16);
}
