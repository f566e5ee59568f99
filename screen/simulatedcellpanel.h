// The simulated cell beside the calibration screen: it stands where a real
// pendant's jog keys and robot would be. The operator turns the positioner,
// touches the marker or a mark of the user frame with the robot's tool, and
// sees how far each calculated frame lies from the cell's true one.
#pragma once

#include <cellmodel.h>

#include <QWidget>

#include <array>
#include <memory>

class CalibrationScreen;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

class SimulatedCellPanel : public QWidget
{
    Q_OBJECT

public:
    explicit SimulatedCellPanel(CalibrationScreen& screen, QWidget* parent = nullptr);
    ~SimulatedCellPanel() override;

    // The true frames for the points as they were taught: axis 1, axis 2,
    // axis 2 to base, user frame.
    std::array<cellsim::Frame, 4> trueFrames() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void chooseCell(int cell);
    void turn();
    void touch();
    void showErrors();

    CalibrationScreen& screen_;
    std::unique_ptr<cellsim::CellModel> cell_;
    // Where the axes stood when each point was taught.
    std::array<std::array<double, 2>, 9> axesAt_{};
    std::array<bool, 3> calculated_{};

    QLabel* title_ = nullptr;
    QLabel* cellLabel_ = nullptr;
    QComboBox* cellChoice_ = nullptr;
    QLabel* axisLabels_[2] = {};
    QSpinBox* axes_[2] = {};
    QLabel* markLabel_ = nullptr;
    QComboBox* mark_ = nullptr;
    QPushButton* touch_ = nullptr;
    QLabel* noiseLabel_ = nullptr;
    QDoubleSpinBox* noise_ = nullptr;
    QLabel* errors_ = nullptr;
};
