// The reference screen as the operator sees it: how soon its window is painted,
// how evenly the busy indicator moves while the library waits the whole 16 s
// for a user frame the controller never calculates, and how much memory the
// screen takes. Run it in an X server (make bench starts one).
//
// The same indicator then turns as long again in the application's own event
// loop: what the machine's load does to it alone, so that what the library's
// wait adds is seen beside it.
#include <busyindicator.h>
#include <calibrationscreen.h>
#include <positionerdata.h>
#include <screenwindow.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Records when a widget is painted.
class PaintClock : public QObject
{
public:
    PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    std::vector<double> paintedMs;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paintedMs.push_back(double(clock_.nsecsElapsed()) / 1e6);
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

struct Pacing
{
    std::size_t frames = 0;
    double median = 0.0;
    double p99 = 0.0;
    double worst = 0.0;
    double worstAfter = 0.0;
};

// The intervals between the paints from `start` on; nothing when fewer than
// three paints were seen.
bool pacingOf(const std::vector<double>& paintedMs, double start, Pacing& pacing)
{
    std::vector<double> intervals;
    for (std::size_t k = 1; k < paintedMs.size(); ++k)
        intervals.push_back(paintedMs[k] - paintedMs[k - 1]);
    if (intervals.size() < 2)
        return false;
    const auto worst = std::max_element(intervals.begin(), intervals.end());
    pacing = {paintedMs.size(), percentile(intervals, 0.5), percentile(intervals, 0.99), *worst,
              paintedMs[std::size_t(worst - intervals.begin())] - start};
    return true;
}

QString residentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return QString::fromLatin1(line.mid(6).simplified());
    }
    return QStringLiteral("unknown");
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    prepareScreenApplication();
    QApplication app(argc, argv);
    const qint64 applicationMs = clock.elapsed();
    SimulatedController controller;
    PositionerData* positioner = PositionerData::getInstance();
    positioner->setMaxAuxjNum(2);
    const qint64 libraryMs = clock.elapsed();
    ScreenWindow window(*positioner, {});
    const qint64 builtMs = clock.elapsed();
    PaintClock windowPainted(clock);
    window.installEventFilter(&windowPainted);
    window.resize(1024, 768);
    window.show();
    while (windowPainted.paintedMs.empty() && clock.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const double startupMs = windowPainted.paintedMs.empty() ? -1.0 : windowPainted.paintedMs.front();

    // The user frame's three marks, taught through the panel and the screen.
    const auto find = [&](const char* name) { return window.findChild<QWidget*>(QLatin1String(name)); };
    static_cast<QSpinBox*>(find("jog1"))->setValue(30);
    for (int k = 0; k < 3; ++k) {
        static_cast<QComboBox*>(find("mark"))->setCurrentIndex(1 + k);
        static_cast<QAbstractButton*>(find("touch"))->click();
        static_cast<QAbstractButton*>(find(QStringLiteral("teach%1").arg(7 + k).toLatin1().constData()))->click();
    }

    controller.controller().setAnswering(QStringLiteral("ipos.calculate_user"), false);
    PaintClock busyPainted(clock);
    find("busy")->installEventFilter(&busyPainted);
    const double waitStart = double(clock.nsecsElapsed()) / 1e6;
    static_cast<QAbstractButton*>(find("calculate2"))->click();
    const double waitMs = double(clock.nsecsElapsed()) / 1e6 - waitStart;

    // The indicator alone, as long, in the application's event loop.
    auto* busy = static_cast<BusyIndicator*>(find("busy"));
    PaintClock alonePainted(clock);
    busy->installEventFilter(&alonePainted);
    busy->removeEventFilter(&busyPainted);
    const double aloneStart = double(clock.nsecsElapsed()) / 1e6;
    busy->start();
    QEventLoop loop;
    QTimer::singleShot(int(waitMs), &loop, &QEventLoop::quit);
    loop.exec();
    busy->stop();

    QTextStream out(stdout);
    out << "screen_bench: start to first painted window " << QString::number(startupMs, 'f', 1)
        << " ms (target 500 ms, ratio " << QString::number(startupMs / 500.0, 'f', 2) << "): application "
        << applicationMs << " ms, library and simulation " << libraryMs << " ms, window built " << builtMs << " ms\n";
    Pacing waiting, alone;
    if (!pacingOf(busyPainted.paintedMs, waitStart, waiting) || !pacingOf(alonePainted.paintedMs, aloneStart, alone)) {
        out << "screen_bench: the busy indicator was painted " << busyPainted.paintedMs.size() << " and "
            << alonePainted.paintedMs.size() << " times; is there an X server?\n";
        PositionerData::destroy();
        return 1;
    }
    const auto line = [&out](const char* what, double during, double reference, double target) {
        out << "  " << what << QString::number(during, 'f', 1) << " ms (target " << target << ", ratio "
            << QString::number(during / target, 'f', 2) << "; alone " << QString::number(reference, 'f', 1)
            << " ms, ratio to it " << QString::number(during / reference, 'f', 2) << ")\n";
    };
    out << "screen_bench: busy indicator during an unanswered user-frame wait of "
        << QString::number(waitMs / 1000.0, 'f', 1) << " s: " << waiting.frames << " frames ("
        << alone.frames << " alone in the event loop)\n";
    line("median interval ", waiting.median, alone.median, 17);
    line("99th percentile ", waiting.p99, alone.p99, 25);
    line("longest gap     ", waiting.worst, alone.worst, 50);
    out << "  the longest gap came " << QString::number(waiting.worstAfter, 'f', 0) << " ms into the wait, "
        << QString::number(alone.worstAfter, 'f', 0) << " ms into the indicator's turn alone\n"
        << "screen_bench: resident memory " << residentMemory() << "\n";
    PositionerData::destroy();
    return 0;
}
