#include "eventwait.h"

#include "failurerecord.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace Positioner {

void processEventsFor(unsigned int ms)
{
    constexpr qint64 maxPassMs = 100;
    constexpr qint64 sleepSliceNs = 1000 * 1000;

    const QDeadlineTimer deadline(static_cast<qint64>(ms), Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        const Diagnostics::HostHandlers handlers;
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        static_cast<int>(std::min(deadline.remainingTime(), maxPassMs)));
        const qint64 leftNs = deadline.remainingTimeNSecs();
        if (leftNs > 0)
            std::this_thread::sleep_for(std::chrono::nanoseconds(std::min(leftNs, sleepSliceNs)));
    }
}

}  // namespace Positioner
