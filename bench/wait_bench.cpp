// How the library's wait shares the host's thread: while delay_MSec waits
// 1.6 s, another thread posts an event every 10 ms to an object of the host's
// thread. Printed: the wait's CPU time as a share of its wall time, and how
// long the posted events waited to be handled.
#include <positionerdata.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class StampedEvent : public QEvent
{
public:
    explicit StampedEvent(Clock::time_point posted) : QEvent(QEvent::User), posted(posted) {}
    Clock::time_point posted;
};

class Receiver : public QObject
{
public:
    std::vector<double> delaysMs;

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const auto posted = static_cast<StampedEvent*>(event)->posted;
        delaysMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - posted).count());
        return true;
    }
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PositionerData* positioner = PositionerData::getInstance();
    Receiver receiver;

    std::atomic<bool> running{true};
    std::thread poster([&] {
        auto due = Clock::now();
        while (running) {
            due += std::chrono::milliseconds(10);
            std::this_thread::sleep_until(due);
            QCoreApplication::postEvent(&receiver, new StampedEvent(Clock::now()));
        }
    });

    QElapsedTimer wall;
    const double cpuStart = threadCpuMs();
    wall.start();
    positioner->delay_MSec(1600);
    const double wallMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    const double cpuMs = threadCpuMs() - cpuStart;

    running = false;
    poster.join();
    PositionerData::destroy();

    std::vector<double> delays = receiver.delaysMs;
    std::sort(delays.begin(), delays.end());
    const double median = delays.empty() ? 0.0 : delays[delays.size() / 2];
    const double worst = delays.empty() ? 0.0 : delays.back();
    const double cpuShare = cpuMs / wallMs;

    std::printf("delay_MSec(1600): wall %.1f ms, %zu events handled\n", wallMs, delays.size());
    std::printf("  CPU time / wall time   %6.2f %%   goal < 5 %%    %s\n", 100.0 * cpuShare,
                cpuShare < 0.05 ? "met" : "MISSED");
    std::printf("  event delay, median    %6.3f ms  goal < 2 ms   %s\n", median,
                median < 2.0 ? "met" : "MISSED");
    std::printf("  event delay, worst     %6.3f ms  goal < 2 ms   %s\n", worst,
                worst < 2.0 ? "met" : "MISSED");
    std::printf("  wall time / asked      %6.3f\n", wallMs / 1600.0);
    return 0;
}
