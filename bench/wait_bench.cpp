// How the library's wait shares the host's thread: while delay_MSec waits
// 1.6 s, another thread posts an event every 10 ms to an object of the host's
// thread. Printed: the wait's CPU time as a share of its wall time, and how
// long the posted events waited to be handled.
//
// Then what the success paths of the waits and the teaching checks allocate,
// now that every operation keeps a reason for its failure: counted on the
// host's thread by standing in for malloc, per call, beside the bare wait.
#include <positionerdata.h>
#include <rtmcore/rtmcustomrvar.h>

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

// Every allocation of this process, Qt's and the library's included, goes
// through these; only those of the thread that counts are counted.
extern "C" void* __libc_malloc(size_t size);
extern "C" void* __libc_calloc(size_t count, size_t size);
extern "C" void* __libc_realloc(void* pointer, size_t size);

namespace {
thread_local bool counting = false;
thread_local long allocations = 0;
}  // namespace

extern "C" void* malloc(size_t size)
{
    allocations += counting;
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size)
{
    allocations += counting;
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, size_t size)
{
    allocations += counting;
    return __libc_realloc(pointer, size);
}

namespace {

using Clock = std::chrono::steady_clock;

// Allocations per call of `call`, over `calls` calls after one to warm up.
template <typename Call>
double allocationsPerCall(int calls, Call call)
{
    call();
    allocations = 0;
    counting = true;
    for (int k = 0; k < calls; ++k)
        call();
    counting = false;
    return double(allocations) / calls;
}

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
    receiver.delaysMs.clear();
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

    // Success paths: a clear that finds none pending (the wait's first poll,
    // then one round), and a point that passes every check against two taught
    // points of its group. The bare wait of one round is the yardstick.
    positioner = PositionerData::getInstance();
    positioner->setPositionerID(0);
    positioner->setMaxAuxjNum(2);
    positioner->parms[0].axes1Type = 1;
    positioner->parms[0].axes1Index = 0;
    rtmCustomRvarInt("ipos.teachstatus", 1) = 0b011;
    rtmCustomRvarRealVect externalAxes("iauxj.auxcurrentposition", 6, 1);
    for (int n = 1; n <= 2; ++n) {
        externalAxes.setValue(0, 40.0 * n);
        positioner->teachPoint(n);
    }
    externalAxes.setValue(0, 120.0);
    positioner->teachedPoints[0].values[0] = 100.0;
    positioner->teachedPoints[1].values[0] = 200.0;
    const int teachResult = positioner->teachPoint(3);
    const double bare = allocationsPerCall(50, [&] { positioner->delay_MSec(16); });
    const double clear = allocationsPerCall(50, [&] { positioner->clearTeachedPoint(3); });
    const double teach = allocationsPerCall(1000, [&] { positioner->teachPoint(3); });
    // The counter's own check: a failure with the system's words allocates.
    const QString missing = QStringLiteral("/nonexistent/positionercalibframepar.xml");
    const double failed = allocationsPerCall(50, [&] { positioner->readPositionerFile(missing); });
    PositionerData::destroy();
    std::printf("allocations per call on success (teachPoint answers %d)\n", teachResult);
    std::printf("  delay_MSec(16)         %6.2f\n", bare);
    std::printf("  clearTeachedPoint      %6.2f   goal: no more than delay_MSec   %s\n", clear,
                clear <= bare ? "met" : "MISSED");
    std::printf("  teachPoint (accepted)  %6.2f   goal 0                         %s\n", teach,
                teach == 0.0 ? "met" : "MISSED");
    std::printf("  readPositionerFile of a missing file, failing: %.2f (the counter counts)\n", failed);
    return 0;
}
