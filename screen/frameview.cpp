#include "frameview.h"

#include <QPainter>

FrameView::FrameView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FrameView::setScene(const FrameDrawing::Scene& scene)
{
    scene_ = scene;
    update();
}

void FrameView::setReferenceFrames(const std::vector<FrameDrawing::DrawnFrame>& frames, const QString& note)
{
    reference_ = frames;
    referenceNote_ = note;
    update();
}

QSize FrameView::sizeHint() const
{
    return FrameDrawing::naturalSize().toSize();
}

void FrameView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    FrameDrawing::Scene scene = scene_;
    for (FrameDrawing::DrawnFrame frame : reference_) {
        frame.faded = true;
        scene.frames.push_back(frame);
    }
    if (!reference_.empty() && !referenceNote_.isEmpty())
        scene.note += QStringLiteral("; ") + referenceNote_;
    FrameDrawing::paint(painter, QRectF(rect()).adjusted(8, 8, -8, -8), scene);
}
