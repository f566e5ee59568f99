// What `check` finds: one row per kind of finding, each made by one change to
// a file as the pendant writes it.
#include "tooltestdata.h"

#include <commands.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

using tool::CalibrationXml;

struct Row
{
    const char* what;
    const char* pattern;  // first match is replaced
    const char* replacement;
    int line;
    const char* message;
};

// Entry 1 of the clean file spans lines 4 to 14 with both axes in use; entry
// 2 spans lines 15 to 25 with none in use; entry 10 starts on line 103.
const Row rows[] = {
    {"id out of order", R"(<Positioner id="2">)", R"(<Positioner id="5">)", 15,
     "<Positioner> with id \"5\" is entry 2 of <FramePar> and is read as positioner 2"},
    {"no id", R"(<Positioner id="2">)", "<Positioner>", 15, "a <Positioner> without an id is read as positioner 2"},
    {"other element", R"(<Positioner id="2">([\s\S]*?)</Positioner>)", R"(<Positionr id="2">\1</Positionr>)", 15,
     "<Positionr> is read as the record of positioner 2"},
    {"instruction for an entry", R"(<Positioner id="10">[\s\S]*?</Positioner>)", "<?note?>", 103,
     "a processing instruction is not an element but is read as the record of positioner 10, with both axes in use"},
    {"eleventh entry", "</FramePar>", "\t<Positioner id=\"11\"/>\n</FramePar>", 114,
     "entry 11 of <FramePar> lies beyond the tenth and is ignored"},
    {"nine entries", R"(<Positioner id="10">[\s\S]*?</Positioner>)", "", 3,
     "9 entries instead of 10: positioners from 10 on keep what the pendant held before the read"},
    {"attribute", "<FramePar>", "<FramePar version=\"2\">", 3, "unexpected attribute \"version\" on <FramePar>"},
    {"no type", "\t\t<Axes1Type>1</Axes1Type>\n", "", 4, "no <Axes1Type>: the axis is read as in use"},
    {"no index", "\t\t<Axes1Index>0</Axes1Index>\n", "", 15, "no <Axes1Index>: read as external axis 0"},
    {"no axis count", "\t\t<EnableAxesNum>0</EnableAxesNum>\n", "", 15, "no <EnableAxesNum>"},
    {"no frame", R"(<Positioner id="2">([\s\S]*?)\t\t<UserFrame>.*\n)", R"(<Positioner id="2">\1)", 15,
     "no <UserFrame>: its x is read as 0 and its other values are left as they were"},
    {"second value", R"((<Positioner id="2">[\s\S]*?)(\t\t<UserFrame>.*\n))", R"(\1\2\2)", 25,
     "second <UserFrame>: only the first is read"},
    {"unknown element", R"(<Positioner id="2">)", "<Positioner id=\"2\"><Note>x</Note>", 15,
     "unexpected element <Note>"},
    {"text in an entry", R"(<Positioner id="2">)", "<Positioner id=\"2\">oops", 15, "unexpected text in <Positioner>"},
    {"nested element", R"((<Positioner id="2">[\s\S]*?<UserFrame>))", R"(\1<b/>)", 24,
     "<UserFrame> holds more than one text"},
    {"hexadecimal", R"((<Positioner id="2">[\s\S]*?)<Axes1Index>0<)", R"(\1<Axes1Index>0x0<)", 17,
     "<Axes1Index> \"0x0\" is not a decimal integer: read as 0"},
    {"type below -1", R"((<Positioner id="2">[\s\S]*?)<Axes2Type>-1<)", R"(\1<Axes2Type>-5<)", 21,
     "<Axes2Type> -5 is below -1: read as an axis not in use"},
    {"index among the robot's axes", "<Axes1Index>7<", "<Axes1Index>6<", 6,
     "<Axes1Index> 6 does not lie past the robot's 6 axes: read as external axis 0"},
    {"index of an unused axis", R"((<Positioner id="2">[\s\S]*?)<Axes1Index>0<)", R"(\1<Axes1Index>8<)", 17,
     "<Axes1Index> is 8 for an axis not in use, which is written as 0"},
    {"two axes on one", "<Axes2Index>8<", "<Axes2Index>7<", 9,
     "<Axes1Index> and <Axes2Index> are both 7: two axes on one external axis"},
    {"axis count", "<EnableAxesNum>2<", "<EnableAxesNum>1<", 5, "<EnableAxesNum> is 1 but the types put 2 axes in use"},
    {"five values", R"((<Positioner id="2">[\s\S]*?<UserFrame>)0.0000,)", R"(\1)", 24,
     "<UserFrame> holds 5 values instead of 6"},
    {"not a number", R"((<Positioner id="2">[\s\S]*?<UserFrame>)0.0000)", R"(\1abc)", 24,
     "<UserFrame> value 1 \"abc\" is not a number: read as 0"},
    {"not finite", R"((<Positioner id="2">[\s\S]*?<UserFrame>)0.0000)", R"(\1inf)", 24,
     "<UserFrame> value 1 is not finite"},
    {"two decimals", R"((<Positioner id="2">[\s\S]*?<UserFrame>)0.0000)", R"(\1 0.50)", 24,
     "<UserFrame> value 1 \" 0.50\" is not written with four decimals"},
};

class CheckFinds : public ::testing::TestWithParam<Row>
{
};

TEST_P(CheckFinds, OneFindingOnItsLine)
{
    const Row& row = GetParam();
    QString text = QString::fromUtf8(readAll(toolData("before.xml")));
    const QRegularExpression pattern(QString::fromUtf8(row.pattern));
    const QRegularExpressionMatch match = pattern.match(text);
    ASSERT_TRUE(match.hasMatch()) << row.pattern;
    QString replaced = QString::fromUtf8(row.replacement);
    for (int k = match.lastCapturedIndex(); k >= 1; --k)
        replaced.replace(QStringLiteral("\\%1").arg(k), match.captured(k));
    text.replace(match.capturedStart(), match.capturedLength(), replaced);

    CalibrationXml xml;
    ASSERT_EQ(xml.loadBytes(text.toUtf8()), CalibrationXml::Status::Ok) << xml.error().toStdString();
    const QVector<tool::Finding> findings = tool::checkCalibration(xml, 6);
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings[0].line, row.line);
    EXPECT_EQ(findings[0].message.toStdString(), row.message);
}

INSTANTIATE_TEST_SUITE_P(Calibration, CheckFinds, ::testing::ValuesIn(rows), [](const auto& info) {
    std::string name = info.param.what;
    for (char& c : name)
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(Check, FileAsThePendantWritesItHasNoFindings)
{
    CalibrationXml xml;
    ASSERT_EQ(xml.load(toolData("before.xml")), CalibrationXml::Status::Ok);
    EXPECT_TRUE(tool::checkCalibration(xml, 6).isEmpty());
    // With one robot axis less, the indices still lie past the robot's axes.
    EXPECT_TRUE(tool::checkCalibration(xml, 5).isEmpty());
    EXPECT_EQ(tool::checkCalibration(xml, 8).size(), 2);
}

TEST(Check, WhatIsNoCalibrationFile)
{
    const struct
    {
        const char* text;
        CalibrationXml::Status status;
    } cases[] = {
        {"", CalibrationXml::Status::NotXml},
        {"<FramePar><Positioner id=\"1\"></FramePar>", CalibrationXml::Status::NotXml},
        {"<?xml version=\"1.0\"?>\n<Xpl-source/>\n", CalibrationXml::Status::NotCalibration},
        {"<FramePar/>", CalibrationXml::Status::Ok},
    };
    for (const auto& c : cases) {
        CalibrationXml xml;
        EXPECT_EQ(xml.loadBytes(c.text), c.status) << c.text;
    }
}

}  // namespace
