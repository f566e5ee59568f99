// Work measured in a child process of its own, so that no heap or mapping the
// benchmark left behind lends it memory or time: the fastest of the runs and
// the largest peak resident size.
#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct Measure
{
    double seconds = 1e300;
    double peakMb = 0;
};

// A child whose work fails reports it.
inline Measure inChild(int runs, const std::function<bool()>& work)
{
    Measure m;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        const pid_t child = fork();
        if (child == 0)
            _exit(work() ? 0 : 1);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        m.seconds = std::min(m.seconds, timer.nsecsElapsed() / 1e9);
        m.peakMb = std::max(m.peakMb, usage.ru_maxrss / 1024.0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::fprintf(stderr, "a run failed\n");
    }
    return m;
}
