// The operator's calibration screen: a host of the positioner library and its
// advisor, and nothing else, so that a pendant team can take it as it stands.
//
// Every request that makes the library wait runs through one place
// (runRequest): the busy indicator moves, the pages are disabled so that no
// second request can start while the library processes the host's events, and
// the outcome is shown when the library returns.
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class PositionerData;
class BusyIndicator;
class FrameView;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

class CalibrationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CalibrationScreen(PositionerData& positioner, QWidget* parent = nullptr);

    // The drawing of the selected positioner's frames, for hosts that add to it.
    FrameView* frameView() const { return frameView_; }
    bool isBusy() const { return busy_; }

signals:
    // Point n was taught; result is what the library answered.
    void pointTaught(int n, int result);
    // A group's frame (0 axis 1, 1 axis 2, 2 user frame) was calculated.
    void frameCalculated(int group, bool stored);
    // A request started or ended: anything that could start another one waits.
    void busyChanged(bool busy);

protected:
    void changeEvent(QEvent* event) override;

private:
    enum class PointState { NotTaught, Taken, Refused };
    struct PointRow
    {
        QLabel* name = nullptr;
        QPushButton* teach = nullptr;
        QPushButton* clear = nullptr;
        QLabel* state = nullptr;
        QLabel* position = nullptr;
        QLabel* advice = nullptr;
        PointState status = PointState::NotTaught;
        int result = 1;
        QString adviceText;
    };
    struct GroupBox
    {
        QGroupBox* box = nullptr;
        QLabel* verdict = nullptr;
        QLabel* frame = nullptr;
        QPushButton* calculate = nullptr;
    };

    QWidget* buildSetupPage();
    QWidget* buildTeachPage();
    QWidget* buildFramesPage();
    QWidget* buildSavePage();
    void retranslate();

    void selectPositioner(int index);
    void storeAxisSetup();
    void teach(int n);
    void clearPoint(int n);
    void calculate(int group);
    void writeAndSend();
    void askControllerToRead();
    void writeReport();
    void registerDynamicWorkObject();
    void saveObjectFrames();
    void rewriteUserFrameProgram();
    void activateWorkObject(int which);

    // Runs a request of the library that waits, with the screen busy meanwhile.
    // A sentence made anew in the language of the moment.
    using Sentence = std::function<QString()>;
    bool runRequest(const QString& what, const std::function<bool()>& request);
    // The outcome of the last request: what was done, or why it failed.
    // The library's reason for a failure is taken at once, before any other
    // call can forget it; a failure outside the library has none.
    void showOutcome(bool ok, const Sentence& done, const Sentence& failed, bool libraryFailure = true);
    void showOutcomeText();

    void refresh();
    void refreshPoint(int n);
    void refreshGroup(int group);
    QString pointText(int n) const;
    QString frameText(const double (&frame)[6]) const;
    QString calibrationFile() const;

    PositionerData& positioner_;
    bool busy_ = false;

    QTabWidget* pages_ = nullptr;
    BusyIndicator* busyIndicator_ = nullptr;
    QLabel* busyText_ = nullptr;
    QLabel* outcome_ = nullptr;
    bool outcomeOk_ = true;
    Sentence outcomeText_;
    QString failureReason_;

    // Set up
    QLabel* positionerLabel_ = nullptr;
    QSpinBox* positionerNumber_ = nullptr;
    QLabel* typeLabels_[2] = {};
    QSpinBox* types_[2] = {};
    QLabel* indexLabels_[2] = {};
    QSpinBox* indices_[2] = {};
    QLabel* comparedLabel_ = nullptr;
    QSpinBox* compared_ = nullptr;

    // Teach
    std::array<PointRow, 9> points_;
    std::array<GroupBox, 3> groups_;

    // Frames
    FrameView* frameView_ = nullptr;
    QLabel* frameNames_[4] = {};
    QLabel* frameValues_[4] = {};

    // Save and use
    QLabel* changed_ = nullptr;
    QPushButton* writeSend_ = nullptr;
    QPushButton* controllerReads_ = nullptr;
    QPushButton* report_ = nullptr;
    QPushButton* register_ = nullptr;
    QPushButton* saveFrames_ = nullptr;
    QPushButton* rewriteProgram_ = nullptr;
    QGroupBox* activeBox_ = nullptr;
    QRadioButton* wobj0_ = nullptr;
    QRadioButton* wobjDyn0_ = nullptr;
    QButtonGroup* activeGroup_ = nullptr;
};

// Controls sized for a finger rather than a mouse, for the whole window.
QString touchStyleSheet();

// To be called before the application object is made. The screen paints with
// QPainter alone, so on X11 the OpenGL integration is not started: starting it
// (a software renderer loaded where the server has no GPU) took the greater
// part of the time to the first painted window. A choice made in the
// environment stands.
void prepareScreenApplication();

// What failed and, where the library gave one, why, as the operator reads it.
QString failureText(const QString& operationMessage, const QString& reason);
