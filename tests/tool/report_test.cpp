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

TEST(ReportInBrowser, LoadsCleanlyAndDrawsTheFramesOfEachPositionerInUse)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed here; `make test` installs the Debian package chromium";

    // Positioner 5 comes into use with a user frame no drawing can show; the
    // title would run a script if it were not escaped.
    QByteArray calibration = readAll(toolData("after.xml"));
    const int five = calibration.indexOf("<Positioner id=\"5\">");
    calibration.replace(calibration.indexOf("<Axes1Type>-1<", five), 14, "<Axes1Type>0<");
    calibration.replace(calibration.indexOf("<Axes1Index>0<", five), 14, "<Axes1Index>9<");
    calibration.replace(calibration.indexOf("<EnableAxesNum>0<", five), 17, "<EnableAxesNum>1<");
    calibration.replace(calibration.indexOf("<UserFrame>0.0000", five), 17, "<UserFrame>inf");
    const QString input = toolWork("calibration.xml");
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(calibration) == calibration.size());
    file.close();

    const QString page = toolWork("report.html");
    const QString screenshot = toolWork("report.png");
    QFile::remove(screenshot);
    QString out;
    QTextStream stream(&out);
    // 1: the page lists the check's finding of the infinite value.
    ASSERT_EQ(tool::runTool({"positioner-tool", "report", input, "--before", toolData("before.xml"), "-o", page,
                             "--title", "<script>document.write(1)</script> & \"so\""},
                            stream, stream),
              1)
        << out.toStdString();

    QTemporaryDir profile(toolWork("chromium-XXXXXX"));
    ASSERT_TRUE(profile.isValid());
    QProcess browser;
    // No session bus here: without this, the browser spends its start asking for one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    browser.setProcessEnvironment(environment);
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                             "--disable-background-networking", "--disable-component-update", "--disable-sync",
                             "--user-data-dir=" + profile.path(), "--enable-logging=stderr", "--v=0",
                             "--disable-extensions", "--mute-audio", "--disable-software-rasterizer",
                             "--window-size=1000,1200", "--screenshot=" + screenshot, "--dump-dom",
                             "file://" + page});
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(browser.waitForFinished(100000)) << "chromium did not finish";
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

    // Positioners 1, 3 and 5 are in use; each drawing shows the frames in use
    // in two views, and faded the frames in use before.
    EXPECT_TRUE(dom.contains(QLatin1String("<h1>&lt;script&gt;document.write(1)&lt;/script&gt; &amp; \"so\"</h1>")));
    const QStringList drawings = dom.split(QStringLiteral("<svg class=\"drawing\""));
    ASSERT_EQ(drawings.size(), 4) << dom.left(2000).toStdString();
    const struct
    {
        const char* positioner;
        int now;
        int before;
    } expected[] = {{"1", 6, 6}, {"3", 6, 4}, {"5", 2, 0}};
    for (int k = 1; k < drawings.size(); ++k) {
        const QString svg = drawings[k].left(drawings[k].indexOf(QLatin1String("</svg>")));
        EXPECT_TRUE(svg.startsWith(QStringLiteral(" data-positioner=\"%1\"").arg(expected[k - 1].positioner)));
        EXPECT_EQ(svg.count(QLatin1String("<g class=\"frame\"")), expected[k - 1].now) << "drawing " << k;
        EXPECT_EQ(svg.count(QLatin1String("<g class=\"frame-before\"")), expected[k - 1].before) << "drawing " << k;
    }

    // The drawings are proven by the DOM; the screenshot stays for a look.
    EXPECT_FALSE(QImage(screenshot).isNull()) << "no screenshot";
}

}  // namespace
