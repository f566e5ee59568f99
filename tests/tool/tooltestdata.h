// Where the tool's tests find their files and keep what they write, and how
// they run the tool.
#pragma once

#include <commands.h>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>

inline QString toolData(const QString& name = QString())
{
    return QStringLiteral(TOOL_TEST_DATA "/") + name;
}

inline QString toolWork(const QString& name)
{
    QDir().mkpath(QStringLiteral(TOOL_TEST_WORK));
    return QStringLiteral(TOOL_TEST_WORK "/") + name;
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// One run of the tool, the program's name put first.
struct ToolRun
{
    int status = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QStringList& arguments)
{
    ToolRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = tool::runTool(QStringList{QStringLiteral("positioner-tool")} + arguments, out, err);
    return run;
}
