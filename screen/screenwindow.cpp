#include "screenwindow.h"

#include "calibrationscreen.h"
#include "simulatedcellpanel.h"

#include <samplefiles.h>
#include <sim/simulation.h>

#include <QActionGroup>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollArea>

SimulatedController::SimulatedController()
{
    controller_.setLatency(50);
    // The controller takes its time over the calculations.
    controller_.setLatency(QStringLiteral("ipos.calculate_axes"), 700);
    controller_.setLatency(QStringLiteral("ipos.calculate_user"), 900);
    for (const char* file : {"GLOBAL.var", "userframedyn.xpl"}) {
        const QString path = QStringLiteral("/xpl/") + QLatin1String(file);
        if (!QFileInfo::exists(sim::Files::instance().controllerFile(path)))
            SampleFiles::installOnController(QLatin1String(file), path);
    }
    sim::ProgramEditor::instance().openPositionerProgram();
}

ScreenWindow::ScreenWindow(PositionerData& positioner, const QStringList& catalogueFolders)
    : languages_(catalogueFolders)
{
    setStyleSheet(touchStyleSheet());
    screen_ = new CalibrationScreen(positioner);
    panel_ = new SimulatedCellPanel(*screen_);
    auto* panelArea = new QScrollArea;
    panelArea->setWidget(panel_);
    panelArea->setWidgetResizable(true);
    panelArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelArea->setFixedWidth(240);

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(screen_, 1);
    layout->addWidget(panelArea);
    setCentralWidget(central);

    languageMenu_ = menuBar()->addMenu(QString());
    languageActions_ = new QActionGroup(this);
    for (const QString& code : Languages::codes()) {
        QAction* action = languageMenu_->addAction(Languages::nativeName(code));
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == QLatin1String("en"));
        languageActions_->addAction(action);
    }
    connect(languageActions_, &QActionGroup::triggered, this, [this](QAction* action) {
        if (!languages_.switchTo(action->data().toString(), this))
            languageAction(languages_.current())->setChecked(true);
    });
    connect(screen_, &CalibrationScreen::busyChanged, menuBar(), [this](bool busy) { menuBar()->setEnabled(!busy); });
    retranslate();
}

QAction* ScreenWindow::languageAction(const QString& code) const
{
    for (QAction* action : languageActions_->actions()) {
        if (action->data().toString() == code)
            return action;
    }
    return nullptr;
}

void ScreenWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void ScreenWindow::retranslate()
{
    setWindowTitle(tr("Positioner calibration"));
    languageMenu_->setTitle(tr("&Language"));
}
