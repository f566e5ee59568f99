// The report opened in a real browser: headless Chromium loads the page,
// renders it to a PNG and dumps the DOM it built.
#include "tooltestdata.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cmath>
#include <iostream>
#include <map>

namespace {

// An element of a drawing with what it inherits from the groups around it:
// the drawing is painted into SVG state by state, each state a group.
struct Shape
{
    QString element;
    std::map<QString, QString> attributes;
    QString text;

    QString operator[](const char* name) const
    {
        const auto found = attributes.find(QLatin1String(name));
        return found == attributes.end() ? QString() : found->second;
    }
    double number(const char* name) const { return (*this)[name].toDouble(); }
};

std::vector<Shape> shapesOf(const QString& svg)
{
    std::vector<Shape> shapes;
    std::vector<std::map<QString, QString>> groups{{}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            std::map<QString, QString> inherited = groups.back();
            for (const QXmlStreamAttribute& a : reader.attributes())
                inherited[a.qualifiedName().toString()] = a.value().toString();
            if (reader.name() == QLatin1String("g")) {
                groups.push_back(inherited);
            } else {
                const QString element = reader.name().toString();
                const QString text = element == QLatin1String("text") ? reader.readElementText() : QString();
                shapes.push_back({element, inherited, text});
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1String("g")) {
            groups.pop_back();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return shapes;
}

// Each drawing of a page, from its opening tag to its end.
QStringList drawingsOf(const QString& page)
{
    QStringList drawings;
    for (int at = page.indexOf(QLatin1String("<svg class=\"drawing\"")); at >= 0;
         at = page.indexOf(QLatin1String("<svg class=\"drawing\""), at + 1)) {
        const int end = page.indexOf(QLatin1String("</svg>"), at);
        drawings << page.mid(at, end < 0 ? -1 : end + 6 - at);
    }
    return drawings;
}

// Writes the report of the arguments to the work folder's page of that name,
// with the exit status given; the page's path.
QString writeReport(const QString& name, const QStringList& arguments, int status = tool::Clean)
{
    const QString page = toolWork(name);
    const ToolRun run = runTool(QStringList{"report", "-o", page} + arguments);
    EXPECT_EQ(run.status, status) << run.out.toStdString() << run.err.toStdString();
    return page;
}

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
    calibration.replace(calibration.indexOf("<UserFrame>0.0000", five), 17, "<UserFrame>1e9");
    const QString input = toolWork("calibration.xml");
    writeFile(input, calibration);

    // 1: the page lists the check's finding of the value written without decimals.
    const QString page = writeReport("report.html", {input, "--before", toolData("before.xml"), "--title",
                                                     "<script>document.write(1)</script> & \"so\""}, 1);
    const QString screenshot = toolWork("report.png");
    QFile::remove(screenshot);

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
    const QStringList drawings = drawingsOf(dom);
    ASSERT_EQ(drawings.size(), 3) << dom.left(2000).toStdString();
    const struct
    {
        const char* positioner;
        int now;
        int before;
    } expected[] = {{"1", 6, 6}, {"3", 6, 4}, {"5", 2, 0}};
    for (int k = 0; k < drawings.size(); ++k) {
        EXPECT_TRUE(drawings[k].contains(QStringLiteral(" data-positioner=\"%1\"").arg(expected[k].positioner)));
        // A frame's origin is a dot, faded for a frame as it was before.
        int now = 0, before = 0;
        for (const Shape& shape : shapesOf(drawings[k])) {
            if (shape.element == QLatin1String("circle") && shape.number("r") == 3.0)
                ++(shape.number("fill-opacity") < 1.0 ? before : now);
        }
        EXPECT_EQ(now, expected[k].now) << "drawing " << k;
        EXPECT_EQ(before, expected[k].before) << "drawing " << k;
    }

    // The drawings are proven by the DOM; the screenshot stays for a look.
    EXPECT_FALSE(QImage(screenshot).isNull()) << "no screenshot";
}

// What the page says of a positioner that the file alone leaves unclear: the
// axis values as the file writes them, the units, the legend's rows, the arrows.
TEST(ReportPage, ExplainsTheFilesAxisValuesUnitsAndDirections)
{
    const QString html =
        QString::fromUtf8(readAll(writeReport("explained.html", {toolData("after.xml"), "--axis-count", "6"})));
    // <Axes2Type>0</Axes2Type> and <Axes2Index>8</Axes2Index> with six robot axes.
    EXPECT_TRUE(html.contains(QStringLiteral(
        "axis 2: type 1, driven by external axis 2 (in the file: type 0, index 8 = 6 robot axes + 2)")));
    for (const char* column : {"<th>x (mm)</th>", "<th>c (°)</th>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(column))) << column;

    const QStringList drawings = drawingsOf(html);
    ASSERT_FALSE(drawings.isEmpty());
    const std::vector<Shape> shapes = shapesOf(drawings.front());
    // An arrowhead for every axis long enough to carry one, a letter for each
    // axis not seen end-on.
    int longEnough = 0, seenAlong = 0, arrowheads = 0, letters = 0;
    for (const Shape& shape : shapes) {
        if (shape.element == QLatin1String("polyline") && shape["stroke-width"] == QLatin1String("2")) {
            const QStringList ends = shape["points"].split(QRegularExpression(QStringLiteral("[ ,]")), Qt::SkipEmptyParts);
            ASSERT_EQ(ends.size(), 4) << shape["points"].toStdString();
            const double length = std::hypot(ends[2].toDouble() - ends[0].toDouble(), ends[3].toDouble() - ends[1].toDouble());
            longEnough += length >= 8.0;
            seenAlong += length >= 1.0;
        }
        arrowheads += shape.element == QLatin1String("path");
        letters += shape.element == QLatin1String("text") && QStringList({"x", "y", "z"}).contains(shape.text);
    }
    EXPECT_GT(longEnough, 0);
    EXPECT_EQ(arrowheads, longEnough);
    EXPECT_EQ(letters, seenAlong);

    // No letter of an axis stands on a view's title: each letter's top lies
    // below the titles' line.
    double titleLine = 0.0;
    for (const Shape& shape : shapes) {
        if (shape["font-size"] == QLatin1String("13") && shape.text.contains(QLatin1String(" view ")))
            titleLine = std::max(titleLine, shape.number("y") + 4.0);
    }
    ASSERT_GT(titleLine, 0.0);
    for (const Shape& shape : shapes) {
        if (shape.element == QLatin1String("text") && shape.text.size() == 1) {
            EXPECT_GT(shape.number("y") - 10.0, titleLine) << shape.text.toStdString() << " at " << shape.number("y");
        }
    }
}

// The legend's entries stand one after another as wide as their words are in
// the reader's language, wrapping before they would run into each other.
TEST(ReportPage, LegendEntriesNeverOverprintInAnyLanguage)
{
    if (!QDir(QStringLiteral(TOOL_TEST_TRANSLATIONS)).exists())
        GTEST_SKIP() << "no catalogues in this build (a cross build takes them from a native one)";
    const QFont font(QStringLiteral("sans-serif"));
    for (const char* language : {"en", "de", "it", "fr", "es", "ja", "zh_CN"}) {
        QTranslator translator;
        if (QLatin1String(language) != QLatin1String("en")) {
            ASSERT_TRUE(translator.load(QStringLiteral("positioner_%1").arg(QLatin1String(language)),
                                        QStringLiteral(TOOL_TEST_TRANSLATIONS)))
                << language;
            QCoreApplication::installTranslator(&translator);
        }
        const QString page = writeReport(QStringLiteral("legend-%1.html").arg(language),
                                         {toolData("after.xml"), "--before", toolData("before.xml")});
        QCoreApplication::removeTranslator(&translator);

        const std::vector<Shape> shapes = shapesOf(drawingsOf(QString::fromUtf8(readAll(page))).value(0));
        // The legend is what stands above the first view's panel.
        const auto panel = std::find_if(shapes.begin(), shapes.end(), [](const Shape& s) {
            return s.element == QLatin1String("rect") && s["fill"] == QLatin1String("#fafafa");
        });
        ASSERT_NE(panel, shapes.end());
        struct Box
        {
            double left, right, top;
        };
        std::vector<Box> boxes;
        for (auto shape = shapes.begin(); shape != panel; ++shape) {
            if (shape->element == QLatin1String("rect")) {
                boxes.push_back({shape->number("x"), shape->number("x") + shape->number("width"), shape->number("y")});
            } else if (shape->element == QLatin1String("text")) {
                QFont used(font);
                used.setPixelSize(shape->number("font-size") > 0 ? int(shape->number("font-size")) : 13);
                const double width = QFontMetricsF(used).horizontalAdvance(shape->text);
                boxes.push_back({shape->number("x"), shape->number("x") + width, shape->number("y") - 12});
            }
        }
        EXPECT_GE(boxes.size(), 7u) << language;  // three colours, their names and the note
        for (std::size_t k = 1; k < boxes.size(); ++k) {
            // On the same line, an entry starts after the one before ends.
            if (std::abs(boxes[k].top - boxes[k - 1].top) < 8.0) {
                EXPECT_GE(boxes[k].left, boxes[k - 1].right - 0.5) << language << " entry " << k;
            }
        }
        EXPECT_LE(std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                      return a.right < b.right;
                  })->right,
                  664.5)
            << language;
    }
}

}  // namespace
