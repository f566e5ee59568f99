// The service tool on hostile field files: every command against a bare
// pugixml parse of the same file, measured in the same run. Each run is made
// in a child process of its own, so that its peak memory is its own: printed
// as the peak resident size above that of an idle child. Time is the best of
// a few runs.
// Goal: every command within 3x the time and 3x the memory of the bare parse.
// Arguments name the cases to run (comment, entries, findings, frame, globalvar);
// all by default. POSITIONER_BENCH_SCALE (default 1) scales the inputs down
// for a quick look, e.g. 0.1.
#include "childmeasure.h"

#include <commands.h>

#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int runs = 2;


// A command as the program runs it, its output thrown away; any exit status
// but "unusable" is a run that did its work.
bool command(const QStringList& arguments)
{
    QFile null(QStringLiteral("/dev/null"));
    null.open(QIODevice::WriteOnly);
    QTextStream out(&null);
    QTextStream err(&null);
    return tool::runTool(QStringList{QStringLiteral("positioner-tool")} + arguments, out, err) != tool::Unusable;
}

bool bareParse(const QString& path, unsigned int options)
{
    pugi::xml_document document;
    return document.load_file(path.toLocal8Bit().constData(), options);
}

void write(const QString& path, const QByteArray& head, qint64 repeats, const QByteArray& piece,
           const QByteArray& tail)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(head);
    // In blocks, so that writing a hundred megabytes takes no time to speak of.
    const qint64 perBlock = std::max<qint64>(1, (1 << 20) / piece.size());
    const QByteArray block = piece.repeated(int(perBlock));
    for (qint64 k = 0; k < repeats; k += perBlock)
        file.write(k + perBlock <= repeats ? block : piece.repeated(int(repeats - k)));
    file.write(tail);
}

// One positioner entry as the pendant writes it; `userFrame` may be anything.
QByteArray entry(int id, const QByteArray& inside = QByteArray())
{
    return "\t<Positioner id=\"" + QByteArray::number(id) +
           "\">\n\t\t<EnableAxesNum>1</EnableAxesNum>\n\t\t<Axes1Index>7</Axes1Index>\n"
           "\t\t<Axes1Type>1</Axes1Type>\n\t\t<Axes1Frame>1200.0000,-300.0000,400.0000,30.0000,0.0000,"
           "0.0000</Axes1Frame>\n\t\t<Axes2Index>0</Axes2Index>\n\t\t<Axes2Type>-1</Axes2Type>\n"
           "\t\t<Axes2Frame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2Frame>\n"
           "\t\t<Axes2FrameToBase>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2FrameToBase>\n" +
           inside + "\t\t<UserFrame>1311.4000,-214.2000,668.3000,-152.5000,-27.4000,111.9000</UserFrame>\n"
                    "\t</Positioner>\n";
}

QByteArray entries(int from, int to)
{
    QByteArray text;
    for (int id = from; id <= to; ++id)
        text += entry(id);
    return text;
}

const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FramePar>\n";

bool goalsMet = true;

void report(const char* what, const char* name, const Measure& work, const Measure& bare, const Measure& idle)
{
    const double workMb = work.peakMb - idle.peakMb;
    const double bareMb = bare.peakMb - idle.peakMb;
    const double timeRatio = work.seconds / bare.seconds;
    const double memoryRatio = workMb / bareMb;
    goalsMet = goalsMet && timeRatio <= 3.0 && memoryRatio <= 3.0;
    std::printf("%-22s %-10s %7.3f s (bare %6.3f s) time x%5.2f   %7.1f MiB (bare %6.1f MiB) memory x%4.2f\n", what,
                name, work.seconds, bare.seconds, timeRatio, workMb, bareMb, memoryRatio);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    // As in the tool: the report's drawing needs a graphical application, no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList cases = app.arguments().mid(1);
    const auto chosen = [&](const char* name) { return cases.isEmpty() || cases.contains(QLatin1String(name)); };
    const double scale = qEnvironmentVariableIsSet("POSITIONER_BENCH_SCALE")
                             ? qEnvironmentVariable("POSITIONER_BENCH_SCALE").toDouble()
                             : 1.0;
    const auto scaled = [&](double n) { return qint64(std::max(1.0, n * scale)); };
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("input"));
    const QString page = directory.filePath(QStringLiteral("report.html"));

    const Measure idle = inChild(runs, [] { return true; });
    std::printf("best of %d runs, each in a child; memory: peak resident above an idle child\n", runs);

    struct Case
    {
        const char* name;
        const char* what;
        std::function<void()> make;
    };
    const Case calibrationCases[] = {
        {"comment", "100 MB comment",
         [&] { write(file, head + "<!-- ", scaled(1e8 / 9), "comment. ", "-->\n" + entries(1, 10) + "</FramePar>\n"); }},
        {"entries", "10^6 extra entries",
         [&] { write(file, head + entries(1, 10), scaled(1e6), "\t<Positioner id=\"11\"/>\n", "</FramePar>\n"); }},
        {"findings", "10^5 findings",
         [&] { write(file, head + "\t<Positioner id=\"1\">\n", scaled(1e5), "\t\t<Note/>\n",
                     entry(1).mid(entry(1).indexOf('\n') + 1) + entries(2, 10) + "</FramePar>\n"); }},
        {"frame", "100 MB frame value",
         [&] { write(file, head + entries(1, 9) + "\t<Positioner id=\"10\">\n\t\t<UserFrame>", scaled(1e8 / 2), "0,",
                     "0</UserFrame>\n\t</Positioner>\n</FramePar>\n"); }},
    };
    for (const Case& c : calibrationCases) {
        if (!chosen(c.name))
            continue;
        c.make();
        std::printf("%s: %.1f MB\n", c.what, QFileInfo(file).size() / 1e6);
        const Measure bare = inChild(runs, [&] { return bareParse(file, pugi::parse_pi); });
        report(c.what, "check", inChild(runs, [&] { return command({"check", file}); }), bare, idle);
        report(c.what, "show", inChild(runs, [&] { return command({"show", file}); }), bare, idle);
        report(c.what, "show --json", inChild(runs, [&] { return command({"show", "--json", file}); }), bare, idle);
        // Two files read and held: against two bare parses.
        Measure twice = bare;
        twice.seconds *= 2;
        twice.peakMb = idle.peakMb + 2 * (bare.peakMb - idle.peakMb);
        report(c.what, "diff", inChild(runs, [&] { return command({"diff", file, file}); }), twice, idle);
        report(c.what, "report", inChild(runs, [&] { return command({"report", file, "-o", page}); }), bare, idle);
    }

    if (chosen("globalvar")) {
        const QByteArray declaration =
            "<Var><Name>wobj_dyn0</Name><Type>wobj</Type><InitValue>{&quot;uframe&quot;:{&quot;x&quot;:0,"
            "&quot;y&quot;:0,&quot;z&quot;:0,&quot;a&quot;:0,&quot;b&quot;:0,&quot;c&quot;:0},&quot;oframe&quot;:"
            "{&quot;x&quot;:1,&quot;y&quot;:2,&quot;z&quot;:3,&quot;a&quot;:0,&quot;b&quot;:0,&quot;c&quot;:0},"
            "&quot;movable&quot;:false,&quot;onrobot&quot;:false,&quot;basename&quot;:&quot;table&quot;}"
            "</InitValue></Var>\n";
        write(file, "<?xml version=\"1.0\"?>\n<Xpl-source><VarDeclarations><VarGlobal>\n", scaled(50000),
              declaration, "</VarGlobal></VarDeclarations></Xpl-source>\n");
        std::printf("50 000 wobj_dyn0 declarations: %.1f MB\n", QFileInfo(file).size() / 1e6);
        const Measure bare = inChild(runs, [&] { return bareParse(file, pugi::parse_default); });
        report("50 000 declarations", "globalvar", inChild(runs, [&] { return command({"globalvar", file}); }), bare, idle);
    }
    std::printf("goals (time and memory within 3x a bare parse): %s\n", goalsMet ? "met" : "MISSED");
    return 0;
}
