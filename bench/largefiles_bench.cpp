// The library's inputs, far larger than real ones but within the size cap:
// reading a calibration file and rewriting GLOBAL.var of 10 MB, and saving a
// user-frame program of 100 000 lines, each against the bare work on the same
// bytes (a pugixml parse, a parse and save, a fetch with a line copy and a
// send). Every run is made in a child process of its own, so that its peak
// memory is its own: printed as the peak resident size above that of an idle
// child, against the file's size. Time is the best of a few runs. Then each
// input at 100 MB, past the cap, which must be refused at once.
// Goals: within 2x the time of the bare work, within 4x the file size in
// memory, a refusal in well under a second (0.5 s, the fetch of the program
// by the transfer service included).
// Arguments name the cases to run: calibration, globalvar, program; all by default.
#include "childmeasure.h"

#include <positionerdata.h>
#include <sim/files.h>
#include <userframedyneditor.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr qint64 fileBytes = 10 * 1000 * 1000;
constexpr qint64 hugeBytes = 100 * 1000 * 1000;
constexpr int programLines = 100000;
constexpr int runs = 3;
constexpr double timeGoal = 2.0;
constexpr double memoryGoal = 4.0;
constexpr double refusalGoalSeconds = 0.5;


// Pieces after the head until the file holds `bytes`, or `pieces` of them.
void writeRepeated(const QString& path, qint64 bytes, const QByteArray& head,
                   const std::function<QByteArray(int)>& piece, const QByteArray& tail, int pieces = INT_MAX)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(head);
    for (int k = 0; file.size() < bytes && k < pieces; ++k)
        file.write(piece(k));
    file.write(tail);
}

// Ten positioners whose frame texts hold long runs of numbers.
void writeCalibration(const QString& path, qint64 bytes)
{
    const QByteArray numbers = QByteArray("12.5000,-3.0000,90.0000,").repeated(int(bytes / 10 / 24));
    writeRepeated(path, bytes, "<?xml version=\"1.0\"?>\n<FramePar>\n",
                  [&](int k) {
                      return "\t<Positioner id=\"" + QByteArray::number(k + 1) +
                             "\">\n\t\t<Axes1Type>1</Axes1Type>\n\t\t<UserFrame>" + numbers +
                             "</UserFrame>\n\t</Positioner>\n";
                  },
                  "</FramePar>\n");
}

void writeGlobalVar(const QString& path, qint64 bytes)
{
    writeRepeated(path, bytes,
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Xpl-source>\n\t<VarDeclarations>\n\t\t<VarGlobal>\n"
                  "\t\t\t<Var>\n\t\t\t\t<Name>wobj_dyn0</Name>\n\t\t\t\t<InitValue>old</InitValue>\n\t\t\t</Var>\n",
                  [](int k) {
                      return QByteArray("\t\t\t<Var>\n\t\t\t\t<Name>var") + QByteArray::number(k) +
                             "</Name>\n\t\t\t\t<Type>wobj</Type>\n\t\t\t\t<InitValue>{&quot;uframe&quot;:{&quot;x&quot;:" +
                             QByteArray::number(k) + ",&quot;y&quot;:0},&quot;basename&quot;:&quot;b&quot;}"
                             "</InitValue>\n\t\t\t</Var>\n";
                  },
                  "\t\t</VarGlobal>\n\t</VarDeclarations>\n</Xpl-source>\n");
}

// Six lines a piece.
void writeProgram(const QString& path, qint64 bytes, int lines)
{
    writeRepeated(path, bytes, "<!-- Date(ymd)/time(hms) 2024/05/06 14:21:09 -->\n",
                  [](int k) {
                      const QByteArray n = QByteArray::number(k % 6 + 1);
                      return "      <Assign>\n        <dest>wobj" + n +
                             "_dyn</dest>\n        <expr>GETTRKWOBJ(POINTC(812.4410,-35.2000,402.7500,0.0000,"
                             "0.0000,90.0000),true," + n + ")</expr>\n      </Assign>\n"
                             "      <Call name=\"movel\"><arg>p" + QByteArray::number(k) +
                             "</arg><arg>v500</arg></Call>\n      <Comment>weld seam on the turned workpiece"
                             "</Comment>\n";
                  },
                  "", lines / 6);
}

bool bareParse(const QString& path, unsigned int options)
{
    pugi::xml_document document;
    return document.load_file(path.toLocal8Bit().constData(), options);
}

bool bareParseAndSave(const QString& from, const QString& to)
{
    pugi::xml_document document;
    return document.load_file(from.toLocal8Bit().constData(),
                              pugi::parse_pi | pugi::parse_cdata | pugi::parse_ws_pcdata_single) &&
           document.save_file(to.toLocal8Bit().constData(), "", pugi::format_no_escapes, pugi::encoding_utf8);
}

// How long the work takes to fail, at most.
double refusal(const std::function<bool()>& work)
{
    QElapsedTimer timer;
    timer.start();
    const bool done = work();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (done)
        std::fprintf(stderr, "an input past the cap was taken\n");
    return done ? 1e300 : seconds;
}

bool lineCopy(const QString& from, const QString& to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    char line[16 * 1024];
    for (qint64 n; (n = in.readLine(line, sizeof line)) > 0;) {
        if (out.write(line, n) != n)
            return false;
    }
    return true;
}

bool goalsMet = true;

void report(const char* what, const QString& file, const Measure& work, const char* bareName, const Measure& bare,
            const Measure& idle)
{
    const double sizeMb = QFileInfo(file).size() / 1e6 * (1e6 / 1048576.0);
    const double workMb = work.peakMb - idle.peakMb;
    const double timeRatio = work.seconds / bare.seconds;
    const double memoryRatio = workMb / sizeMb;
    goalsMet = goalsMet && timeRatio <= timeGoal && memoryRatio <= memoryGoal;
    std::printf("%-26s %7.1f MiB  %7.3f s  %-24s %7.3f s  time x%5.2f  memory %7.1f MiB (bare %7.1f) = x%4.2f size\n",
                what, sizeMb, work.seconds, bareName, bare.seconds, timeRatio, workMb, bare.peakMb - idle.peakMb,
                memoryRatio);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The cases named on the command line (calibration, globalvar, program), or all.
    const QStringList cases = app.arguments().mid(1);
    const auto chosen = [&](const char* name) { return cases.isEmpty() || cases.contains(QLatin1String(name)); };
    PositionerData* positioner = PositionerData::getInstance();
    positioner->dynOframe[0] = 100;
    positioner->dynBaseName = "table";
    for (int i = 0; i < 5; ++i)
        positioner->parms[i].userFrame[0] = 100.0 * (i + 1);
    const QString directory = RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true);
    const QString calibration = directory + "/bench-calibration.xml";
    const QString globalVar = directory + "/bench-GLOBAL.var";
    const QString globalVarTemplate = directory + "/bench-GLOBAL.template";
    const QString copy = directory + "/bench-copy";
    const QString controllerProgram = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    const QString localProgram = directory + "/userframedyn.xpl";

    const QString sendProgram = "/xpl/bench-sent.xpl";
    const Measure idle = inChild(runs, [] { return true; });
    std::printf("inputs within the cap; best of %d runs, each in a child; memory: peak resident above an idle "
                "child\n",
                runs);

    if (chosen("calibration")) {
        writeCalibration(calibration, fileBytes);
        const Measure read = inChild(runs, [&] { return positioner->readPositionerFile(calibration); });
        const Measure parse = inChild(runs, [&] { return bareParse(calibration, pugi::parse_pi); });
        report("read calibration file", calibration, read, "bare pugixml parse", parse, idle);
    }

    if (chosen("globalvar")) {
        writeGlobalVar(globalVarTemplate, fileBytes);
        // The child rewrites a fresh copy; the copy is made in the child too,
        // for the rewrite and for the bare work alike.
        const Measure rewrite = inChild(runs, [&] {
            return lineCopy(globalVarTemplate, globalVar) && positioner->writeGlobalVarFile(globalVar);
        });
        const Measure parseSave = inChild(runs, [&] {
            return lineCopy(globalVarTemplate, globalVar) && bareParseAndSave(globalVar, copy);
        });
        report("rewrite GLOBAL.var", globalVarTemplate, rewrite, "bare pugixml load+save", parseSave, idle);
    }

    if (chosen("program")) {
        writeProgram(controllerProgram, LLONG_MAX, programLines);
        const Measure save = inChild(runs, [&] { return positioner->saveUserFrameDyn(); });
        const Measure copyLines = inChild(runs, [&] {
            return positioner->getFileFromCtrl("/xpl/userframedyn.xpl", localProgram) && lineCopy(localProgram, copy) &&
                   positioner->sendFileToCtrl(copy, sendProgram);
        });
        report("save userframedyn.xpl", controllerProgram, save, "fetch + line copy + send", copyLines, idle);
    }

    // Past the cap: refused before anything is read, so the time does not
    // depend on the size.
    std::printf("inputs of 100 MB, past the cap: time to refuse\n");
    double slowest = 0.0;
    const auto refused = [&](const char* what, double seconds) {
        slowest = std::max(slowest, seconds);
        std::printf("%-26s %7.3f s\n", what, seconds);
    };
    if (chosen("calibration")) {
        writeCalibration(calibration, hugeBytes);
        refused("read calibration file", refusal([&] { return positioner->readPositionerFile(calibration); }));
    }
    if (chosen("globalvar")) {
        writeGlobalVar(globalVar, hugeBytes);
        refused("rewrite GLOBAL.var", refusal([&] { return positioner->writeGlobalVarFile(globalVar); }));
    }
    if (chosen("program")) {
        writeProgram(controllerProgram, hugeBytes, INT_MAX);
        // The fetch, a copy by the transfer service, comes before the refusal.
        const double fetch = refusal([&] { return !positioner->getFileFromCtrl("/xpl/userframedyn.xpl", localProgram); });
        refused("save userframedyn.xpl", refusal([&] { return positioner->saveUserFrameDyn(); }));
        std::printf("  (of which the fetch alone: %.3f s)\n", fetch);
    }
    goalsMet = goalsMet && slowest <= refusalGoalSeconds;
    std::printf("goals (time within %.0fx, memory within %.0fx the size, refusal within %.1f s): %s\n", timeGoal,
                memoryGoal, refusalGoalSeconds, goalsMet ? "met" : "MISSED");

    for (const QString& path : {calibration, globalVar, globalVarTemplate, copy, controllerProgram, localProgram,
                                sim::Files::instance().controllerFile(sendProgram)})
        QFile::remove(path);
    PositionerData::destroy();
    return 0;
}
