// Where the tool's tests find their files and keep what they write.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

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
