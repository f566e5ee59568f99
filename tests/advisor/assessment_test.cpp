// Judging a group of three points before the calculation: the geometry it
// reports, its verdict and what it advises, for sound, weak, degenerate and
// garbage groups.
#include <groupassessment.h>

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using PositionerAdvisor::Verdict;
using PositionerAdvisor::Weakness;

constexpr double pi = 3.14159265358979323846;

struct Xyz
{
    double x, y, z;
};

// The marker on a circle of the radius about the z axis, at three angles.
std::vector<Xyz> onCircle(double radius, double a1, double a2, double a3)
{
    std::vector<Xyz> points;
    for (double a : {a1, a2, a3}) {
        const double r = a * pi / 180.0;
        points.push_back({radius * std::cos(r), radius * std::sin(r), 400.0});
    }
    return points;
}

PositionerAdvisor::CalibrationPoints pointsOf(int group, const std::vector<Xyz>& xyz, int axisCount = 6)
{
    PositionerAdvisor::CalibrationPoints points;
    points.axisCount = axisCount;
    for (std::size_t i = 0; i < xyz.size(); ++i) {
        const int n = 3 * group + static_cast<int>(i) + 1;
        double* values = points.points[n - 1].values;
        values[0] = xyz[i].x;
        values[1] = xyz[i].y;
        values[2] = xyz[i].z;
        // Orientation and external axes that the geometry must not read.
        values[3] = 180.0;
        values[6] = 1000.0 * static_cast<double>(i);
        points.teachStatus |= 1 << (n - 1);
    }
    return points;
}

struct Case
{
    const char* name;
    int group;
    std::vector<Xyz> xyz;
    Verdict verdict;
    Weakness weakness;
};

TEST(Assessment, JudgesTheGroupsGeometry)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"half a turn", 0, onCircle(150, 0, 90, 180), Verdict::Good, Weakness::None},
        {"a sixth of a turn", 1, onCircle(400, 10, 40, 70), Verdict::Marginal, Weakness::NarrowArc},
        {"ten degrees", 0, onCircle(150, 0, 5, 10), Verdict::Poor, Weakness::NarrowArc},
        {"wide arc close to the axis", 1, onCircle(15, 0, 120, 240), Verdict::Marginal, Weakness::NearAxis},
        {"on one line", 0, {{0, 0, 0}, {50, 0, 0}, {100, 0, 0}}, Verdict::Poor, Weakness::Degenerate},
        {"two points coincide", 1, {{0, 0, 0}, {50, 0, 0}, {50, 0, 0}}, Verdict::Poor, Weakness::Degenerate},
        {"not a number", 0, {{0, 0, 0}, {nan, 0, 0}, {0, 50, 0}}, Verdict::Poor, Weakness::BadValues},
        {"out of reach", 1, {{0, 0, 0}, {1e300, 0, 0}, {0, 50, 0}}, Verdict::Poor, Weakness::BadValues},
        {"user frame, a good triangle", 2, {{0, 0, 0}, {300, 0, 0}, {100, 250, 0}}, Verdict::Good, Weakness::None},
        {"user frame, a small triangle", 2, {{0, 0, 0}, {60, 0, 0}, {20, 45, 0}}, Verdict::Marginal,
         Weakness::SmallTriangle},
        {"user frame, third point near the line", 2, {{0, 0, 0}, {120, 0, 0}, {60, 3, 0}}, Verdict::Poor,
         Weakness::ThirdPointNearLine},
        {"user frame, short x side", 2, {{0, 0, 0}, {8, 0, 0}, {0, 200, 0}}, Verdict::Poor, Weakness::ShortXSide},
        {"user frame on one line", 2, {{0, 0, 0}, {120, 0, 0}, {240, 0, 0}}, Verdict::Poor, Weakness::Degenerate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto a = PositionerAdvisor::assessGroup(pointsOf(c.group, c.xyz), c.group);
        EXPECT_EQ(a.verdict, c.verdict) << a.positionError << " mm, " << a.angleError << " deg";
        EXPECT_EQ(a.weakness, c.weakness);
        EXPECT_EQ(a.solvable, c.weakness != Weakness::Degenerate && c.weakness != Weakness::BadValues);
        EXPECT_EQ(std::isinf(a.positionError), !a.solvable);
        EXPECT_EQ(PositionerAdvisor::advise(a).isEmpty(), c.verdict == Verdict::Good);
    }
}

TEST(Assessment, ReportsTheCircleAndTheTriangle)
{
    const auto axis = PositionerAdvisor::assessGroup(pointsOf(0, onCircle(150, 30, 60, 150)), 0);
    EXPECT_NEAR(axis.radius, 150.0, 1e-9);
    EXPECT_NEAR(axis.arc, 120.0, 1e-9);
    EXPECT_NEAR(axis.centre[2], 400.0, 1e-9);
    EXPECT_NEAR(axis.normal[2], 1.0, 1e-12);
    // Taught backwards, the same arc; the normal follows the order.
    const auto backwards = PositionerAdvisor::assessGroup(pointsOf(0, onCircle(150, 150, 60, 30)), 0);
    EXPECT_NEAR(backwards.arc, 120.0, 1e-9);
    EXPECT_NEAR(backwards.normal[2], -1.0, 1e-12);

    const auto user = PositionerAdvisor::assessGroup(pointsOf(2, {{0, 0, 0}, {120, 0, 0}, {0, 50, 0}}), 2);
    EXPECT_NEAR(user.shortestSide, 50.0, 1e-9);
    EXPECT_NEAR(user.offLine, 50.0, 1e-9);
    EXPECT_NEAR(user.smallestAngle, std::atan2(50.0, 120.0) * 180.0 / pi, 1e-9);
}

TEST(Assessment, ReadsOnlyThePointsThatCountAndOnlyCartesianValues)
{
    auto points = pointsOf(0, onCircle(150, 0, 90, 180));
    points.teachStatus &= ~0x2;
    const auto missing = PositionerAdvisor::assessGroup(points, 0);
    EXPECT_EQ(missing.verdict, Verdict::Incomplete);
    EXPECT_EQ(missing.missingPoint, 2);
    EXPECT_EQ(PositionerAdvisor::assessGroup(points, 3).weakness, Weakness::NoSuchGroup);

    // A robot of two axes: the third value is an external axis, not z.
    auto flat = pointsOf(0, onCircle(150, 0, 90, 180), 2);
    for (int n = 1; n <= 3; ++n)
        flat.points[n - 1].values[2] = 500.0 * n;
    EXPECT_NEAR(PositionerAdvisor::assessGroup(flat, 0).centre[2], 0.0, 1e-9);
}

TEST(Assessment, PredictsMoreErrorForMoreNoise)
{
    PositionerAdvisor::Tolerances quiet;
    quiet.touchNoise = 0.05;
    PositionerAdvisor::Tolerances shaky;
    shaky.touchNoise = 0.2;
    const auto points = pointsOf(0, onCircle(150, 0, 45, 90));
    const auto a = PositionerAdvisor::assessGroup(points, 0, quiet);
    const auto b = PositionerAdvisor::assessGroup(points, 0, shaky);
    // Small errors grow in proportion to the noise.
    EXPECT_NEAR(b.positionError / a.positionError, 4.0, 0.2);
    EXPECT_NEAR(b.angleError / a.angleError, 4.0, 0.2);
    EXPECT_GT(a.positionErrorHigh, a.positionError);
}

// A tolerance that is no usable number counts as its default: a 5 mm circle
// and a 3 mm triangle are judged as the default noise and limits judge them.
TEST(Assessment, GarbageTolerancesJudgeNoBetterThanTheDefaults)
{
    using PositionerAdvisor::Tolerances;
    const double inf = std::numeric_limits<double>::infinity();
    const double denormal = std::numeric_limits<double>::denorm_min();
    const struct
    {
        double Tolerances::*field;
        std::vector<double> garbage;
    } rows[] = {
        {&Tolerances::touchNoise, {-0.1, 0.0, denormal, -denormal, inf, -inf, std::nan("")}},
        {&Tolerances::goodPosition, {-1.0, inf, std::nan("")}},
        {&Tolerances::poorPosition, {-1.0, inf, std::nan("")}},
        {&Tolerances::goodAngle, {-1.0, inf, std::nan("")}},
        {&Tolerances::poorAngle, {-1.0, inf, std::nan("")}},
        {&Tolerances::minArc, {-1.0, inf, std::nan("")}},
        {&Tolerances::recommendedArc, {-1.0, inf, std::nan("")}},
    };
    const std::pair<int, std::vector<Xyz>> groups[] = {{0, onCircle(5, 0, 120, 240)},
                                                       {2, {{0, 0, 0}, {3, 0, 0}, {1, 2.5, 0}}}};
    for (const auto& [group, xyz] : groups) {
        const auto points = pointsOf(group, xyz);
        const auto byDefault = PositionerAdvisor::assessGroup(points, group);
        ASSERT_NE(byDefault.verdict, Verdict::Good) << group;
        for (const auto& row : rows) {
            for (const double garbage : row.garbage) {
                Tolerances tolerances;
                tolerances.*row.field = garbage;
                const auto a = PositionerAdvisor::assessGroup(points, group, tolerances);
                SCOPED_TRACE(testing::Message() << "group " << group << ", " << garbage);
                EXPECT_EQ(a.verdict, byDefault.verdict);
                EXPECT_EQ(a.weakness, byDefault.weakness);
                EXPECT_EQ(a.touchNoise, byDefault.touchNoise);
                EXPECT_EQ(PositionerAdvisor::advise(a), PositionerAdvisor::advise(byDefault));
            }
        }
    }
}

// Also numbers the host filled in itself are said in words, never as nan, and
// the group at the top of int is named without overflow.
TEST(Assessment, SaysItInWords)
{
    QLocale::setDefault(QLocale::c());
    const auto assessed = PositionerAdvisor::assessGroup(pointsOf(0, onCircle(150, 0, 5, 10)), 0);
    const QString text = PositionerAdvisor::describe(assessed);
    EXPECT_TRUE(text.startsWith("Positioner axis 1: the points span 10.0 degrees of a circle of radius 150.0 mm."))
        << qPrintable(text);
    EXPECT_TRUE(text.endsWith("Verdict: poor.")) << qPrintable(text);
    EXPECT_EQ(PositionerAdvisor::advise(assessed),
              "Spread the points at least 90 degrees apart: turn positioner axis 1 further between them.");

    PositionerAdvisor::GroupAssessment a;
    a.group = std::numeric_limits<int>::max();
    a.verdict = Verdict::Poor;
    a.weakness = Weakness::NarrowArc;
    a.recommendedArc = std::nan("");
    EXPECT_EQ(PositionerAdvisor::advise(a),
              "Spread the points at least 90 degrees apart: turn positioner axis 2147483648 further between them.");
    EXPECT_TRUE(PositionerAdvisor::describe(a).startsWith("Positioner axis 2147483648:"));
    EXPECT_EQ(PositionerAdvisor::describe(PositionerAdvisor::assessGroup({}, a.group)),
              "There is no group 2147483647 of calibration points.");
}

}  // namespace
