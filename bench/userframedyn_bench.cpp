// The rewrite of the user-frame program against a plain line copy of the same
// file (read through a text stream, each line written back with its line end),
// for programs of 10 000, 100 000 and 1 000 000 lines. The rewrite includes its
// fetch from the controller and the replacement of the local copy, so the fetch
// is timed on its own as well. Printed: the rewrite's line work and the whole
// rewrite as ratios to the copy (goal within 2 at 100 000 lines), and the time
// per line against that of 10 000 lines (linear growth keeps it near 1).
#include <positionerdata.h>
#include <sim/files.h>
#include <userframedyneditor.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QString controllerProgram = QStringLiteral("/xpl/userframedyn.xpl");

// Blocks as the controller's program has them: one per dynamic work object,
// in turn, between other statements.
QByteArray program(int lines)
{
    QByteArray text;
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Date(ymd)/time(hms) 2024/05/06 14:21:09 -->\n";
    for (int written = 2, block = 0; written < lines; ++block) {
        const QByteArray n = QByteArray::number(block % 6 + 1);
        const QByteArray statements[] = {
            "      <Assign>",
            "        <dest>wobj" + n + "_dyn</dest>",
            "        <expr>GETTRKWOBJ(POINTC(812.4410,-35.2000,402.7500,0.0000,0.0000,90.0000),true," + n +
                ")</expr>",
            "      </Assign>",
            "      <Call name=\"movel\"><arg>p" + QByteArray::number(block) + "</arg><arg>v500</arg></Call>",
            "      <Comment>weld seam " + QByteArray::number(block) + " on the turned workpiece</Comment>",
        };
        for (const QByteArray& statement : statements) {
            if (written++ < lines)
                text += statement + '\n';
        }
    }
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

bool lineCopy(const QString& from, const QString& to)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text) || !out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream input(&in);
    QTextStream output(&out);
    while (!input.atEnd())
        output << input.readLine() << '\n';
    output.flush();
    return output.status() == QTextStream::Ok;
}

// Best of a few runs, in milliseconds.
double best(int runs, const std::function<bool()>& work)
{
    double fastest = 1e300;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            std::fprintf(stderr, "a run failed\n");
        fastest = std::min(fastest, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PositionerData* positioner = PositionerData::getInstance();
    for (int i = 0; i < 5; ++i)
        positioner->parms[i].userFrame[0] = 100.0 * (i + 1);

    const QString directory = RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true);
    const QString local = directory + QStringLiteral("/userframedyn.xpl");
    const QString copy = directory + QStringLiteral("/linecopy.xpl");
    const QString source = sim::Files::instance().controllerFile(controllerProgram);

    std::printf("userframedyn.xpl: rewrite against a plain line copy (best of runs; every sixth line an expression)\n");
    std::printf("  %9s %6s %9s %9s %9s %12s %12s %14s\n", "lines", "MB", "fetch ms", "copy ms", "rewrite ms",
                "lines ratio", "whole ratio", "per line / 10k");
    double perLineAt10k = 0.0;
    bool goalMet = true;
    for (const int lines : {10000, 100000, 1000000}) {
        const QByteArray text = program(lines);
        writeFile(source, text);
        const int runs = lines >= 1000000 ? 5 : 15;
        double fetchMs = 1e300;
        double copyMs = 1e300;
        double rewriteMs = 1e300;
        // Interleaved, so that none of them profits from a warmer cache.
        for (int round = 0; round < 3; ++round) {
            fetchMs = std::min(fetchMs, best(runs, [&] { return positioner->getFileFromCtrl(controllerProgram, local); }));
            copyMs = std::min(copyMs, best(runs, [&] { return lineCopy(local, copy); }));
            rewriteMs = std::min(rewriteMs, best(runs, [&] { return positioner->userFrameDynEditor->rewriteProgram(); }));
        }
        // The fetch is the transfer service's work, done alike by both.
        const double linesRatio = (rewriteMs - fetchMs) / copyMs;
        const double wholeRatio = rewriteMs / (fetchMs + copyMs);
        const double perLine = rewriteMs / lines;
        if (lines == 10000)
            perLineAt10k = perLine;
        if (lines == 100000)
            goalMet = linesRatio <= 2.0 && wholeRatio <= 2.0;
        std::printf("  %9d %6.1f %9.2f %9.2f %9.2f %12.2f %12.2f %14.2f\n", lines, text.size() / 1e6, fetchMs, copyMs,
                    rewriteMs, linesRatio, wholeRatio, perLine / perLineAt10k);
    }
    std::printf("  lines ratio: (rewrite - fetch) / copy;  whole ratio: rewrite / (fetch + copy)\n");
    std::printf("  goal: both within 2 at 100000 lines   %s\n", goalMet ? "met" : "MISSED");

    QFile::remove(source);
    QFile::remove(local);
    QFile::remove(copy);
    PositionerData::destroy();
    return 0;
}
