// Writing and reading the calibration file; a file that cannot be written
// completely is never half replaced, and the failure reaches the caller. The
// service tool reads a file the library wrote as the library reads it.
#include "faultinjection.h"
#include "golden.h"
#include "simfixture.h"

#include <commands.h>

#include <cstring>
#include <functional>
#include <limits>
#include <vector>

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

    // Record i as "axes1Type axes1Index axes2Type axes2Index axes1Frame axes2Frame
    // axes2FrameToBase userFrame"; every record's baseline must equal it.
    QString record(int i)
    {
        EXPECT_EQ(std::memcmp(&d->savedParms[i], &d->parms[i], sizeof(PositionerParm)), 0) << "record " << i;
        return fields(d->parms[i]);
    }

    template <typename Record>
    static QString fields(const Record& p)
    {
        QStringList fields;
        for (int value : {p.axes1Type, p.axes1Index, p.axes2Type, p.axes2Index})
            fields << QString::number(value);
        for (const double* frame : {&p.axes1Frame[0], &p.axes2Frame[0], &p.axes2FrameToBase[0], &p.userFrame[0]}) {
            QStringList values;
            for (int k = 0; k < 6; ++k)
                values << QString::number(frame[k]);
            fields << values.join(',');
        }
        return fields.join(' ');
    }

    // The tool finds nothing wrong with the file and reads every record as the
    // library read it.
    void expectTheToolToAgree(int axisCount)
    {
        tool::CalibrationXml xml;
        ASSERT_EQ(xml.load(path), tool::CalibrationXml::Status::Ok);
        EXPECT_TRUE(tool::checkCalibration(xml, axisCount).isEmpty()) << "axis count " << axisCount;
        const tool::Records records = tool::readRecords(xml, axisCount);
        for (int i = 0; i < 10; ++i) {
            EXPECT_TRUE(records[std::size_t(i)].hasEntry);
            EXPECT_EQ(fields(records[std::size_t(i)]), record(i)) << "axis count " << axisCount;
        }
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
    PositionerParm& third = d->parms[2];  // only axis 2 in use
    third.axes2Type = 1;
    third.axes2Index = 2;
    setFrame(third.axes2Frame, {-1, -2, -3, -4, -5, -6});

    const AfternoonClock clock;
    ASSERT_TRUE(d->writePositionerFile(path));
    const QByteArray golden = goldenFile("positionercalibframepar.xml");
    EXPECT_EQ(clock.withDatesMasked(readFile(path)), golden);

    // What was written reads back into the same file.
    for (PositionerParm& p : d->parms)
        p = PositionerParm();
    ASSERT_TRUE(d->readPositionerFile(path));
    ASSERT_TRUE(d->writePositionerFile(path));
    EXPECT_EQ(clock.withDatesMasked(readFile(path)), golden);
    expectTheToolToAgree(6);
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
        expectTheToolToAgree(row.first);
    }
}

// Entries are taken by position, whatever their name or kind, ten at most; what
// is missing or not a number reads as its default, a frame keeps the values not
// given.
TEST_F(CalibrationFile, MissingAndOddValuesReadAsTheirDefaults)
{
    for (PositionerParm& p : d->parms)
        setFrame(p.axes1Frame, {9, 9, 9, 9, 9, 9});
    ASSERT_TRUE(readText("<?xml version=\"1.0\"?>\n<FramePar>\n"
                         "  <!-- comments are not part of the tree -->\n"
                         "  <Positioner><Axes2Type>-5</Axes2Type><Axes2Index>3</Axes2Index></Positioner>\n"
                         "  <?note processing instructions are?>\n"
                         "  <Other><Axes1Frame>1,2,3</Axes1Frame><Axes1Index>x</Axes1Index></Other>\n"
                         "  <Positioner><UserFrame>1,,3,x,5,6,7</UserFrame><Axes1Type>  4 </Axes1Type></Positioner>\n"
                         "  <Positioner><Axes1Index>2147483647</Axes1Index><Axes1Type>2147483647</Axes1Type>"
                         "<Axes2Index>-2147483648</Axes2Index><Axes2Type>99999999999999</Axes2Type></Positioner>\n"
                         "  <Positioner><Axes1Frame>1,2,3,4,5,6,7</Axes1Frame>"
                         "<UserFrame>nan,inf,-inf,1e999,NaN,2</UserFrame></Positioner>\n" +
                         QByteArray("<Positioner/>").repeated(4) + "<Positioner><Axes1Type>5</Axes1Type></Positioner>"
                         "</FramePar>\n"));
    EXPECT_EQ(record(0), "1 0 0 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,0");
    EXPECT_EQ(record(1), "1 0 1 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,0");
    EXPECT_EQ(record(2), "1 0 1 0 1,2,3,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,0");
    EXPECT_EQ(record(3), "5 0 1 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 1,0,3,0,5,6");
    EXPECT_EQ(record(4), "2147483647 2147483640 2147483647 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,0");
    EXPECT_EQ(record(5), "1 0 1 0 1,2,3,4,5,6 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,2");  // no NaN, no infinity
    EXPECT_EQ(record(9), "1 0 1 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 0,0,0,0,0,0");  // the eleventh is not read

    // Another root: the records stay, the baseline is taken all the same.
    d->parms[3].axes2Type = 4;
    ASSERT_TRUE(readText("<Calibration><Positioner><Axes2Type>0</Axes2Type></Positioner></Calibration>"));
    EXPECT_EQ(record(3), "5 0 4 0 0,9,9,9,9,9 0,0,0,0,0,0 0,0,0,0,0,0 1,0,3,0,5,6");
}

// The parts given, in order, five of them here: an empty, odd or non-finite
// part is 0, a missing one keeps its value, one past the count is not read.
TEST_F(CalibrationFile, FrameTextsAreReadPartByPart)
{
    for (const auto& row : std::vector<std::pair<QString, QString>>{{"1.5,,x,-4e2", "1.5,0,0,-400,9,9"},
                                                                     {"1,2,3,4,5,6,7", "1,2,3,4,5,9"},
                                                                     {"", "0,9,9,9,9,9"},
                                                                     {",2,3", "0,2,3,9,9,9"},
                                                                     {"nan,inf,-1e999,NaN", "0,0,0,0,9,9"}}) {
        double values[6] = {9, 9, 9, 9, 9, 9};
        d->posQstrToDouble(row.first, values, 5);
        QStringList parts;
        for (double value : values)
            parts << QString::number(value);
        EXPECT_EQ(parts.join(QLatin1Char(',')), row.second) << qPrintable(row.first);
    }
}

// A child name is matched whole: a NUL inside it would cut it short.
TEST_F(CalibrationFile, NodeTextsAreFoundByTheirWholeName)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<a><b>1</b><bx>2</bx></a>"));
    const pugi::xml_node a = document.child("a");
    const struct
    {
        QString name;
        const char* text;
    } rows[] = {{"b", "1"}, {"bx", "2"}, {QString("b") + QChar(0) + "x", ""}, {QString(QChar(0)), ""}, {"c", ""}};
    for (const auto& row : rows)
        EXPECT_STREQ(d->getNodeText(a, row.name).as_string(""), row.text) << row.name.size();
}

TEST_F(CalibrationFile, UnreadableFilesChangeNothing)
{
    d->parms[2].axes1Type = 3;
    for (const char* text : {"", "   \n", "not xml at all", "<FramePar><Positioner>", "<!-- only -->"})
        EXPECT_FALSE(readText(text)) << text;
    EXPECT_EQ(d->parms[2].axes1Type, 3);
    EXPECT_EQ(d->savedParms[2].axes1Type, 0);
}

// Written back, the offsets saturate instead of wrapping around.
TEST_F(CalibrationFile, ExtremeIntegersDoNotOverflow)
{
    d->parms[0].axes2Index = std::numeric_limits<int>::max();
    d->parms[0].axes2Type = std::numeric_limits<int>::min();
    d->parms[0].axes1Index = std::numeric_limits<int>::max();
    d->parms[0].axes1Type = 1;
    ASSERT_TRUE(d->writePositionerFile(path));
    const QByteArray text = readFile(path);
    EXPECT_TRUE(text.contains("<Axes1Index>2147483647</Axes1Index>"));
    EXPECT_TRUE(text.contains("<Axes2Type>-2147483649</Axes2Type>"));
}

// NaN and infinity are no numbers the controller reads: a record holding one
// is not written, and the file stays as it was.
TEST_F(CalibrationFile, ARecordHoldingANonFiniteNumberIsNotWritten)
{
    writeFile(path, "before");
    for (double* value : {&d->parms[9].axes1Frame[0], &d->parms[0].axes2Frame[5], &d->parms[4].axes2FrameToBase[2],
                          &d->parms[2].userFrame[1]}) {
        for (double bad : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
            *value = bad;
            EXPECT_FALSE(d->writePositionerFile(path));
        }
        *value = 0.0;
    }
    EXPECT_EQ(readFile(path), "before");
    EXPECT_TRUE(d->writePositionerFile(path));
}

// Change detection: a record against the copy taken when the file was read.
TEST_F(CalibrationFile, RecordsCompareExactlyFieldByField)
{
    const struct
    {
        const char* change;
        std::function<void(PositionerParm&)> apply;
        bool equal;
    } cases[] = {
        {"none", [](PositionerParm&) {}, true},
        {"0.0 becomes -0.0", [](PositionerParm& p) { p.userFrame[5] = -0.0; }, true},
        {"axes1Frame", [](PositionerParm& p) { p.axes1Frame[0] = 1e-12; }, false},
        {"axes2Frame", [](PositionerParm& p) { p.axes2Frame[5] = -1; }, false},
        {"axes2FrameToBase", [](PositionerParm& p) { p.axes2FrameToBase[3] = 1e-12; }, false},
        {"userFrame", [](PositionerParm& p) { p.userFrame[1] = 4; }, false},
        {"axes1Type", [](PositionerParm& p) { p.axes1Type = -1; }, false},
        {"axes1Index", [](PositionerParm& p) { p.axes1Index = 3; }, false},
        {"axes2Type", [](PositionerParm& p) { p.axes2Type = 2; }, false},
        {"axes2Index", [](PositionerParm& p) { p.axes2Index = 2; }, false},
    };
    for (const auto& c : cases) {
        PositionerParm a;
        PositionerParm b;
        c.apply(b);
        EXPECT_EQ(d->positionerDataIsEqual(a, b), c.equal) << c.change;
        EXPECT_EQ(d->positionerDataIsEqual(b, a), c.equal) << c.change;
    }
    PositionerParm withNaN;
    withNaN.axes1Frame[2] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(d->positionerDataIsEqual(withNaN, withNaN));
}

TEST_F(CalibrationFile, AFileThatCannotBeWrittenWholeKeepsItsOldContent)
{
    // Each a loadable file of more than 512 bytes before the write.
    const std::pair<const char*, const char*> files[] = {{"positionercalibframepar.xml", "positionercalibframepar.xml"},
                                                         {"GLOBAL.var", "globalvar-input.var"}};
    for (const auto& file : files) {
        const QString target = positionerDir() + "/" + file.first;
        const QByteArray previous = goldenFile(file.second);
        for (int fault = 0; fault < 2; ++fault) {
            writeFile(target, previous);
            const auto write = [&] {
                return target.endsWith(".xml") ? d->writePositionerFile(target) : d->writeGlobalVarFile(target);
            };
            bool written = true;
            if (fault == 0) {
                FileSizeLimit limit(512);
                written = write();
            } else {
                ReadOnlyDirectory readOnly(positionerDir());
                written = write();
            }
            EXPECT_FALSE(written) << file.first << ", fault " << fault;
            EXPECT_EQ(readFile(target), previous) << file.first << ", fault " << fault;
            // No temporary file is left behind either.
            EXPECT_EQ(QDir(positionerDir()).entryList(QDir::Files | QDir::Hidden), QStringList{file.first});
            QFile::remove(target);
        }
    }
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/no/such/dir/calib.xml"));
    writeFile(positionerDir() + "/a-file", "");
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/a-file/inside-a-file.xml"));
}

}  // namespace
