// The data-access service on top of the simulated robot, files and editor.
#include "files.h"
#include "programeditor.h"
#include "robot.h"

#include <dataaccess/dataaccess.h>

namespace sim {

Robot& Robot::instance()
{
    static Robot* robot = new Robot;
    return *robot;
}

void Robot::setPose(double x, double y, double z, double a, double b, double c)
{
    pose_.coord[0] = x;
    pose_.coord[1] = y;
    pose_.coord[2] = z;
    pose_.coord[3] = a;
    pose_.coord[4] = b;
    pose_.coord[5] = c;
}

void Robot::reset()
{
    axisCount_ = 6;
    pose_ = PositionInfo{};
    // The service's own tag for a cartesian record; callers skip it.
    pose_.header = 1;
}

}  // namespace sim

DataAccess* DataAccess::getInstance()
{
    static DataAccess* instance = new DataAccess;
    return instance;
}

RplEditorDataInterface* DataAccess::getRplDataInterface()
{
    return &sim::ProgramEditor::instance();
}

int DataAccess::getAxisCount()
{
    return sim::Robot::instance().axisCount();
}

PositionInfo DataAccess::getCartPosition()
{
    return sim::Robot::instance().pose();
}

bool DataAccess::getValueBitStatus(int mask, int bit)
{
    if (bit < 0 || bit > 31)
        return false;
    return (static_cast<unsigned int>(mask) >> bit) & 1u;
}

int DataAccess::setValueBitStatus(int mask, int bit, bool on)
{
    if (bit < 0 || bit > 31)
        return mask;
    const unsigned int value = static_cast<unsigned int>(mask);
    const unsigned int bitMask = 1u << bit;
    return static_cast<int>(on ? value | bitMask : value & ~bitMask);
}

bool DataAccess::GetFileFromController2TPU(const QString& controllerPath, const QString& localPath,
                                           bool reserved)
{
    // The reserved argument is false in every call the platform documents.
    return !reserved && sim::Files::instance().fetch(controllerPath, localPath);
}

bool DataAccess::SendFileFromTPU2Controller(const QString& localPath,
                                            const QString& controllerPath, bool reserved)
{
    return !reserved && sim::Files::instance().send(localPath, controllerPath);
}
