// The reference screen's window against the simulated pendant and controller:
// the calibration screen, the simulated cell's panel where a pendant's jog keys
// would be, and the language menu.
#pragma once

#include "languages.h"

#include <calibrationreader.h>
#include <controllersimulator.h>

#include <QMainWindow>

class CalibrationScreen;
class PositionerData;
class QActionGroup;
class QMenu;
class SimulatedCellPanel;

// The simulated controller as the screen meets it: latencies like a real one,
// the controller's files in place, the pendant's program open.
class SimulatedController
{
public:
    SimulatedController();

    ControllerSimulator& controller() { return controller_; }
    CalibrationReader& reader() { return reader_; }

private:
    ControllerSimulator controller_;
    CalibrationReader reader_{controller_};
};

class ScreenWindow : public QMainWindow
{
    Q_OBJECT

public:
    ScreenWindow(PositionerData& positioner, const QStringList& catalogueFolders);

    CalibrationScreen& screen() const { return *screen_; }
    SimulatedCellPanel& panel() const { return *panel_; }
    Languages& languages() { return languages_; }
    // The menu's action for a language code.
    QAction* languageAction(const QString& code) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Languages languages_;
    CalibrationScreen* screen_ = nullptr;
    SimulatedCellPanel* panel_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QActionGroup* languageActions_ = nullptr;
};
