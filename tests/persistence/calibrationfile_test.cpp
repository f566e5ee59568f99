// Writing and reading the calibration file.
#include "simfixture.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

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

QByteArray positionerLines(int id, const char* values)
{
    return QByteArray("\t<Positioner id=\"") + QByteArray::number(id) + "\">\n" + values + "\t</Positioner>\n";
}

const char* const defaultRecordLines =
    "\t\t<EnableAxesNum>0</EnableAxesNum>\n"
    "\t\t<Axes1Index>0</Axes1Index>\n"
    "\t\t<Axes1Type>-1</Axes1Type>\n"
    "\t\t<Axes1Frame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes1Frame>\n"
    "\t\t<Axes2Index>0</Axes2Index>\n"
    "\t\t<Axes2Type>-1</Axes2Type>\n"
    "\t\t<Axes2Frame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2Frame>\n"
    "\t\t<Axes2FrameToBase>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2FrameToBase>\n"
    "\t\t<UserFrame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</UserFrame>\n";

TEST_F(CalibrationFile, IsWrittenInTheControllersLayout)
{
    PositionerParm& first = d->parms[0];
    first.axes1Type = 2;
    first.axes1Index = 0;
    first.axes2Type = 0;
    first.axes2Index = 5;
    setFrame(first.axes1Frame, {12.5, 0, -3, 0, 0, 90});
    PositionerParm& second = d->parms[1];
    second.axes1Type = 1;
    second.axes1Index = 1;
    second.axes2Type = 3;
    second.axes2Index = 2;
    setFrame(second.axes2Frame, {1.23456, -0.00004, 1000000, -180, 0.5, 1e-4});
    setFrame(second.axes2FrameToBase, {-1, -2, -3, -4, -5, -6});
    setFrame(second.userFrame, {100.25, 200, 300, 0, 0, -90.125});

    ASSERT_TRUE(d->writePositionerFile(path));

    QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "DATE LINE\n"
        "<FramePar>\n";
    expected += positionerLines(1,
        "\t\t<EnableAxesNum>1</EnableAxesNum>\n"
        "\t\t<Axes1Index>7</Axes1Index>\n"
        "\t\t<Axes1Type>1</Axes1Type>\n"
        "\t\t<Axes1Frame>12.5000,0.0000,-3.0000,0.0000,0.0000,90.0000</Axes1Frame>\n"
        "\t\t<Axes2Index>0</Axes2Index>\n"
        "\t\t<Axes2Type>-1</Axes2Type>\n"
        "\t\t<Axes2Frame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2Frame>\n"
        "\t\t<Axes2FrameToBase>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes2FrameToBase>\n"
        "\t\t<UserFrame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</UserFrame>\n");
    expected += positionerLines(2,
        "\t\t<EnableAxesNum>2</EnableAxesNum>\n"
        "\t\t<Axes1Index>8</Axes1Index>\n"
        "\t\t<Axes1Type>0</Axes1Type>\n"
        "\t\t<Axes1Frame>0.0000,0.0000,0.0000,0.0000,0.0000,0.0000</Axes1Frame>\n"
        "\t\t<Axes2Index>9</Axes2Index>\n"
        "\t\t<Axes2Type>2</Axes2Type>\n"
        "\t\t<Axes2Frame>1.2346,-0.0000,1000000.0000,-180.0000,0.5000,0.0001</Axes2Frame>\n"
        "\t\t<Axes2FrameToBase>-1.0000,-2.0000,-3.0000,-4.0000,-5.0000,-6.0000</Axes2FrameToBase>\n"
        "\t\t<UserFrame>100.2500,200.0000,300.0000,0.0000,0.0000,-90.1250</UserFrame>\n");
    for (int id = 3; id <= 10; ++id)
        expected += positionerLines(id, defaultRecordLines);
    expected += "</FramePar>\n";

    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = readFile(path).split('\n');
    ASSERT_EQ(got.size(), want.size());
    ASSERT_EQ(got.size(), 115);  // 114 lines, each ended by a line feed
    for (int line = 0; line < want.size(); ++line) {
        if (line == 1) {
            EXPECT_TRUE(QRegularExpression(R"(^<!-- Date\(ymd\)/time\(hms\) \d{4}/\d\d/\d\d \d\d:\d\d:\d\d -->$)")
                            .match(QString::fromLatin1(got[line])).hasMatch())
                << got[line].constData();
            continue;
        }
        EXPECT_EQ(got[line], want[line]) << "line " << line + 1;
    }
}

TEST_F(CalibrationFile, OffsetsFollowTheRobotsAxisCount)
{
    sim::Robot::instance().setAxisCount(4);
    d->parms[0].axes1Type = 1;
    d->parms[0].axes1Index = 2;
    ASSERT_TRUE(d->writePositionerFile(path));
    EXPECT_TRUE(readFile(path).contains("<Axes1Index>7</Axes1Index>"));

    // A negative axis count counts as none.
    sim::Robot::instance().setAxisCount(-3);
    ASSERT_TRUE(d->writePositionerFile(path));
    EXPECT_TRUE(readFile(path).contains("<Axes1Index>3</Axes1Index>"));
    ASSERT_TRUE(d->readPositionerFile(path));
    EXPECT_EQ(d->parms[0].axes1Index, 2);
}

TEST_F(CalibrationFile, RecordsWithFourDecimalsSurviveARoundTrip)
{
    for (int i = 0; i < 10; ++i) {
        PositionerParm& p = d->parms[i];
        p.axes1Type = 1 + i % 3;
        p.axes1Index = i % 4;
        p.axes2Type = i % 2 ? 2 : 1;
        p.axes2Index = 5 - i % 5;
        // Each value the double nearest to a number of four decimals.
        setFrame(p.axes1Frame, {i * 101234 / 1e4, -0.0001, 1234.5, -179.9999, 0.0, 90.0});
        setFrame(p.axes2Frame, {-i * 0.5, 3.3333, 7, 8, 9, 10});
        setFrame(p.axes2FrameToBase, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6});
        setFrame(p.userFrame, {(i * 1e4 + 5) / 1e4, -(i * 1e4 + 9999) / 1e4, 100000.0001, 45, -45, 180});
    }
    PositionerParm written[10];
    std::copy(std::begin(d->parms), std::end(d->parms), written);
    const PositionerParm savedBefore = d->savedParms[4];

    ASSERT_TRUE(d->writePositionerFile(path));
    EXPECT_TRUE(d->positionerDataIsEqual(d->savedParms[4], const_cast<PositionerParm&>(savedBefore)));
    for (PositionerParm& p : d->parms)
        p = PositionerParm();
    ASSERT_TRUE(d->readPositionerFile(path));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(d->positionerDataIsEqual(d->parms[i], written[i])) << "record " << i;
    expectSavedEqualsParms();
}

TEST_F(CalibrationFile, MissingAndOddValuesReadAsTheirDefaults)
{
    setFrame(d->parms[0].axes1Frame, {9, 9, 9, 9, 9, 9});
    setFrame(d->parms[1].axes2Frame, {9, 9, 9, 9, 9, 9});
    setFrame(d->parms[2].userFrame, {9, 9, 9, 9, 9, 9});
    ASSERT_TRUE(readText("<FramePar>"
                         "<Positioner><Axes2Type>-5</Axes2Type><Axes2Index>3</Axes2Index></Positioner>"
                         "<Positioner><Axes2Frame>1,2,3</Axes2Frame><Axes1Index>x</Axes1Index></Positioner>"
                         "<Positioner><UserFrame>1,,3,x,5,6,7</UserFrame><Axes1Type>  4 </Axes1Type></Positioner>"
                         "</FramePar>"));
    const PositionerParm& first = d->parms[0];
    EXPECT_EQ(first.axes1Type, 1);  // no Axes1Type: 0 + 1, an axis in use
    EXPECT_EQ(first.axes1Index, 0);
    EXPECT_EQ(first.axes2Type, 0);
    EXPECT_EQ(first.axes2Index, 0);
    EXPECT_EQ(first.axes1Frame[0], 0.0);
    EXPECT_EQ(first.axes1Frame[1], 9.0);
    EXPECT_EQ(first.axes1Frame[5], 9.0);

    const double expectedAxes2[] = {1, 2, 3, 9, 9, 9};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(d->parms[1].axes2Frame[k], expectedAxes2[k]);
    EXPECT_EQ(d->parms[1].axes1Index, 0);

    const double expectedUser[] = {1, 0, 3, 0, 5, 6};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(d->parms[2].userFrame[k], expectedUser[k]);
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
}

TEST_F(CalibrationFile, AnotherRootLeavesTheRecordsButTakesTheBaseline)
{
    d->parms[3].axes2Type = 4;
    ASSERT_TRUE(readText("<Calibration><Positioner><Axes2Type>0</Axes2Type></Positioner></Calibration>"));
    EXPECT_EQ(d->parms[3].axes2Type, 4);
    EXPECT_EQ(d->parms[0].axes1Type, 0);
    expectSavedEqualsParms();
}

TEST_F(CalibrationFile, UnreadableFilesChangeNothing)
{
    d->parms[2].axes1Type = 3;
    const QByteArray notRead[] = {"", "   \n", "not xml at all", "<FramePar><Positioner>", "<!-- only -->"};
    for (const QByteArray& text : notRead) {
        EXPECT_FALSE(readText(text)) << text.constData();
        EXPECT_EQ(d->parms[2].axes1Type, 3);
        EXPECT_EQ(d->savedParms[2].axes1Type, 0);
    }
    EXPECT_FALSE(d->readPositionerFile(positionerDir() + "/missing.xml"));
    EXPECT_FALSE(d->readPositionerFile(positionerDir()));
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
