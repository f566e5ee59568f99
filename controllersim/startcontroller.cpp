#include "startcontroller.h"

#include "calibrationreader.h"
#include "samplefiles.h"

#include <sim/files.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace sim {

namespace {

struct RunningController
{
    ControllerSimulator controller;
    CalibrationReader reader{controller};
};

std::unique_ptr<RunningController>& running()
{
    static std::unique_ptr<RunningController> instance;
    return instance;
}

// Before the application's objects go, while its event loop still exists.
void stopController() { running().reset(); }

void installMissingSample(const QString& sample, const QString& controllerPath)
{
    if (!QFileInfo::exists(Files::instance().controllerFile(controllerPath)))
        SampleFiles::installOnController(sample, controllerPath);
}

}  // namespace

ControllerSimulator& startController()
{
    std::unique_ptr<RunningController>& instance = running();
    if (!instance) {
        instance = std::make_unique<RunningController>();
        qAddPostRoutine(stopController);
        installMissingSample(QStringLiteral("GLOBAL.var"), QStringLiteral("/xpl/GLOBAL.var"));
        installMissingSample(QStringLiteral("userframedyn.xpl"), QStringLiteral("/xpl/userframedyn.xpl"));
    }
    return instance->controller;
}

}  // namespace sim
