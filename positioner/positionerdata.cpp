#include "positionerdata.h"

#include "eventwait.h"
#include "userframedyneditor.h"
#include "variableset.h"

#include <QDir>

#include <algorithm>

using namespace Positioner;

PositionerData* PositionerData::pInstance = nullptr;

namespace {
// iauxj.auxcurrentposition has six elements.
constexpr int maxExternalAxes = 6;
}  // namespace

PositionerData* PositionerData::getInstance()
{
    if (!pInstance)
        pInstance = new PositionerData;
    return pInstance;
}

void PositionerData::destroy()
{
    PositionerData* instance = pInstance;
    if (!instance)
        return;
    pInstance = nullptr;
    if (instance->runningOperations_ > 0)
        instance->destroyRequested_ = true;
    else
        delete instance;
}

PositionerData::PositionerData() : QObject(nullptr)
{
    // The members start at their defaults (see the class).
    QDir().mkpath(directory);
    userFrameDynEditor = new UserFrameDynEditor;
    // Without a file from the controller the records keep their defaults.
    if (getFileFromCtrl(ctrlCalibFile, localCalibFile))
        readPositionerFile(localCalibFile);
}

PositionerData::~PositionerData()
{
    delete userFrameDynEditor;
}

PositionerData::Operation::Operation(PositionerData* data) : data_(data)
{
    ++data_->runningOperations_;
}

PositionerData::Operation::~Operation()
{
    if (--data_->runningOperations_ == 0 && data_->destroyRequested_)
        delete data_;
}

int PositionerData::getPositionerAxisID() { return positionerAxisID; }
void PositionerData::setPositionerAxisID(int axis) { positionerAxisID = axis; }
int PositionerData::getPositionerID() { return positionerID; }
void PositionerData::setPositionerID(int positioner) { positionerID = positioner; }

void PositionerData::setMaxAuxjNum(int n)
{
    maxAuxjNum = n == 0 ? maxExternalAxes : std::min(n, maxExternalAxes);
}

void PositionerData::delay_MSec(unsigned int ms)
{
    Operation operation(this);
    processEventsFor(ms);
}
