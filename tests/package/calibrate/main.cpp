// Teaches the nine points on the simulated cell and has the controller
// calculate the three frames; prints each result and how far the axis-1
// frame lies from the cell's truth.
#include <cellmodel.h>
#include <positionerdata.h>
#include <rtmcore/rtmcustomrvar.h>
#include <startcontroller.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

namespace {

// The controller takes a point through the event loop; the next one waits.
bool teach(PositionerData* d, int n)
{
    static rtmCustomRvarBool request(QStringLiteral("ipos.bteachpoint"), 1);
    if (d->teachPoint(n) != 1)
        return false;
    QElapsedTimer timer;
    timer.start();
    while (request && timer.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return !request;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    sim::startController();
    PositionerData* d = PositionerData::getInstance();
    d->setUsedVars_positioner(true);
    PositionerParm& record = d->parms[0];
    record.axes1Type = 1;
    record.axes1Index = 0;
    record.axes2Type = 1;
    record.axes2Index = 1;
    d->setPositionerID(0);
    d->setMaxAuxjNum(2);

    cellsim::CellModel cell;
    bool taught = true;
    d->setPositionerAxisID(0);
    for (int k = 0; k < 3; ++k) {
        cell.turnAxes(60.0 * k, 0);
        cell.touchMarker();
        taught = teach(d, 1 + k) && taught;
    }
    d->setPositionerAxisID(1);
    for (int k = 0; k < 3; ++k) {
        cell.turnAxes(30, 90.0 * k);
        cell.touchMarker();
        taught = teach(d, 4 + k) && taught;
    }
    cell.turnAxes(30, 180);
    for (int k = 0; k < 3; ++k) {
        cell.touchUserFrameMark(k);
        taught = teach(d, 7 + k) && taught;
    }

    d->setPositionerAxisID(0);
    const int axis1 = d->calculatePositionerFrame(0);
    d->setPositionerAxisID(1);
    const int axis2 = d->calculatePositionerFrame(1);
    const int user = d->calculateUserFrame();

    const cellsim::Frame truth = cell.trueAxis1Frame(0, 0);
    double miss = 0;
    for (int k = 0; k < 3; ++k)
        miss = std::fmax(miss, std::fabs(record.axes1Frame[k] - truth[k]));
    std::printf("taught %s, results %d %d %d, axis 1 off by %.4f mm\n", taught ? "all" : "NOT all", axis1,
                axis2, user, miss);
    PositionerData::destroy();
    return taught && axis1 == 1 && axis2 == 1 && user == 1 && miss < 0.01 ? 0 : 1;
}
