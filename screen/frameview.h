// The selected positioner's frames and taught points, drawn as the service
// tool's report draws them.
#pragma once

#include <framedrawing.h>

#include <QWidget>

class FrameView : public QWidget
{
    Q_OBJECT

public:
    explicit FrameView(QWidget* parent = nullptr);

    // What the screen knows: the calculated frames and the taught points.
    void setScene(const FrameDrawing::Scene& scene);
    // What others know besides, such as the true frames of a simulated cell;
    // drawn faded.
    void setReferenceFrames(const std::vector<FrameDrawing::DrawnFrame>& frames, const QString& note);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {320, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FrameDrawing::Scene scene_;
    std::vector<FrameDrawing::DrawnFrame> reference_;
    QString referenceNote_;
};
