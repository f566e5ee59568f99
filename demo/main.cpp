// A demo host: the library loaded against the simulated pendant and controller.
#include <calibrationreader.h>
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

QString frameText(const double* frame)
{
    QStringList values;
    for (int k = 0; k < 6; ++k)
        values << QString::number(frame[k], 'f', 4);
    return values.join(", ");
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
                  << frameText(c.userFrame) << "\n";
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

    // Until the operator calibrates, give positioner 1 a user frame by hand.
    positioner->parms[0].axes1Type = 1;
    positioner->parms[0].userFrame[0] = 850.0;
    positioner->parms[0].userFrame[5] = 90.0;
    sendCalibration(positioner, calibrationReader);

    out() << "\n";
    printVariableSet();
    out().flush();
    PositionerData::destroy();
    return 0;
}
