// Any values the library may hold as taught points (NaN, infinities, huge or
// coinciding values, any teach status, axis count or number of external axes),
// with any touch noise and limits, must give a verdict and an explanation, never a crash, a sanitizer report,
// a verdict that contradicts its own numbers, a verdict better than the defaults give when a tolerance is
// garbage, or words that read nan or inf.
#include <groupassessment.h>
#include <pointexplanation.h>

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

bool inWords(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\b(nan|inf)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!text.contains(number))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
}

// A tolerance the advisor can take as it is.
bool usable(double value, bool positive)
{
    return positive ? std::isnormal(value) && value > 0.0 : std::isfinite(value) && value >= 0.0;
}

// Reads the input byte by byte; once it runs out, everything reads as 0.
class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    int integer() { return static_cast<std::int8_t>(byte()); }

    // Raw doubles alone would seldom hit the interesting values, so a tag
    // picks raw bits, a small integer, a special value or the value before.
    double value()
    {
        static const double special[] = {0.0,  std::numeric_limits<double>::quiet_NaN(),
                                         HUGE_VAL, -HUGE_VAL, DBL_MAX, -DBL_MAX, DBL_MIN, 5.0, 4.999, 2.0, 1e6,
                                         1e-7};
        switch (byte() % 4) {
        case 0: {
            std::uint64_t bits = 0;
            for (int k = 0; k < 8; ++k)
                bits = bits << 8 | byte();
            double raw;
            std::memcpy(&raw, &bits, sizeof raw);
            last_ = raw;
            break;
        }
        case 1:
            last_ = integer();
            break;
        case 2:
            last_ = special[byte() % (sizeof special / sizeof *special)];
            break;
        default:
            break;
        }
        return last_;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    double last_ = 0.0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace PositionerAdvisor;
    Input in(data, size);
    CalibrationPoints points;
    points.teachStatus = in.byte() | in.byte() << 8;
    points.axisCount = in.integer();
    points.maxAuxjNum = in.integer();
    points.positionerID = in.integer();
    points.axes1Index = in.integer();
    points.axes2Index = in.integer();
    Tolerances tolerances;
    tolerances.touchNoise = in.value();
    // Now and then a host's own limits, whatever they are.
    if (in.byte() == 'L') {
        for (double* limit : {&tolerances.goodPosition, &tolerances.poorPosition, &tolerances.goodAngle,
                              &tolerances.poorAngle, &tolerances.minArc, &tolerances.recommendedArc})
            *limit = in.value();
    }
    for (TeachedPoint& point : points.points) {
        for (double& value : point.values)
            value = in.value();
    }

    // The limits a verdict is judged by: the given ones where usable.
    const Tolerances defaults;
    const double goodPosition = usable(tolerances.goodPosition, false) ? tolerances.goodPosition
                                                                       : defaults.goodPosition;
    const double goodAngle = usable(tolerances.goodAngle, false) ? tolerances.goodAngle : defaults.goodAngle;
    // The same points with the default noise: garbage noise judges no better.
    Tolerances defaultNoise = tolerances;
    defaultNoise.touchNoise = defaults.touchNoise;

    for (int group = -1; group <= 3; ++group) {
        const GroupAssessment a = assessGroup(points, group, tolerances);
        if (!usable(tolerances.touchNoise, true)) {
            const GroupAssessment b = assessGroup(points, group, defaultNoise);
            check(a.verdict == b.verdict && a.touchNoise == b.touchNoise,
                  "garbage noise is judged as the default noise");
        }
        const bool incomplete = a.weakness == Weakness::NoSuchGroup || a.weakness == Weakness::NotTaught;
        check((a.verdict == Verdict::Incomplete) == incomplete, "only a missing group or point is incomplete");
        check(a.verdict == Verdict::Incomplete || a.solvable || a.verdict == Verdict::Poor,
              "a group the calculation cannot take is poor");
        check((a.verdict == Verdict::Good) == (a.weakness == Weakness::None), "only a good group has no weakness");
        check(!std::isnan(a.positionError) && !std::isnan(a.angleError) && !std::isnan(a.positionErrorHigh) &&
                  !std::isnan(a.angleErrorHigh),
              "predicted errors are numbers");
        if (a.verdict == Verdict::Good)
            check(a.positionError <= goodPosition && a.angleError <= goodAngle, "a good group keeps the good limits");
        check(a.positionErrorHigh >= a.positionError && a.angleErrorHigh >= a.angleError,
              "the high error is at least the typical one");
        check(!describe(a).isEmpty(), "every assessment is described");
        check(inWords(describe(a)) && inWords(advise(a)), "an assessment's words hold no nan or inf");
    }

    const int n = in.integer() % 12;
    const int result = in.integer() % 6 - 4;
    const PointExplanation e = explainTeachResult(points, n, result);
    check(e.comparedWith == 0 || ((e.comparedWith - 1) / 3 == (n - 1) / 3 && e.comparedWith != n &&
                                  points.isTaught(e.comparedWith)),
          "a refusal names another taught point of the same group");
    check(result != 1 || n < 1 || n > 9 || e.check == TeachCheck::Accepted, "1 is an acceptance");
    check(!describe(e).isEmpty(), "every result is described");
    check(inWords(describe(e)) && inWords(advise(e)), "an explanation's words hold no nan or inf");
    return 0;
}
