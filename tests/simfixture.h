#pragma once

#include <positionerdata.h>
#include <sim/simulation.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Every write of a controller variable while it lives, as "name=value".
class WriteLog
{
public:
    WriteLog()
    {
        id_ = sim::VariableStore::instance().observe([this](const QString& name, const QVariant& value) {
            entries_ << name + QLatin1Char('=') + value.toString();
        });
    }
    ~WriteLog() { sim::VariableStore::instance().unobserve(id_); }
    WriteLog(const WriteLog&) = delete;
    WriteLog& operator=(const WriteLog&) = delete;

    const QStringList& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    int id_ = 0;
    QStringList entries_;
};

// A fresh simulated pendant and controller with empty file trees, and no
// instance of the library yet.
class SimulatedCell : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PositionerData::destroy();
        sim::resetAll();
        QDir(sim::Files::instance().pendantRoot()).removeRecursively();
        QDir(sim::Files::instance().controllerRoot()).removeRecursively();
    }

    void TearDown() override
    {
        PositionerData::destroy();
        // What the platform would answer there is undefined, whatever the test.
        EXPECT_EQ(sim::VariableStore::instance().strayElementAccesses(), 0)
            << "an element outside its vector was read or written";
    }

    static QString positionerDir()
    {
        return RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true);
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
        file.write(bytes);
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// The same, with the library's instance made.
class PositionerCell : public SimulatedCell
{
protected:
    void SetUp() override
    {
        SimulatedCell::SetUp();
        d = PositionerData::getInstance();
    }

    PositionerData* d = nullptr;
};
