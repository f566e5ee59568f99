#include "simulatedcellpanel.h"

#include "calibrationscreen.h"
#include "frameview.h"

#include <positionerdata.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr unsigned int noiseSeed = 3;

// The cells to choose from: the standard one, and one whose positioner stands
// turned and tilted farther from the robot.
cellsim::CellGeometry geometryOf(int cell)
{
    cellsim::CellGeometry geometry;
    if (cell == 1) {
        geometry.positionerBase = {1500.0, 400.0, 250.0, -60.0, 5.0, 0.0};
        geometry.axis2OnAxis1 = {60.0, -30.0, 300.0, 0.0, 90.0, 0.0};
    }
    return geometry;
}

FrameDrawing::Frame drawn(const cellsim::Frame& frame)
{
    return {frame[0], frame[1], frame[2], frame[3], frame[4], frame[5]};
}

}  // namespace

SimulatedCellPanel::SimulatedCellPanel(CalibrationScreen& screen, QWidget* parent)
    : QWidget(parent), screen_(screen)
{
    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel;
    title_->setWordWrap(true);
    layout->addWidget(title_);

    const auto labelled = [&](QLabel*& label, QWidget* field) {
        label = new QLabel;
        label->setWordWrap(true);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    };
    cellChoice_ = new QComboBox;
    cellChoice_->setObjectName(QStringLiteral("cell"));
    cellChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cellChoice_->addItems({QString(), QString()});
    labelled(cellLabel_, cellChoice_);
    for (int axis = 0; axis < 2; ++axis) {
        axes_[axis] = new QSpinBox;
        axes_[axis]->setObjectName(QStringLiteral("jog%1").arg(axis + 1));
        axes_[axis]->setRange(-360, 360);
        axes_[axis]->setSuffix(QStringLiteral(" °"));
        labelled(axisLabels_[axis], axes_[axis]);
        connect(axes_[axis], QOverload<int>::of(&QSpinBox::valueChanged), this, &SimulatedCellPanel::turn);
    }
    mark_ = new QComboBox;
    mark_->setObjectName(QStringLiteral("mark"));
    mark_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    mark_->addItems({QString(), QString(), QString(), QString()});
    labelled(markLabel_, mark_);
    touch_ = new QPushButton;
    touch_->setObjectName(QStringLiteral("touch"));
    layout->addWidget(touch_);
    connect(touch_, &QPushButton::clicked, this, &SimulatedCellPanel::touch);
    noise_ = new QDoubleSpinBox;
    noise_->setObjectName(QStringLiteral("noise"));
    noise_->setRange(0.0, 2.0);
    noise_->setSingleStep(0.05);
    noise_->setValue(0.05);
    labelled(noiseLabel_, noise_);
    connect(noise_, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            [this](double sigma) { cell_->setTouchNoise(sigma, noiseSeed); });
    errors_ = new QLabel;
    errors_->setObjectName(QStringLiteral("errors"));
    errors_->setWordWrap(true);
    layout->addWidget(errors_);
    layout->addStretch();

    connect(cellChoice_, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &SimulatedCellPanel::chooseCell);
    connect(&screen_, &CalibrationScreen::pointTaught, this, [this](int n, int result) {
        if (result == 1 && n >= 1 && n <= 9)
            axesAt_[std::size_t(n - 1)] = {double(axes_[0]->value()), double(axes_[1]->value())};
    });
    connect(&screen_, &CalibrationScreen::frameCalculated, this, [this](int group, bool stored) {
        calculated_[std::size_t(group)] = stored;
        showErrors();
    });
    // Nobody jogs or touches while the library waits for the controller.
    connect(&screen_, &CalibrationScreen::busyChanged, this, [this](bool busy) { setEnabled(!busy); });

    chooseCell(0);
    retranslate();
}

SimulatedCellPanel::~SimulatedCellPanel() = default;

void SimulatedCellPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SimulatedCellPanel::retranslate()
{
    title_->setText(QStringLiteral("<b>%1</b>").arg(tr("Simulated cell")));
    cellLabel_->setText(tr("Cell"));
    cellChoice_->setItemText(0, tr("Standard cell"));
    cellChoice_->setItemText(1, tr("Tilted positioner"));
    axisLabels_[0]->setText(tr("Positioner axis 1"));
    axisLabels_[1]->setText(tr("Positioner axis 2"));
    markLabel_->setText(tr("What the tool touches"));
    mark_->setItemText(0, tr("Marker on the table"));
    mark_->setItemText(1, tr("Origin mark"));
    mark_->setItemText(2, tr("Mark on x"));
    mark_->setItemText(3, tr("Mark in the plane"));
    touch_->setText(tr("Touch"));
    noiseLabel_->setText(tr("Touch noise (mm)"));
    showErrors();
}

void SimulatedCellPanel::chooseCell(int cell)
{
    cell_ = std::make_unique<cellsim::CellModel>(geometryOf(cell));
    cell_->setTouchNoise(noise_->value(), noiseSeed);
    calculated_ = {};
    turn();
    showErrors();
}

void SimulatedCellPanel::turn()
{
    cell_->turnAxes(axes_[0]->value(), axes_[1]->value());
}

void SimulatedCellPanel::touch()
{
    const int mark = mark_->currentIndex();
    if (mark == 0)
        cell_->touchMarker();
    else
        cell_->touchUserFrameMark(mark - 1);
}

std::array<cellsim::Frame, 4> SimulatedCellPanel::trueFrames() const
{
    const auto& p1 = axesAt_[0];
    const auto& p4 = axesAt_[3];
    const auto& p7 = axesAt_[6];
    return {cell_->trueAxis1Frame(p1[0], p1[1]), cell_->trueAxis2Frame(p4[0], p4[1]),
            cell_->trueAxis2ToBase(p1[0], p1[1], p4[0], p4[1]), cell_->trueUserFrame(p7[0], p7[1])};
}

void SimulatedCellPanel::showErrors()
{
    const std::array<cellsim::Frame, 4> truth = trueFrames();
    const PositionerParm& record = PositionerData::getInstance()->parms[PositionerData::getInstance()->getPositionerID()];
    const double(*frames[])[6] = {&record.axes1Frame, &record.axes2Frame, &record.userFrame};
    const int truthOf[] = {0, 1, 3};
    const QString names[] = {tr("Axis 1"), tr("Axis 2"), tr("User frame")};
    const QColor colours[] = {FrameDrawing::axis1Colour(), FrameDrawing::axis2Colour(),
                              FrameDrawing::userFrameColour()};
    const QLocale locale;
    QStringList lines;
    std::vector<FrameDrawing::DrawnFrame> reference;
    for (int group = 0; group < 3; ++group) {
        if (!calculated_[std::size_t(group)])
            continue;
        const cellsim::Frame& real = truth[std::size_t(truthOf[group])];
        const cellsim::Frame frame{(*frames[group])[0], (*frames[group])[1], (*frames[group])[2],
                                   (*frames[group])[3], (*frames[group])[4], (*frames[group])[5]};
        lines << tr("%1: %2 mm and %3° from the true frame")
                     .arg(names[group], locale.toString(cellsim::positionError(frame, real), 'f', 2),
                          locale.toString(cellsim::angleError(frame, real), 'f', 3));
        reference.push_back({drawn(real), names[group], colours[group], true});
    }
    errors_->setText(lines.join(QLatin1Char('\n')));
    screen_.frameView()->setReferenceFrames(reference, tr("faded: the true frames"));
}
