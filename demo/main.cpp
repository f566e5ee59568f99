// A demo host: the library loaded against the simulated pendant and controller.
#include <controllersimulator.h>
#include <positionerdata.h>
#include <sim/simulation.h>

#include <QCoreApplication>
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

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ControllerSimulator controller;
    controller.setLatency(50);
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

    printVariableSet();
    out().flush();
    PositionerData::destroy();
    return 0;
}
