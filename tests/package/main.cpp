#include <groupassessment.h>
#include <positionerdata.h>
#include <sim/variablestore.h>
#include <userframedyneditor.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PositionerData* positioner = PositionerData::getInstance();
    positioner->setUsedVars_positioner(true);
    ipos_currentposindex = 2;
    const QString plainLine = QStringLiteral("<!-- no work object here -->");
    const bool ok = positioner->getCurrentActivedPos() == 2 && obs_auxfunc.count() == 6 &&
                    sim::VariableStore::instance().isUsed("iauxj.obs_auxfunc[5]") &&
                    positioner->userFrameDynEditor->transformLine(plainLine) == plainLine &&
                    PositionerAdvisor::assessGroup(PositionerAdvisor::calibrationPoints(*positioner), 0).missingPoint == 1;
    PositionerData::destroy();
    std::puts(ok ? "consumer ok" : "consumer FAILED");
    return ok ? 0 : 1;
}
