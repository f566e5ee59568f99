// The tool's commands as functions of their inputs, so that the command line
// and the tests share them.
#pragma once

#include "calibrationxml.h"
#include "check.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <optional>

namespace tool {

// Exit statuses of every command.
enum ExitStatus { Clean = 0, Findings = 1, Unusable = 2 };

// Four decimals, as the calibration file holds values; never "-0.0000".
QString fixed4(double value);

// show: the records in memory terms.
QString showTable(const Records& records, int axisCount);
QByteArray showJson(const Records& records, int axisCount);

// diff: per positioner, the fields that differ and by how much.
struct PositionerDifference
{
    int number = 0;
    QStringList changes;
};
QVector<PositionerDifference> diffRecords(const Records& a, const Records& b);
QString diffText(const QVector<PositionerDifference>& differences);

// globalvar: the declarations of wobj_dyn0 and what the controller would
// choke on.
struct WobjDyn0
{
    int line = 0;
    bool decoded = false;
    Frame uframe{};
    Frame oframe{};
    bool movable = false;
    bool onRobot = false;
    QString baseName;
};
}  // namespace tool

Q_DECLARE_TYPEINFO(tool::WobjDyn0, Q_MOVABLE_TYPE);

namespace tool {

struct GlobalVarInspection
{
    ExitStatus status = Unusable;
    QString error;
    QVector<WobjDyn0> declarations;
    QVector<Finding> findings;
};
GlobalVarInspection inspectGlobalVar(const QByteArray& bytes);
// Written line by line: a file may declare it tens of thousands of times.
void writeGlobalVarText(QTextStream& out, const GlobalVarInspection& inspection, const QString& fileName);

// report: one self-contained HTML page.
struct ReportInput
{
    QString title;
    QString fileName;
    int axisCount = 6;
    Records records;
    QVector<Finding> findings;
    QString beforeName;
    std::optional<Records> before;
};
QByteArray reportHtml(const ReportInput& input);

// The whole command line; returns the exit status.
int runTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace tool
