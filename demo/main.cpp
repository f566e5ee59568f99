// A demo host: the library loaded against the simulated pendant and controller.
#include <calibrationreader.h>
#include <cellmodel.h>
#include <controllersimulator.h>
#include <positionerdata.h>
#include <sim/simulation.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void printVariableSet()
{
    const sim::VariableStore& store = sim::VariableStore::instance();
    out() << "Controller variables (" << store.names().size() << " incl. vector elements):\n";
    for (const QString& name : store.names()) {
        out() << "  " << qSetFieldWidth(32) << Qt::left << name << qSetFieldWidth(0)
              << (store.isUsed(name) ? "registered  " : "            ")
              << store.value(name).toString() << "\n";
    }
}

// ---- Calibrating one positioner, as the operator does it on the pendant ----

// The host lets the controller take a request before it goes on.
void waitWhileSet(PositionerData* positioner, const rtmCustomRvarBool& request)
{
    for (int round = 0; round < 100 && request; ++round)
        positioner->delay_MSec(16);
}

QString frameText(const cellsim::Frame& frame)
{
    QString text;
    for (double value : frame)
        text += QString::number(value, 'f', 4).rightJustified(11);
    return text;
}

cellsim::Frame frameOf(const double (&values)[6])
{
    return {values[0], values[1], values[2], values[3], values[4], values[5]};
}

void printFrame(const char* name, const double (&calibrated)[6], const cellsim::Frame& truth)
{
    const cellsim::Frame frame = frameOf(calibrated);
    out() << "  " << name << "\n"
          << "    calibrated " << frameText(frame) << "\n"
          << "    true       " << frameText(truth) << "\n"
          << "    error      " << QString::number(cellsim::positionError(frame, truth), 'f', 4)
          << " mm, " << QString::number(cellsim::angleError(frame, truth), 'f', 4) << " deg\n";
}

void walkCalibration(PositionerData* positioner)
{
    cellsim::CellModel cell;
    const rtmCustomRvarBool teachRequest("ipos.bteachpoint", 1);
    const int id = 0;
    out() << "Calibrating positioner " << id + 1 << " (two axes, external axes 1 and 2)\n";
    positioner->setPositionerID(id);
    positioner->setPositionerAxisID(0);
    positioner->setMaxAuxjNum(2);
    // Both axes in use, driven by the first and the second external axis.
    PositionerParm& configured = positioner->parms[id];
    configured.axes1Type = 2;
    configured.axes1Index = 0;
    configured.axes2Type = 1;
    configured.axes2Index = 1;

    const auto teach = [&](int n, double axis1, double axis2, int mark) {
        cell.turnAxes(axis1, axis2);
        if (mark < 0)
            cell.touchMarker();
        else
            cell.touchUserFrameMark(mark);
        const int result = positioner->teachPoint(n);
        out() << "  point " << n << " at axes (" << axis1 << ", " << axis2 << "): "
              << (result == 1 ? QStringLiteral("taken") : QStringLiteral("rejected, code %1").arg(result))
              << "\n";
        waitWhileSet(positioner, teachRequest);
        return result;
    };
    teach(1, 0, 0, -1);
    // The operator touches another spot but forgets to turn the positioner:
    // -2, the external axes did not move enough.
    teach(2, 0, 0, 1);
    teach(2, 60, 0, -1);
    teach(3, 120, 0, -1);
    for (int k = 0; k < 3; ++k)
        teach(4 + k, 30, 90.0 * k, -1);
    for (int k = 0; k < 3; ++k)
        teach(7 + k, 30, 180, k);

    positioner->setPositionerAxisID(0);
    const int axis1 = positioner->calculatePositionerFrame(0);
    positioner->setPositionerAxisID(1);
    const int axis2 = positioner->calculatePositionerFrame(1);
    const int user = positioner->calculateUserFrame();
    out() << "  calculated: axis 1 " << axis1 << ", axis 2 " << axis2 << ", user frame " << user
          << "\n";

    const PositionerParm& record = positioner->parms[id];
    printFrame("axis 1", record.axes1Frame, cell.trueAxis1Frame(0, 0));
    printFrame("axis 2", record.axes2Frame, cell.trueAxis2Frame(30, 0));
    printFrame("axis 2 to base", record.axes2FrameToBase, cell.trueAxis2ToBase(0, 0, 30, 0));
    printFrame("user frame", record.userFrame, cell.trueUserFrame(30, 180));
    out() << "\n";
}

// The calibration goes to the controller: written, sent, read there on request.
void sendCalibration(PositionerData* positioner, CalibrationReader& reader)
{
    QList<int> changed;
    for (int i = 0; i < 10; ++i) {
        if (!positioner->positionerDataIsEqual(positioner->parms[i], positioner->savedParms[i]))
            changed << i;
    }
    out() << "\nPositioners changed since the calibration file was last read:";
    for (int i : changed)
        out() << " " << i + 1;
    out() << (changed.isEmpty() ? " none\n" : "\n");

    const QString local = RtmGetLocalizedFileName("../Application/positioner", true) +
                          "/positionercalibframepar.xml";
    const bool written = positioner->writePositionerFile(local);
    const bool sent = written && positioner->sendFileToCtrl(local, CalibrationReader::controllerPath());
    out() << "Calibration file written: " << (written ? "yes" : "NO") << ", sent: " << (sent ? "yes" : "NO")
          << "\n";
    if (!sent)
        return;

    const int readsBefore = reader.reads();
    positioner->rdeReadFileCode();
    for (int round = 0; round < 100 && reader.reads() == readsBefore; ++round)
        positioner->delay_MSec(16);
    out() << "The controller read " << reader.loaded().size() << " positioners:\n";
    for (int i : changed) {
        if (i < int(reader.loaded().size())) {
            const ControllerCalibration& c = reader.loaded()[std::size_t(i)];
            out() << "  positioner " << c.id << ": axes in use " << c.enabledAxes << ", user frame "
                  << frameText(frameOf(c.userFrame)) << "\n";
        }
    }

    positioner->readPositionerFile(local);
    bool unchanged = true;
    for (int i = 0; i < 10; ++i)
        unchanged = unchanged && positioner->positionerDataIsEqual(positioner->parms[i], positioner->savedParms[i]);
    out() << "After reading the file back, changed positioners: " << (unchanged ? "none" : "some") << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ControllerSimulator controller;
    controller.setLatency(50);
    CalibrationReader calibrationReader(controller);
    sim::MessageBoxes::instance().setListener([](const sim::ShownMessage& box) {
        out() << "[message box] " << box.text << "\n";
    });

    const sim::Files& files = sim::Files::instance();
    out() << "Pendant root:        " << files.pendantRoot() << "\n"
          << "Controller root:     " << files.controllerRoot() << "\n"
          << "Positioner directory " << RtmGetLocalizedFileName("../Application/positioner", true)
          << "\n\n";

    PositionerData* positioner = PositionerData::getInstance();
    out() << "Calibration fetched from the controller: "
          << (files.transfers().back().ok ? "yes" : "no (records keep their defaults)") << "\n";

    positioner->setUsedVars_positioner(true);
    positioner->setUsedVars_currentposID(true);
    positioner->setPositionerID(0);
    positioner->setMaxAuxjNum(2);

    out() << "Switching to positioner 3 (controller answers after 50 ms) ... ";
    out().flush();
    positioner->setPosId(3);
    ipos_currentposindex = 3;
    rtmCustomRvarBool switchRequest("ipos.bswitchpos", 1);
    switchRequest = true;
    for (int round = 0; round < 20 && switchRequest; ++round)
        positioner->delay_MSec(16);
    out() << (switchRequest ? "no acknowledgement" : "acknowledged") << "\n\n";

    walkCalibration(positioner);

    sendCalibration(positioner, calibrationReader);

    out() << "\n";
    printVariableSet();
    out().flush();
    PositionerData::destroy();
    return 0;
}
