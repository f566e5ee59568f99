// The advisor's prediction beside the errors the simulated controller really
// makes on the simulated cell (medians of 200 noisy calibrations of axis 2, or
// of the user frame, per setting), and the time one assessment takes, beside
// its goal of 1 ms: it is meant to run after every taught point.
#include "advisortrials.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

namespace {

void printPredictionTable(double sigma)
{
    const int runs = 200;
    std::printf("Axis frame errors with touches off by %.2f mm (medians of %d calibrations each)\n", sigma, runs);
    std::printf("%6s %7s | %10s %10s %6s | %10s %10s %6s | %5s\n", "arc", "radius", "pos pred", "pos seen",
                "ratio", "deg pred", "deg seen", "ratio", "poor");
    unsigned int seed = 1;
    double worst = 1.0;
    for (double arc : {10.0, 15.0, 20.0, 30.0, 45.0, 90.0, 135.0, 180.0}) {
        for (double radius : {100.0, 400.0, 800.0}) {
            const advisortrials::Outcome o = advisortrials::runAxis({arc, radius}, sigma, runs, seed++);
            const double position = o.predictedPosition / o.observedPosition;
            const double angle = o.predictedAngle / o.observedAngle;
            if (arc >= 20.0) {
                for (double ratio : {position, angle})
                    worst = std::max({worst, ratio, 1.0 / ratio});
            }
            std::printf("%6.0f %7.0f | %10.3f %10.3f %6.2f | %10.4f %10.4f %6.2f | %3d%%\n", arc, radius,
                        o.predictedPosition, o.observedPosition, position, o.predictedAngle, o.observedAngle, angle,
                        100 * o.poor / o.runs);
        }
    }
    std::printf("worst factor between prediction and observation from 20 degrees up: %.2f (goal: at most 1.5)\n\n",
                worst);
}

void printUserFrameTable(double sigma)
{
    struct Marks
    {
        const char* name;
        Eigen::Vector3d at[3];
    };
    const Marks triangles[] = {
        {"marks 120 and 90 mm apart", {{0, 0, 0}, {120, 0, 0}, {40, 90, 0}}},
        {"marks 400 and 300 mm apart", {{0, 0, 0}, {400, 0, 0}, {100, 300, 0}}},
        {"third mark 4 mm off the line", {{0, 0, 0}, {120, 0, 0}, {60, 4, 0}}},
        {"second mark 10 mm from the first", {{0, 0, 0}, {10, 0, 0}, {-50, 150, 0}}},
    };
    std::printf("User frame errors with touches off by %.2f mm (medians of 200 calibrations each)\n", sigma);
    std::printf("%-34s | %8s %8s %6s | %8s %8s %6s | %5s\n", "", "pos pred", "pos seen", "ratio", "deg pred",
                "deg seen", "ratio", "poor");
    unsigned int seed = 100;
    for (const Marks& marks : triangles) {
        const advisortrials::Outcome o = advisortrials::runUserFrame(marks.at, sigma, 200, seed++);
        std::printf("%-34s | %8.3f %8.3f %6.2f | %8.4f %8.4f %6.2f | %3d%%\n", marks.name, o.predictedPosition,
                    o.observedPosition, o.predictedPosition / o.observedPosition, o.predictedAngle, o.observedAngle,
                    o.predictedAngle / o.observedAngle, 100 * o.poor / o.runs);
    }
    std::printf("\n");
}

void printAssessmentTime()
{
    PositionerAdvisor::CalibrationPoints points;
    points.teachStatus = 0x1ff;
    const double marks[9][3] = {{150, 0, 400},  {0, 150, 400},  {-150, 0, 400}, {160, 0, 300}, {159.4, 13.9, 300},
                                {157.6, 27.8, 300}, {0, 0, 0}, {120, 0, 0},    {40, 90, 0}};
    for (int n = 0; n < 9; ++n)
        std::copy(marks[n], marks[n] + 3, points.points[n].values);

    const int rounds = 3000;
    volatile double sink = 0.0;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r)
        sink = sink + PositionerAdvisor::assessGroup(points, r % 3).positionError;
    const double us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / rounds;
    std::printf("One assessment: %.1f us (goal: under 1000 us, %.0fx below it)\n", us, 1000.0 / us);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    printAssessmentTime();
    printPredictionTable(0.1);
    printPredictionTable(0.05);
    printUserFrameTable(0.1);
    return 0;
}
