// positioner-screen: the calibration screen against the simulated cell.
#include "calibrationscreen.h"
#include "screenwindow.h"

#include <positionerdata.h>

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    prepareScreenApplication();
    QApplication app(argc, argv);
    SimulatedController controller;
    PositionerData* positioner = PositionerData::getInstance();
    positioner->setUsedVars_positioner(true);
    positioner->setUsedVars_currentposID(true);
    positioner->setMaxAuxjNum(2);

    const QString programDir = QCoreApplication::applicationDirPath();
    ScreenWindow window(*positioner, {QDir(programDir).filePath(QStringLiteral(POSITIONER_SCREEN_INSTALLED_TRANSLATIONS)),
                                      QDir(programDir).filePath(QStringLiteral(POSITIONER_SCREEN_BUILT_TRANSLATIONS))});
    window.resize(1024, 768);
    window.show();
    const int status = app.exec();
    PositionerData::destroy();
    return status;
}
