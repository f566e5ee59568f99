// The tool reads a file the library wrote just as the library reads it back,
// and finds nothing wrong with it, whatever the robot's axis count.
#include "simfixture.h"

#include <commands.h>

#include <algorithm>
#include <vector>

namespace {

using ToolAgreement = PositionerCell;

void setFrame(double* frame, std::initializer_list<double> values)
{
    std::copy(values.begin(), values.end(), frame);
}

TEST_F(ToolAgreement, ReadsWhatTheLibraryWritesAsTheLibraryReadsIt)
{
    for (const int axisCount : {6, 4, 0}) {
        sim::Robot::instance().setAxisCount(axisCount);
        PositionerParm* p = d->parms;
        p[0].axes1Type = 2;
        p[0].axes1Index = 0;
        p[0].axes2Type = 1;
        p[0].axes2Index = 1;
        setFrame(p[0].axes1Frame, {1200.5, -300.25, 400, 30, 0, -0.00004});
        setFrame(p[0].userFrame, {1e6, -1e-4, 0.5, -180, 90, 179.9999});
        // Axis 2 not in use: its index is not kept.
        p[1].axes1Type = 7;
        p[1].axes1Index = 3;
        p[1].axes2Index = 5;
        setFrame(p[1].axes2FrameToBase, {1.23456, 2, 3, 4, 5, 6});
        // Only axis 2 in use.
        p[2].axes2Type = 1;
        p[2].axes2Index = 2;
        setFrame(p[2].axes2Frame, {-1, -2, -3, -4, -5, -6});

        const QString path = positionerDir() + "/positionercalibframepar.xml";
        ASSERT_TRUE(d->writePositionerFile(path));
        ASSERT_TRUE(d->readPositionerFile(path));
        tool::CalibrationXml xml;
        ASSERT_EQ(xml.load(path), tool::CalibrationXml::Status::Ok);

        EXPECT_TRUE(tool::checkCalibration(xml, axisCount).isEmpty()) << "axis count " << axisCount;
        const tool::Records records = tool::readRecords(xml, axisCount);
        for (int i = 0; i < 10; ++i) {
            const tool::Record& r = records[std::size_t(i)];
            EXPECT_TRUE(r.hasEntry);
            EXPECT_EQ((std::vector<int>{r.axes1Type, r.axes1Index, r.axes2Type, r.axes2Index}),
                      (std::vector<int>{p[i].axes1Type, p[i].axes1Index, p[i].axes2Type, p[i].axes2Index}))
                << "record " << i;
            const std::pair<const tool::Frame&, const double*> frames[] = {
                {r.axes1Frame, p[i].axes1Frame}, {r.axes2Frame, p[i].axes2Frame},
                {r.axes2FrameToBase, p[i].axes2FrameToBase}, {r.userFrame, p[i].userFrame}};
            for (const auto& frame : frames)
                EXPECT_TRUE(std::equal(frame.first.begin(), frame.first.end(), frame.second)) << "record " << i;
        }
    }
}

}  // namespace
