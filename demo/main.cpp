// A demo host: the library loaded against the simulated pendant and controller.
#include <calibrationreader.h>
#include <cellmodel.h>
#include <commands.h>
#include <groupassessment.h>
#include <pointexplanation.h>
#include <controllersimulator.h>
#include <dataaccess/dataaccess.h>
#include <samplefiles.h>
#include <positionerdata.h>
#include <positionerdiagnostics.h>
#include <sim/simulation.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <cmath>
#include <functional>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The reason of a failure, printed right after its result as a host shows it.
void printReason(const char* indent = "  ")
{
    const QString reason = PositionerDiagnostics::lastFailure();
    if (!reason.isEmpty())
        out() << indent << "reason: " << reason << "\n";
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

// ---- The advisor: why a point was refused, how good a group will be ----

void explainRefusal(PositionerData* positioner, int n, int result)
{
    const auto explanation =
        PositionerAdvisor::explainTeachResult(PositionerAdvisor::calibrationPoints(*positioner), n, result);
    out() << "    why:  " << PositionerAdvisor::describe(explanation) << "\n"
          << "    what: " << PositionerAdvisor::advise(explanation) << "\n";
}

void printAssessment(PositionerData* positioner, int group)
{
    const auto assessment = PositionerAdvisor::assessGroup(PositionerAdvisor::calibrationPoints(*positioner), group);
    out() << "  advisor: " << PositionerAdvisor::describe(assessment) << "\n";
    const QString advice = PositionerAdvisor::advise(assessment);
    if (!advice.isEmpty())
        out() << "           " << advice << "\n";
}

// A calculation with the host's own progress line: a host timer adds a dot
// every 100 ms while the library waits for the controller, which shows that
// the user interface stays alive during the wait.
int calculateWithProgress(const QString& what, const std::function<int()>& calculate)
{
    out() << "  " << what << " ";
    out().flush();
    int ticks = 0;
    QTimer timer;
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] {
        ++ticks;
        out() << ".";
        out().flush();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    timer.start();
    const int result = calculate();
    timer.stop();
    out() << (result == 1 ? " done" : " no answer") << " after " << elapsed.elapsed() << " ms ("
          << ticks << " ticks of the host's timer meanwhile)\n";
    if (result != 1)
        printReason("    ");
    return result;
}

// How far the calculated axis lies from the cell's true one: its position and
// the tilt of its direction. Gives the position's error.
double printTrueAxisError(const double (&calibrated)[6], const cellsim::Frame& truth)
{
    const Eigen::Isometry3d frame = cellsim::toTransform(frameOf(calibrated));
    const Eigen::Isometry3d real = cellsim::toTransform(truth);
    const double position = (frame.translation() - real.translation()).norm();
    const Eigen::Vector3d z = frame.linear().col(2);
    const Eigen::Vector3d realZ = real.linear().col(2);
    const double tilt = std::atan2(z.cross(realZ).norm(), z.dot(realZ)) * 180.0 / EIGEN_PI;
    out() << "  true error of the calculated axis (from the simulated cell): "
          << QString::number(position, 'f', 2) << " mm, tilted by " << QString::number(tilt, 'f', 3)
          << " degrees\n";
    return position;
}

struct Teacher
{
    PositionerData* positioner;
    cellsim::CellModel& cell;
    rtmCustomRvarBool teachRequest{"ipos.bteachpoint", 1};

    // Turns the positioner, touches the marker (mark < 0) or a user-frame
    // mark, teaches point n and explains a refusal.
    int operator()(int n, double axis1, double axis2, int mark = -1)
    {
        cell.turnAxes(axis1, axis2);
        if (mark < 0)
            cell.touchMarker();
        else
            cell.touchUserFrameMark(mark);
        const int result = positioner->teachPoint(n);
        out() << "  point " << n << " at axes (" << axis1 << ", " << axis2 << "): "
              << (result == 1 ? QStringLiteral("taken") : QStringLiteral("refused, code %1").arg(result))
              << "\n";
        if (result != 1) {
            printReason("    ");
            explainRefusal(positioner, n, result);
        }
        waitWhileSet(positioner, teachRequest);
        return result;
    }
};

// Axis 1 taught at three angles, judged by the advisor, calculated by the
// controller and measured against the cell; the true error comes back.
double calibrateAxis1(PositionerData* positioner, Teacher& teach, const double (&angles)[3])
{
    for (int k = 0; k < 3; ++k)
        teach(1 + k, angles[k], 0);
    printAssessment(positioner, 0);
    positioner->setPositionerAxisID(0);
    calculateWithProgress("calculating axis 1", [&] { return positioner->calculatePositionerFrame(0); });
    return printTrueAxisError(positioner->parms[positioner->positionerID].axes1Frame,
                              teach.cell.trueAxis1Frame(angles[0], 0));
}

void walkCalibration(PositionerData* positioner)
{
    cellsim::CellModel cell;
    // The operator's touches miss by a tenth of a millimetre.
    cell.setTouchNoise(0.1, 3);
    Teacher teach{positioner, cell};
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

    out() << "Axis 1 taught in a hurry, the table turned by 6 degrees at a time:\n";
    const double hurried = calibrateAxis1(positioner, teach, {0, 6, 12});
    out() << "Axis 1 taught again, the points 90 degrees apart:\n";
    const double spread = calibrateAxis1(positioner, teach, {0, 90, 180});
    out() << "  the axis is now " << QString::number(hurried / spread, 'f', 0)
          << " times closer to its true place\n";

    out() << "Axis 2 and the user frame:\n";
    for (int k = 0; k < 3; ++k)
        teach(4 + k, 30, 90.0 * k);
    printAssessment(positioner, 1);
    teach(7, 30, 180, 0);
    // The operator turns the positioner before the second mark: refused.
    teach(8, 40, 180, 1);
    teach(8, 30, 180, 1);
    teach(9, 30, 180, 2);
    printAssessment(positioner, 2);

    positioner->setPositionerAxisID(1);
    calculateWithProgress("calculating axis 2", [&] { return positioner->calculatePositionerFrame(1); });
    calculateWithProgress("calculating the user frame", [&] { return positioner->calculateUserFrame(); });

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
    if (!sent) {
        printReason();
        return;
    }

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

QString hashText(const QVariant& value)
{
    const QVariantHash hash = value.toHash();
    QStringList keys = hash.keys();
    keys.sort();
    QStringList entries;
    for (const QString& key : keys)
        entries << key + "=" + QString::number(hash[key].toDouble());
    return entries.join(" ");
}

// The calibrated positioner becomes the work object that follows it.
void useDynamicWorkObject(PositionerData* positioner)
{
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    editor.openPositionerProgram();
    const QString globalVar = sim::Files::instance().controllerFile("/xpl/GLOBAL.var");
    if (!QFileInfo::exists(globalVar))
        SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var");

    out() << "\nRegistering wobj_dyn0 for positioner 1 ... ";
    out().flush();
    const bool registered = positioner->setDynRefSys(0);
    out() << (registered ? "accepted" : "REFUSED") << "\n";
    if (!registered)
        printReason();
    if (!editor.dynRefSystems().empty()) {
        const sim::DynRefSysEntry& entry = editor.dynRefSystems().back();
        out() << "  editor: dynamic reference system id " << entry.id << ", base \"" << entry.baseName
              << "\", kind " << entry.kind << ", frame " << frameText(frameOf(entry.frame)) << "\n";
    }
    QFile file(globalVar);
    file.open(QIODevice::ReadOnly);
    bool inWobjDyn0 = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("<Name>"))
            inWobjDyn0 = line == "<Name>wobj_dyn0</Name>";
        if (inWobjDyn0 && line.startsWith("<InitValue>"))
            out() << "  controller GLOBAL.var: " << line << "\n";
    }

    const bool saved = positioner->saveDynRefSys(0);
    out() << "Object frames written into the program and saved: " << (saved ? "yes" : "NO") << "\n";
    if (!saved)
        printReason();
    out()
          << "  oframe_p1: " << hashText(editor.value("oframe_p1")) << "\n"
          << "  wobj_dyn0: " << hashText(editor.value("wobj_dyn0")) << "\n"
          << "  saved as " << editor.savedPrograms().join(", ") << "\n";

    const bool active = positioner->setWobj_dyn0(0);
    out() << "wobj_dyn0 active: " << (active ? "yes" : "NO") << " (editor's active id "
          << editor.activeRefSys() << ", ipos.currentposindex " << int(ipos_currentposindex) << ")\n";
    if (!active)
        printReason();
}

// The controller's user-frame program takes the user frames of positioners 1 to 5.
void updateUserFrameProgram(PositionerData* positioner)
{
    const QString program = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    if (!QFileInfo::exists(program))
        SampleFiles::installOnController("userframedyn.xpl", "/xpl/userframedyn.xpl");
    const bool saved = positioner->saveUserFrameDyn();
    out() << "\nUser-frame program rewritten and sent: " << (saved ? "yes" : "NO") << "\n";
    if (!saved)
        printReason();
    QFile file(program);
    file.open(QIODevice::ReadOnly);
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.contains("Date") || line.contains("wobj1_dyn") || line.contains(",true,1)"))
            out() << "  controller userframedyn.xpl: " << line << "\n";
    }
}

// What a service call starts from: faults a pendant meets, each failed call's
// result and, right after it, its reason.
void provokeFailures(PositionerData* positioner)
{
    out() << "\nFailures and their reasons:\n";
    const QString dir = RtmGetLocalizedFileName("../Application/positioner", true);
    const auto show = [](const char* what, bool ok) {
        out() << "  " << what << ": " << (ok ? "succeeded" : "failed") << "\n";
        printReason("    ");
    };

    show("teachPoint(10)", positioner->teachPoint(10) == 1);

    QFile broken(dir + "/broken.xml");
    broken.open(QIODevice::WriteOnly);
    broken.write("<FramePar>\n  <Positioner id=\"1\">\n</FramePar>\n");
    broken.close();
    show("readPositionerFile of a broken file", positioner->readPositionerFile(broken.fileName()));

    sim::Files::instance().failNextFetches(1);
    show("saveUserFrameDyn while the transfer service refuses", positioner->saveUserFrameDyn());

    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    editor.setRefuseWriteMode(true);
    show("saveDynRefSys while the editor refuses write mode", positioner->saveDynRefSys(0));
    editor.setRefuseWriteMode(false);

    const double kept = positioner->dynOframe[0];
    positioner->dynOframe[0] = std::nan("");
    show("writeGlobalVarFile with a NaN in the object frame", positioner->writeGlobalVarFile(dir + "/GLOBAL.var"));
    positioner->dynOframe[0] = kept;

    show("setWobj_dyn0(0) once all is well again", positioner->setWobj_dyn0(0));
}

// The service tool's look at the calibration just made: the HTML report, and
// the check of the pendant's copy.
void reportCalibration()
{
    const QString file =
        RtmGetLocalizedFileName("../Application/positioner", true) + "/positionercalibframepar.xml";
    const QString page = sim::Files::instance().pendantRoot() + "/calibration-report.html";
    const QString axisCount = QString::number(DataAccess::getAxisCount());
    QString text;
    QTextStream stream(&text);
    tool::runTool({"positioner-tool", "report", file, "-o", page, "--axis-count", axisCount}, stream, stream);
    const int check = tool::runTool({"positioner-tool", "check", file, "--axis-count", axisCount}, stream, stream);
    out() << "\npositioner-tool report and check (exit status " << check << "):\n" << text;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The operator's language, as a host installs it: the library's and the
    // advisor's texts follow the locale, as its numbers do.
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("positioner"), QStringLiteral("_"),
                        QStringLiteral(POSITIONER_DEMO_TRANSLATIONS)))
        QCoreApplication::installTranslator(&translator);
    ControllerSimulator controller;
    controller.setLatency(50);
    // The controller takes its time over the calculations.
    controller.setLatency("ipos.calculate_axes", 700);
    controller.setLatency("ipos.calculate_user", 900);
    CalibrationReader calibrationReader(controller);
    sim::MessageBoxes::instance().setListener([](const sim::ShownMessage& box) {
        out() << "[message box] " << box.text << "\n";
        printReason();
    });

    const sim::Files& files = sim::Files::instance();
    out() << "Pendant root:        " << files.pendantRoot() << "\n"
          << "Controller root:     " << files.controllerRoot() << "\n"
          << "Positioner directory " << RtmGetLocalizedFileName("../Application/positioner", true)
          << "\n\n";

    PositionerData* positioner = PositionerData::getInstance();
    out() << "Calibration fetched from the controller: "
          << (files.transfers().back().ok ? "yes" : "no (records keep their defaults)") << "\n";
    if (!files.transfers().back().ok)
        printReason();

    positioner->setUsedVars_positioner(true);
    positioner->setUsedVars_currentposID(true);
    positioner->setPositionerID(0);
    positioner->setMaxAuxjNum(2);

    out() << "\n";
    walkCalibration(positioner);

    sendCalibration(positioner, calibrationReader);
    useDynamicWorkObject(positioner);
    updateUserFrameProgram(positioner);
    provokeFailures(positioner);

    out() << "\n";
    printVariableSet();
    reportCalibration();
    out().flush();
    PositionerData::destroy();
    return 0;
}
