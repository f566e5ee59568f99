#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

// A date comment written between before and after, to the second.
inline void expectDateComment(const QString& line, const QDateTime& before, const QDateTime& after)
{
    static const QRegularExpression form(
        QStringLiteral("^<!-- Date\\(ymd\\)/time\\(hms\\) (\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d) -->$"));
    const QRegularExpressionMatch match = form.match(line);
    ASSERT_TRUE(match.hasMatch()) << qPrintable(line);
    const QDateTime written = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    EXPECT_GE(written.toSecsSinceEpoch(), before.toSecsSinceEpoch()) << qPrintable(line);
    EXPECT_LE(written.toSecsSinceEpoch(), after.toSecsSinceEpoch()) << qPrintable(line);
}
