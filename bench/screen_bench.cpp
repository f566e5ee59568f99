// The reference screen as the operator sees it: how soon its window is painted,
// how evenly the busy indicator moves while the library waits the whole 16 s
// for a user frame the controller never calculates, and how much memory the
// screen takes. Run it in an X server (make bench starts one).
#include <calibrationscreen.h>
#include <positionerdata.h>
#include <screenwindow.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QSpinBox>
#include <QTextStream>

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

    QTextStream out(stdout);
    std::vector<double> intervals;
    for (std::size_t k = 1; k < busyPainted.paintedMs.size(); ++k)
        intervals.push_back(busyPainted.paintedMs[k] - busyPainted.paintedMs[k - 1]);
    out << "screen_bench: start to first painted window " << QString::number(startupMs, 'f', 1)
        << " ms (target 500 ms, ratio " << QString::number(startupMs / 500.0, 'f', 2) << "): application "
        << applicationMs << " ms, library and simulation " << libraryMs << " ms, window built " << builtMs << " ms\n";
    if (intervals.size() < 2) {
        out << "screen_bench: the busy indicator was painted " << busyPainted.paintedMs.size()
            << " times during the wait; is there an X server?\n";
        PositionerData::destroy();
        return 1;
    }
    const double median = percentile(intervals, 0.5);
    const double p99 = percentile(intervals, 0.99);
    const auto worstAt = std::max_element(intervals.begin(), intervals.end());
    const double worst = *worstAt;
    const double worstAfter = busyPainted.paintedMs[std::size_t(worstAt - intervals.begin())] - waitStart;
    out << "screen_bench: busy indicator during an unanswered user-frame wait of "
        << QString::number(waitMs / 1000.0, 'f', 1) << " s: " << busyPainted.paintedMs.size() << " frames\n"
        << "  median interval " << QString::number(median, 'f', 1) << " ms (target 17, ratio "
        << QString::number(median / 17.0, 'f', 2) << ")\n"
        << "  99th percentile " << QString::number(p99, 'f', 1) << " ms (target 25, ratio "
        << QString::number(p99 / 25.0, 'f', 2) << ")\n"
        << "  longest gap     " << QString::number(worst, 'f', 1) << " ms (target 50, ratio "
        << QString::number(worst / 50.0, 'f', 2) << "), " << QString::number(worstAfter, 'f', 0)
        << " ms into the wait\n"
        << "screen_bench: resident memory " << residentMemory() << "\n";
    PositionerData::destroy();
    return 0;
}
