// The library's one way of waiting for the controller: the host's events keep
// being processed, so its user interface stays alive, and the wait lasts as
// long as asked on a monotonic clock.
#pragma once

namespace Positioner {

// One polling round, in milliseconds.
constexpr unsigned int roundMs = 16;

// Waits ms milliseconds processing the host's events (at most 100 ms in one
// pass); between passes it sleeps for about a millisecond instead of spinning.
// With 0 it returns at once, without processing events.
void processEventsFor(unsigned int ms);

// Up to `rounds` rounds, each of which first asks done() and ends the wait when
// it holds, else waits one round. True when done() held.
template <typename Done>
bool pollRounds(int rounds, Done done)
{
    for (int round = 0; round < rounds; ++round) {
        if (done())
            return true;
        processEventsFor(roundMs);
    }
    return false;
}

}  // namespace Positioner
