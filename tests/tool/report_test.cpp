// The report opened in a real browser: headless Chromium loads the page,
// renders it to a PNG and dumps the DOM it built.
#include "tooltestdata.h"

#include <commands.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <iostream>

namespace {

// Pixels of this colour, give or take a little antialiasing.
int pixelsNear(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) < 30)
                ++count;
        }
    }
    return count;
}

TEST(ReportInBrowser, LoadsCleanlyAndDrawsTheFramesOfEachPositionerInUse)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed here; `make test` installs the Debian package chromium";

    const QString page = toolWork("report.html");
    const QString screenshot = toolWork("report.png");
    QFile::remove(screenshot);
    QString out;
    QTextStream stream(&out);
    ASSERT_EQ(tool::runTool({"positioner-tool", "report", toolData("after.xml"), "--before", toolData("before.xml"),
                             "-o", page},
                            stream, stream),
              0)
        << out.toStdString();

    QTemporaryDir profile(toolWork("chromium-XXXXXX"));
    ASSERT_TRUE(profile.isValid());
    QProcess browser;
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                             "--disable-background-networking", "--disable-component-update", "--disable-sync",
                             "--user-data-dir=" + profile.path(), "--enable-logging=stderr", "--v=0",
                             "--window-size=1000,1700", "--screenshot=" + screenshot, "--dump-dom",
                             "file://" + page});
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(browser.waitForFinished(50000)) << "chromium did not finish";
    std::cout << "chromium took " << timer.elapsed() << " ms\n";
    ASSERT_EQ(browser.exitStatus(), QProcess::NormalExit);
    const QString log = QString::fromUtf8(browser.readAllStandardError());
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());

    // Console messages (a blocked load, a script error) reach the log as
    // CONSOLE lines.
    for (const QString& line : log.split(QLatin1Char('\n'))) {
        EXPECT_FALSE(line.contains(QLatin1String(":CONSOLE")) || line.contains(QLatin1String("Uncaught")))
            << line.toStdString();
    }

    // Positioners 1 and 3 are in use; each drawing shows axis 1, axis 2 and
    // the user frame in two views, and faded the frames in use before (axis
    // 2 of positioner 3 was not).
    const QStringList drawings = dom.split(QStringLiteral("<svg class=\"drawing\""));
    ASSERT_EQ(drawings.size(), 3) << dom.left(2000).toStdString();
    const struct
    {
        const char* positioner;
        int before;
    } expected[] = {{"1", 6}, {"3", 4}};
    for (int k = 1; k < drawings.size(); ++k) {
        const QString svg = drawings[k].left(drawings[k].indexOf(QLatin1String("</svg>")));
        EXPECT_TRUE(svg.startsWith(QStringLiteral(" data-positioner=\"%1\"").arg(expected[k - 1].positioner)));
        EXPECT_EQ(svg.count(QLatin1String("<g class=\"frame\"")), 6) << "drawing " << k;
        EXPECT_EQ(svg.count(QLatin1String("<g class=\"frame-before\"")), expected[k - 1].before) << "drawing " << k;
    }

    const QImage image(screenshot);
    ASSERT_FALSE(image.isNull()) << "no screenshot";
    const int white = pixelsNear(image, qRgb(255, 255, 255));
    EXPECT_LT(white, image.width() * image.height() * 97 / 100) << "the page is nearly blank";
    // The coloured axes of axis 1, axis 2 and the user frame were drawn.
    for (const QRgb colour : {qRgb(0xd9, 0x5f, 0x02), qRgb(0x75, 0x70, 0xb3), qRgb(0x1b, 0x9e, 0x77)})
        EXPECT_GT(pixelsNear(image, colour), 200) << std::hex << colour;
}

}  // namespace
