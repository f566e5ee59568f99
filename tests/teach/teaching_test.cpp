// Teaching calibration points: capture, the plausibility checks, clearing.
#include "golden.h"
#include "simfixture.h"

#include <QTimer>

#include <vector>

namespace {

class Teaching : public PositionerCell
{
protected:
    rtmCustomRvarRealVect external{"iauxj.auxcurrentposition", 6, 1};
    rtmCustomRvarInt teachStatusVar{"ipos.teachstatus", 1};

    void SetUp() override
    {
        PositionerCell::SetUp();
        d->setPositionerID(0);
    }

    // The robot at pose (the rest 0), the external axes at values (the rest 0).
    void moveTo(const std::vector<double>& pose, const std::vector<double>& values)
    {
        double p[6] = {};
        std::copy(pose.begin(), pose.end(), p);
        sim::Robot::instance().setPose(p[0], p[1], p[2], p[3], p[4], p[5]);
        for (int k = 0; k < 6; ++k)
            external.setValue(k, k < int(values.size()) ? values[std::size_t(k)] : 0.0);
    }
};

// A point as the data file gives it: "n;pose;external axes".
struct Point
{
    int n;
    std::vector<double> pose;
    std::vector<double> external;

    explicit Point(const QString& text)
    {
        const QStringList part = text.trimmed().split(';');
        n = part.value(0).toInt();
        for (const QString& value : part.value(1).split(','))
            pose.push_back(value.toDouble());
        for (const QString& value : part.value(2).split(','))
            external.push_back(value.toDouble());
    }
};

TEST_F(Teaching, PlausibilityChecksAtTheirEdges)
{
    rtmCustomRvarInt pointIndex("ipos.pointindex", 1);
    int rows = 0;
    for (const QString& row : QString::fromUtf8(goldenFile("plausibility.txt")).split('\n')) {
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        SCOPED_TRACE(row.toStdString());
        const QStringList field = row.split('|');
        const QStringList numbers = field.value(2).simplified().split(' ');
        ASSERT_EQ(numbers.size(), 4);
        ++rows;
        const Point earlier(field[0]), point(field[1]);
        const int axisIndex = numbers[0].toInt();
        d->maxAuxjNum = numbers[1].toInt();
        // The other axis of the positioner is one that never moves here.
        d->parms[0].axes1Index = point.n <= 3 ? axisIndex : 5;
        d->parms[0].axes2Index = point.n <= 3 ? 5 : axisIndex;
        TeachedPoint taught;
        std::copy(earlier.pose.begin(), earlier.pose.end(), taught.values);
        std::copy(earlier.external.begin(), earlier.external.end(), taught.values + 6);
        d->teachedPoints[earlier.n - 1] = taught;
        teachStatusVar = 1 << (earlier.n - 1);
        moveTo(point.pose, point.external);

        const WriteLog writes;
        const int code = numbers[2].toInt();
        EXPECT_EQ(d->teachPoint(point.n), code);
        EXPECT_EQ(d->checkAuxjIdRun(point.n, axisIndex), numbers[3].toInt());
        const QStringList requested = {QStringLiteral("ipos.pointindex=%1").arg(point.n), "ipos.bteachpoint=true"};
        EXPECT_EQ(writes.entries(), code == 1 ? requested : QStringList());
        EXPECT_EQ(d->teachStatus, (1 << (earlier.n - 1)) | (1 << (point.n - 1)));
        d->teachedPoints[point.n - 1] = TeachedPoint();
    }
    EXPECT_EQ(rows, 27);
}

// Where the values of a taught point come from, with the robot at 1..6, the
// external axes at 10..15 and the slave robot's axes at 21, 22.
TEST_F(Teaching, CaptureLayout)
{
    const double untouched = 99;
    const struct
    {
        int axisCount;
        bool slave;
        int maxAuxjNum;
        std::vector<double> values;
    } cases[] = {
        {6, false, 2, {1, 2, 3, 4, 5, 6, 10, 11, 99, 99, 99, 99}},
        {6, false, 6, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
        {6, false, 40, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
        {6, false, 0, {1, 2, 3, 4, 5, 6, 99, 99, 99, 99, 99, 99}},
        {6, true, 4, {1, 2, 3, 4, 5, 6, 21, 22, 99, 99, 99, 99}},
        {4, false, 2, {1, 2, 3, 4, 10, 11, 99, 99, 99, 99, 99, 99}},
        {4, true, 2, {1, 2, 3, 4, 21, 22, 99, 99, 99, 99, 99, 99}},
        {-2, false, 2, {10, 11, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99}},
        {9, false, 6, {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15}},
    };
    rtmCustomRvarRealVect slaveAxes("ipos.axespos", 2, 1);
    slaveAxes.setValue(0, 21);
    slaveAxes.setValue(1, 22);
    moveTo({1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15});
    for (const auto& c : cases) {
        sim::Robot::instance().setAxisCount(c.axisCount);
        rtmCustomRvarBool("ipos.enable_slave_robot", 1) = c.slave;
        d->maxAuxjNum = c.maxAuxjNum;
        std::fill(std::begin(d->teachedPoints[0].values), std::end(d->teachedPoints[0].values), untouched);
        ASSERT_EQ(d->teachPoint(1), 1);
        EXPECT_EQ(std::vector<double>(std::begin(d->teachedPoints[0].values), std::end(d->teachedPoints[0].values)),
                  c.values)
            << c.axisCount << " axes, slave " << c.slave << ", " << c.maxAuxjNum << " external";
        EXPECT_EQ(d->teachedPoints[1].values[0], 0.0);
    }
}

TEST_F(Teaching, ARejectedPointStaysCapturedButCountsOnlyWhenReported)
{
    moveTo({0}, {0});
    ASSERT_EQ(d->teachPoint(1), 1);
    teachStatusVar = 0x1;
    moveTo({2}, {10});
    EXPECT_EQ(d->teachPoint(2), -1);
    EXPECT_EQ(d->teachedPoints[1].values[0], 2.0);
    EXPECT_EQ(d->teachedPoints[1].values[6], 10.0);
    EXPECT_EQ(d->teachStatus, 0x3);
    // The controller never took point 2, so point 3 is compared with point 1 alone.
    moveTo({5}, {10.5});
    EXPECT_EQ(d->teachPoint(3), 1);
    EXPECT_EQ(d->teachStatus, 0x5);
}

// The copy is zeroed at once and the bit stays; the request names the point
// cleared, whatever a handler teaches while a pending clear is waited for.
TEST_F(Teaching, ClearingRequestsItsOwnPoint)
{
    rtmCustomRvarBool clearRequest("ipos.bclearpoint", 1);
    rtmCustomRvarInt pointIndex("ipos.pointindex", 1);
    moveTo({100}, {10, 20});
    ASSERT_EQ(d->teachPoint(5), 1);
    teachStatusVar = 0x10;
    clearRequest = true;
    QTimer::singleShot(20, [&] {
        EXPECT_EQ(d->teachPoint(7), 1);
        clearRequest = false;
    });
    d->clearTeachedPoint(5);
    EXPECT_EQ(int(pointIndex), 5);
    EXPECT_TRUE(bool(clearRequest));
    for (double value : d->teachedPoints[4].values)
        EXPECT_EQ(value, 0.0);
    EXPECT_EQ(d->teachedPoints[6].values[0], 100.0);
    EXPECT_EQ(d->teachStatus, 0x50);
}

}  // namespace
