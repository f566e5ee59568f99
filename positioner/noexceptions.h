// The library reports every failure by an operation's result: an exception,
// above all an allocation that cannot be met on a huge input, never reaches the
// host. Operations that handle files or long texts run their work through this.
#pragma once

#include "failurerecord.h"

#include <cerrno>

namespace Positioner {

// work()'s result, or failure when it throws. The work changes the caller's
// state only once it cannot fail any more, so nothing is left half-done.
template <typename Result, typename Work>
Result orFailure(Result failure, Work work) noexcept
{
    try {
        return work();
    } catch (...) {
        // Whatever threw, above all an allocation that could not be met; the
        // reason is recorded without allocating anything more.
        Diagnostics::record(Diagnostics::Step::OutOfMemory).systemError = ENOMEM;
        return failure;
    }
}

}  // namespace Positioner
