// The commands' output and exit status against golden files (set
// TOOL_UPDATE_GOLDEN=1 to rewrite them from the current output), and what
// `check` finds: one row per kind of finding, each made by one change to a file
// as the pendant writes it (the rows are in the data folder).
#include "tooltestdata.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

namespace {

struct GoldenRun
{
    QStringList arguments;
    int status;
    const char* golden;
};

// Runs in the data folder, so that the output names the files as given.
QByteArray run(const QStringList& arguments, int& status)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(toolData());
    const ToolRun r = runTool(arguments);
    QDir::setCurrent(previous);
    status = r.status;
    return (r.err.isEmpty() ? r.out : r.out + QStringLiteral("--- stderr\n") + r.err).toUtf8();
}

TEST(ToolOutput, MatchesGoldenFiles)
{
    const GoldenRun runs[] = {
        {{"check", "before.xml"}, 0, "check-clean.txt"},
        // With one robot axis less the indices still lie past the robot's axes,
        // with two more they do not.
        {{"check", "--axis-count", "5", "before.xml"}, 0, "check-clean.txt"},
        {{"check", "--axis-count", "8", "before.xml"}, 1, "check-axis-count-8.txt"},
        {{"check", "missing.xml"}, 2, "check-missing.txt"},
        {{"check", "GLOBAL.var"}, 2, "check-globalvar.txt"},
        {{"check", "broken.xml"}, 2, "check-broken.txt"},
        {{"check", "empty.xml"}, 1, "check-empty.txt"},
        // Repeated unexpected children share their sentence; each name keeps its own.
        {{"check", "unexpected.xml"}, 1, "check-unexpected.txt"},
        {{"show", "before.xml"}, 0, "show-before.txt"},
        {{"show", "--json", "--axis-count", "4", "after.xml"}, 0, "show-after.json"},
        {{"diff", "before.xml", "after.xml"}, 1, "diff.txt"},
        {{"diff", "before.xml", "before.xml"}, 0, "diff-same.txt"},
        {{"globalvar", "GLOBAL.var"}, 0, "globalvar.txt"},
        {{"globalvar", "GLOBAL-faults.var"}, 1, "globalvar-faults.txt"},
        {{"globalvar", "before.xml"}, 2, "globalvar-calibration.txt"},
        // Control characters in a value are shown escaped: none reaches the
        // terminal, none forges a line.
        {{"globalvar", "GLOBAL-control.var"}, 1, "globalvar-control.txt"},
        // Members are walked for unknown ones whenever the object holds more
        // than the known ones it was asked for, also when their count is that
        // of all the known ones.
        {{"globalvar", "GLOBAL-members.var"}, 1, "globalvar-members.txt"},
        // NaN, infinity and 1e400 are held as 0; the texts are findings.
        {{"check", "nonfinite.xml"}, 1, "check-nonfinite.txt"},
        {{"show", "nonfinite.xml"}, 0, "show-nonfinite.txt"},
        {{"show", "--json", "nonfinite.xml"}, 0, "show-nonfinite.json"},
        {{"diff", "nonfinite.xml", "nonfinite.xml"}, 0, "diff-same.txt"},
        // A difference no double holds is said in words.
        {{"diff", "nonfinite.xml", "nonfinite-opposite.xml"}, 1, "diff-beyond-numbers.txt"},
        {{"report", "after.xml", "--before", "before.xml", "-o", "./before.xml"}, 2, "report-over-input.txt"},
        {{"show", "--axis-count", "x", "before.xml"}, 2, "usage-axis-count.txt"},
        {{"diff", "before.xml"}, 2, "usage-diff.txt"},
        {{"frobnicate"}, 2, "usage-command.txt"},
    };
    const QByteArray input = readAll(toolData("before.xml"));
    const bool update = qEnvironmentVariableIntValue("TOOL_UPDATE_GOLDEN") == 1;
    for (const GoldenRun& r : runs) {
        int status = -1;
        const QByteArray output = run(r.arguments, status);
        const QString golden = toolData(QStringLiteral("golden/") + QLatin1String(r.golden));
        if (update) {
            QFile file(golden);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(output);
        }
        EXPECT_EQ(status, r.status) << r.golden;
        EXPECT_EQ(output.toStdString(), readAll(golden).toStdString()) << r.golden;
    }
    // No command writes to a file it reads.
    EXPECT_EQ(readAll(toolData("before.xml")), input);
}

TEST(ToolOutput, EveryCommandHasHelp)
{
    for (const char* command : {"check", "show", "diff", "globalvar", "report"}) {
        int status = -1;
        const QByteArray help = run({QLatin1String(command), QStringLiteral("--help")}, status);
        EXPECT_EQ(status, 0) << command;
        EXPECT_TRUE(help.contains("Exit status: 0")) << command;
    }
}

// Each row of the table makes one change to the clean file, and check reports
// exactly one finding for it, on the line the change is on.
TEST(Check, OneFindingPerChangeOnItsLine)
{
    const QString clean = QString::fromUtf8(readAll(toolData("before.xml")));
    int rows = 0;
    for (const QString& row : QString::fromUtf8(readAll(toolData("check-findings.tsv"))).split('\n')) {
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        const QStringList field = row.split('\t');
        ASSERT_EQ(field.size(), 5) << row.toStdString();
        SCOPED_TRACE(field[0].toStdString());
        ++rows;
        const QRegularExpressionMatch match = QRegularExpression(field[1]).match(clean);
        ASSERT_TRUE(match.hasMatch());
        QString replaced = QString(field[2]).replace("\\t", "\t").replace("\\n", "\n");
        for (int k = match.lastCapturedIndex(); k >= 1; --k)
            replaced.replace(QStringLiteral("\\%1").arg(k), match.captured(k));
        const QString text = QString(clean).replace(match.capturedStart(), match.capturedLength(), replaced);

        tool::CalibrationXml xml;
        ASSERT_EQ(xml.loadBytes(text.toUtf8()), tool::CalibrationXml::Status::Ok) << xml.error().toStdString();
        const QVector<tool::Finding> findings = tool::checkCalibration(xml, 6);
        ASSERT_EQ(findings.size(), 1);
        EXPECT_EQ(findings[0].line, field[3].toInt());
        EXPECT_EQ(findings[0].message, field[4]);
    }
    EXPECT_EQ(rows, 26);
}

// The file's own findings and an entry's are found after those of what they
// hold, yet are listed on their lines, before them; within a line in the
// order they were found.
TEST(Check, FindingsAreListedByLine)
{
    tool::CalibrationXml xml;
    ASSERT_EQ(xml.loadBytes("<FramePar>\n<Positioner id=\"1\">\n<Note/>\n</Positioner>\n</FramePar>\n"),
              tool::CalibrationXml::Status::Ok);
    const QVector<tool::Finding> findings = tool::checkCalibration(xml, 6);
    QVector<int> lines;
    for (const tool::Finding& f : findings)
        lines.append(f.line);
    EXPECT_EQ(lines, QVector<int>({1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3}));
    ASSERT_EQ(findings.size(), 11);
    EXPECT_TRUE(findings[0].message.startsWith(QLatin1String("1 entries instead of 10")));
    EXPECT_EQ(findings[1].message, QStringLiteral("no <EnableAxesNum>"));
    EXPECT_EQ(findings[10].message, QStringLiteral("unexpected element <Note>"));
}

}  // namespace
