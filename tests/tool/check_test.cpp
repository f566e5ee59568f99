// What `check` finds: one row per kind of finding, each made by one change to
// a file as the pendant writes it (the rows are in the data folder).
#include "tooltestdata.h"

#include <commands.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

using tool::CalibrationXml;

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

        CalibrationXml xml;
        ASSERT_EQ(xml.loadBytes(text.toUtf8()), CalibrationXml::Status::Ok) << xml.error().toStdString();
        const QVector<tool::Finding> findings = tool::checkCalibration(xml, 6);
        ASSERT_EQ(findings.size(), 1);
        EXPECT_EQ(findings[0].line, field[3].toInt());
        EXPECT_EQ(findings[0].message, field[4]);
    }
    EXPECT_EQ(rows, 25);
}

}  // namespace
