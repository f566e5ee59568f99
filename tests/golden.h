// Files compared byte for byte with their golden copies in tests/data, and the
// date stamp that every file the library writes carries.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <ctime>

inline QByteArray goldenFile(const char* name)
{
    QFile file(QStringLiteral(POSITIONER_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

// Local time in a zone where it is now mid-afternoon, so that a stamp on a
// 12-hour clock cannot pass for the time of writing.
class AfternoonClock
{
public:
    AfternoonClock() : saved_(qgetenv("TZ")), wasSet_(qEnvironmentVariableIsSet("TZ"))
    {
        const int hoursEast = (15 - QDateTime::currentDateTimeUtc().time().hour() + 24) % 24;
        qputenv("TZ", "AFT-" + QByteArray::number(hoursEast));
        tzset();
        started_ = QDateTime::currentDateTimeUtc();
    }
    ~AfternoonClock()
    {
        if (wasSet_)
            qputenv("TZ", saved_);
        else
            qunsetenv("TZ");
        tzset();
    }
    AfternoonClock(const AfternoonClock&) = delete;
    AfternoonClock& operator=(const AfternoonClock&) = delete;

    // The text with every date stamp replaced by its format, each checked to
    // be the local time of writing, since this clock was set.
    QByteArray withDatesMasked(const QByteArray& bytes) const
    {
        static const QRegularExpression stamp(
            QStringLiteral("Date\\(ymd\\)/time\\(hms\\) (\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d)"));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QString text = QString::fromUtf8(bytes);
        for (QRegularExpressionMatch match = stamp.match(text); match.hasMatch(); match = stamp.match(text)) {
            const qint64 written =
                QDateTime::fromString(match.captured(1), QStringLiteral("yyyy/MM/dd hh:mm:ss")).toSecsSinceEpoch();
            EXPECT_GE(written, started_.toSecsSinceEpoch()) << qPrintable(match.captured(1));
            EXPECT_LE(written, now) << qPrintable(match.captured(1));
            text.replace(match.capturedStart(1), match.capturedLength(1), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
        }
        return text.toUtf8();
    }

private:
    QByteArray saved_;
    bool wasSet_;
    QDateTime started_;
};
