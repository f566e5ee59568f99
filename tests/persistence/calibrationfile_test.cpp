// Writing and reading the calibration file.
#include "golden.h"
#include "simfixture.h"

#include <gmock/gmock.h>

#include <cstring>
#include <limits>

using ::testing::ElementsAre;

namespace {

class CalibrationFile : public PositionerCell
{
protected:
    QString path;

    void SetUp() override
    {
        PositionerCell::SetUp();
        path = positionerDir() + "/positionercalibframepar.xml";
    }

    bool readText(const QByteArray& xml)
    {
        writeFile(path, xml);
        return d->readPositionerFile(path);
    }

    void expectSavedEqualsParms()
    {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(std::memcmp(&d->savedParms[i], &d->parms[i], sizeof(PositionerParm)), 0) << "record " << i;
    }
};

void setFrame(double* frame, std::initializer_list<double> values)
{
    std::copy(values.begin(), values.end(), frame);
}

TEST_F(CalibrationFile, IsWrittenInTheControllersLayoutAndReadBackUnchanged)
{
    PositionerParm& first = d->parms[0];
    first.axes1Type = 2;
    first.axes2Index = 5;
    setFrame(first.axes1Frame, {12.5, 0, -3, 0, 0, 90});
    PositionerParm& second = d->parms[1];
    second.axes1Type = 1;
    second.axes1Index = 1;
    second.axes2Type = 3;
    second.axes2Index = 2;
    setFrame(second.axes2Frame, {1.23456, -0.00006, 1000000, -180, 0.5, 1e-4});
    setFrame(second.axes2FrameToBase, {-1, -2, -3, -4, -5, -6});
    setFrame(second.userFrame, {100.25, 200, 300, 0, 0, -90.125});

    const AfternoonClock clock;
    ASSERT_TRUE(d->writePositionerFile(path));
    const QByteArray golden = goldenFile("positionercalibframepar.xml");
    EXPECT_EQ(clock.withDatesMasked(readFile(path)), golden);

    // What was written reads back into the same file.
    for (PositionerParm& p : d->parms)
        p = PositionerParm();
    ASSERT_TRUE(d->readPositionerFile(path));
    expectSavedEqualsParms();
    EXPECT_EQ(d->parms[1].axes2Frame[0], 1.2346);
    ASSERT_TRUE(d->writePositionerFile(path));
    EXPECT_EQ(clock.withDatesMasked(readFile(path)), golden);
}

TEST_F(CalibrationFile, IndicesFollowTheRobotsAxisCount)
{
    d->parms[0].axes1Type = 1;
    d->parms[0].axes1Index = 2;
    for (const auto& row : {std::pair<int, const char*>{4, "<Axes1Index>7</Axes1Index>"},
                            {-3, "<Axes1Index>3</Axes1Index>"}}) {  // a negative count counts as none
        sim::Robot::instance().setAxisCount(row.first);
        ASSERT_TRUE(d->writePositionerFile(path));
        EXPECT_TRUE(readFile(path).contains(row.second)) << row.first;
        ASSERT_TRUE(d->readPositionerFile(path));
        EXPECT_EQ(d->parms[0].axes1Index, 2) << row.first;
    }
}

TEST_F(CalibrationFile, MissingAndOddValuesReadAsTheirDefaults)
{
    setFrame(d->parms[0].axes1Frame, {9, 9, 9, 9, 9, 9});
    setFrame(d->parms[1].axes2Frame, {9, 9, 9, 9, 9, 9});
    ASSERT_TRUE(readText("<FramePar>"
                         "<Positioner><Axes2Type>-5</Axes2Type><Axes2Index>3</Axes2Index></Positioner>"
                         "<Positioner><Axes2Frame>1,2,3</Axes2Frame><Axes1Index>x</Axes1Index></Positioner>"
                         "<Positioner><UserFrame>1,,3,x,5,6,7</UserFrame><Axes1Type>  4 </Axes1Type></Positioner>"
                         "</FramePar>"));
    const PositionerParm& first = d->parms[0];
    EXPECT_EQ(first.axes1Type, 1);  // no Axes1Type: 0 + 1, an axis in use
    EXPECT_EQ(first.axes2Type, 0);
    EXPECT_EQ(first.axes2Index, 0);
    EXPECT_EQ(first.axes1Frame[0], 0.0);
    EXPECT_EQ(first.axes1Frame[1], 9.0);
    EXPECT_EQ(first.axes1Frame[5], 9.0);
    EXPECT_THAT(d->parms[1].axes2Frame, ElementsAre(1, 2, 3, 9, 9, 9));
    EXPECT_THAT(d->parms[2].userFrame, ElementsAre(1, 0, 3, 0, 5, 6));
    EXPECT_EQ(d->parms[2].axes1Type, 5);
    expectSavedEqualsParms();
}

TEST_F(CalibrationFile, EntriesAreTakenByPositionWhateverTheirName)
{
    for (PositionerParm& p : d->parms)
        p.axes1Type = 7;
    ASSERT_TRUE(readText("<?xml version=\"1.0\"?>\n<FramePar>\n"
                         "  <!-- comments are not part of the tree -->\n"
                         "  <Other id=\"9\"><Axes1Type>2</Axes1Type></Other>\n"
                         "  <?note processing instructions are?>\n"
                         "  <Positioner id=\"1\"><Axes1Type>4</Axes1Type></Positioner>\n"
                         "</FramePar>\n"));
    EXPECT_EQ(d->parms[0].axes1Type, 3);
    EXPECT_EQ(d->parms[1].axes1Type, 1);  // the instruction has no children
    EXPECT_EQ(d->parms[2].axes1Type, 5);
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(d->parms[i].axes1Type, 7) << "record " << i;
    expectSavedEqualsParms();

    // Another root: the records stay, the baseline is taken all the same.
    d->parms[3].axes2Type = 4;
    ASSERT_TRUE(readText("<Calibration><Positioner><Axes2Type>0</Axes2Type></Positioner></Calibration>"));
    EXPECT_EQ(d->parms[3].axes2Type, 4);
    expectSavedEqualsParms();
}

TEST_F(CalibrationFile, UnreadableFilesChangeNothing)
{
    d->parms[2].axes1Type = 3;
    const QByteArray notRead[] = {"", "   \n", "not xml at all", "<FramePar><Positioner>", "<!-- only -->"};
    for (const QByteArray& text : notRead)
        EXPECT_FALSE(readText(text)) << text.constData();
    EXPECT_FALSE(d->readPositionerFile(positionerDir() + "/missing.xml"));
    EXPECT_FALSE(d->readPositionerFile(positionerDir()));
    EXPECT_EQ(d->parms[2].axes1Type, 3);
    EXPECT_EQ(d->savedParms[2].axes1Type, 0);
}

TEST_F(CalibrationFile, ExtremeIntegersDoNotOverflow)
{
    ASSERT_TRUE(readText("<FramePar><Positioner>"
                         "<Axes1Index>2147483647</Axes1Index><Axes1Type>2147483647</Axes1Type>"
                         "<Axes2Index>-2147483648</Axes2Index><Axes2Type>99999999999999</Axes2Type>"
                         "</Positioner></FramePar>"));
    EXPECT_EQ(d->parms[0].axes1Index, 2147483647 - 7);
    EXPECT_EQ(d->parms[0].axes1Type, std::numeric_limits<int>::max());
    EXPECT_EQ(d->parms[0].axes2Index, 0);
    EXPECT_GT(d->parms[0].axes2Type, 0);

    // And back: the offsets saturate instead of wrapping around.
    d->parms[0].axes2Index = std::numeric_limits<int>::max();
    d->parms[0].axes2Type = std::numeric_limits<int>::min();
    d->parms[0].axes1Index = std::numeric_limits<int>::max();
    ASSERT_TRUE(d->writePositionerFile(path));
    const QByteArray text = readFile(path);
    EXPECT_TRUE(text.contains("<Axes1Index>2147483647</Axes1Index>"));
    EXPECT_TRUE(text.contains("<Axes2Type>-2147483649</Axes2Type>"));
}

}  // namespace
