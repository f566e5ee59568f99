// A whole calibration through the reference screen, the way an operator makes
// it: clicks and keys on the real widgets, in a real X server where one can be
// had. Screenshots of each step go to the build folder.
#include <calibrationscreen.h>
#include <frameview.h>
#include <groupassessment.h>
#include <positionerdata.h>
#include <screenwindow.h>
#include <simulatedcellpanel.h>
#include <sim/simulation.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

// Every text that does not get the room it needs: a label cut off at its end
// or bottom, a button, a box's title or a tab narrower than its text.
QStringList clippedTexts(QWidget* root)
{
    QStringList clipped;
    const auto report = [&](QWidget* w, const QString& text) {
        clipped << QStringLiteral("%1 \"%2\" has %3x%4")
                       .arg(w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName(),
                            text)
                       .arg(w->width())
                       .arg(w->height());
    };
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width() &&
                                                  label->sizeHint().height() <= label->height();
        if (!fits)
            report(label, label->text());
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() && button->sizeHint().width() > button->width())
            report(button, button->text());
        // A finger must be able to press it.
        if (qobject_cast<QPushButton*>(button) && button->isVisible() && button->height() < 40)
            report(button, QStringLiteral("(too small to touch)"));
    }
    for (QComboBox* combo : root->findChildren<QComboBox*>()) {
        if (combo->isVisible() && combo->sizeHint().width() > combo->width())
            report(combo, combo->currentText());
    }
    for (QGroupBox* box : root->findChildren<QGroupBox*>()) {
        if (box->isVisible() && box->fontMetrics().horizontalAdvance(box->title()) + 16 > box->width())
            report(box, box->title());
    }
    // Cut off sideways by what holds it: the pages scroll up and down only.
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool showsText = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                               qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
        const QRegion seen = w->visibleRegion();
        if (showsText && w->isVisible() && !seen.isEmpty() && seen.boundingRect().width() < w->width())
            report(w, QStringLiteral("(cut sideways)"));
    }
    for (QTabBar* tabs : root->findChildren<QTabBar*>()) {
        if (tabs->isVisible() && tabs->sizeHint().width() > tabs->width())
            report(tabs, tabs->tabText(tabs->currentIndex()));
    }
    return clipped;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    int painted = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class ScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void drawingShowsEveryDrawableFrameInBothViews_data();
    void drawingShowsEveryDrawableFrameInBothViews();
    void wholeCalibrationThroughTheWindow();
    void everyLanguageFitsWithoutClipping();
    void cleanupTestCase();

private:
    template <typename T>
    T* widget(const QString& name)
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }

    // Brings the page that holds w to the front, as the operator taps its tab,
    // and scrolls w into view.
    void showPageOf(QWidget* w)
    {
        QTabWidget* pages = window->findChild<QTabWidget*>();
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(w) && pages->currentIndex() != i)
                QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(i).center());
        }
        for (QWidget* parent = w->parentWidget(); parent; parent = parent->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(parent))
                area->ensureWidgetVisible(w);
        }
    }

    void click(const QString& name)
    {
        auto* button = widget<QAbstractButton>(name);
        showPageOf(button);
        QVERIFY2(button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Types a whole number into a spin box as the operator does.
    void type(const QString& name, int value)
    {
        auto* spin = widget<QSpinBox>(name);
        showPageOf(spin);
        QTest::mouseClick(spin, Qt::LeftButton);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QString::number(value));
        QTest::keyClick(spin, Qt::Key_Enter);
        QCOMPARE(spin->value(), value);
    }

    // Turns the positioner, touches what is chosen (0 the marker, 1 to 3 the
    // user frame's marks) and teaches point n.
    void touchAndTeach(int n, int axis1, int axis2, int mark)
    {
        touch(axis1, axis2, mark);
        click(QStringLiteral("teach%1").arg(n));
        QTRY_VERIFY(!screen().isBusy());
    }

    void touch(int axis1, int axis2, int mark)
    {
        type(QStringLiteral("jog1"), axis1);
        type(QStringLiteral("jog2"), axis2);
        auto* marks = widget<QComboBox>(QStringLiteral("mark"));
        marks->setFocus();
        QTest::keyClick(marks, Qt::Key_Home);
        for (int k = 0; k < mark; ++k)
            QTest::keyClick(marks, Qt::Key_Down);
        QCOMPARE(marks->currentIndex(), mark);
        click(QStringLiteral("touch"));
    }

    void teachGroup(int first, const int (&axes)[3][2], int mark = 0)
    {
        for (int k = 0; k < 3; ++k)
            touchAndTeach(first + k, axes[k][0], axes[k][1], mark);
    }

    // Answers the question the next click raises with the button `answer`.
    void answerNextQuestion(const QString& answer)
    {
        auto* poll = new QTimer(this);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, this, [this, poll, answer] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* button = modal->findChild<QAbstractButton*>(answer)) {
                    questionsAnswered << answer;
                    QTest::mouseClick(button, Qt::LeftButton);
                    poll->deleteLater();
                }
            }
        });
        poll->start();
    }

    // A screenshot of the step, whose texts all have the room they need.
    void shoot(const QString& name)
    {
        QApplication::processEvents();
        const QStringList clipped = clippedTexts(window.get());
        QVERIFY2(clipped.isEmpty(), qPrintable(name + QLatin1String(": ") + clipped.join(QLatin1String("; "))));
        QVERIFY(window->grab().save(QDir(shots).filePath(name + QStringLiteral(".png"))));
    }

    QString text(const QString& name) { return widget<QLabel>(name)->text(); }
    CalibrationScreen& screen() { return window->screen(); }

    std::unique_ptr<SimulatedController> controller;
    std::unique_ptr<ScreenWindow> window;
    PositionerData* positioner = nullptr;
    QString shots = QStringLiteral(SCREEN_TEST_SHOTS);
    QStringList questionsAnswered;
};

void ScreenTest::initTestCase()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        qWarning("No X server (xvfb-run not found): the screen runs on the offscreen platform.");
    QDir().mkpath(shots);
    // A cell that no earlier run has calibrated.
    for (const QString& root : {sim::Files::instance().pendantRoot(), sim::Files::instance().controllerRoot()})
        QDir(root).removeRecursively();
    controller = std::make_unique<SimulatedController>();
    positioner = PositionerData::getInstance();
    positioner->setUsedVars_positioner(true);
    positioner->setUsedVars_currentposID(true);
    positioner->setMaxAuxjNum(2);
    window = std::make_unique<ScreenWindow>(*positioner, QStringList{QStringLiteral(SCREEN_TEST_TRANSLATIONS)});
    window->resize(1024, 768);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// The frames of a scene, and which of them must be seen: a frame the file
// could hold but no cell has must neither be drawn nor spoil the others' scale.
using Frames = std::vector<FrameDrawing::Frame>;
Q_DECLARE_METATYPE(Frames)

void ScreenTest::drawingShowsEveryDrawableFrameInBothViews_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<int>("drawn");
    QTest::newRow("a cell") << Frames{{1200, -300, 519, 60, 0, 0}, {1210, -198, 657, 96, 57, 22}, {1229, -232, 700, -74, -54, -30}} << 3;
    QTest::newRow("all at one place") << Frames{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 90, 0}, {0, 0, 0, 90, 0, 0}} << 3;
    QTest::newRow("one not a number") << Frames{{1200, -300, 519, 60, 0, 0}, {nan, 0, 0, 0, 0, 0}, {1229, -232, 700, -74, -54, -30}} << 2;
    QTest::newRow("one out of reach") << Frames{{1200, -300, 519, 60, 0, 0}, {1e300, 0, 0, 0, 0, 0}, {1229, -232, 700, -74, -54, -30}} << 2;
}

void ScreenTest::drawingShowsEveryDrawableFrameInBothViews()
{
    QFETCH(Frames, frames);
    QFETCH(int, drawn);
    const QColor colours[] = {FrameDrawing::axis1Colour(), FrameDrawing::axis2Colour(), FrameDrawing::userFrameColour()};
    FrameDrawing::Scene scene;
    for (std::size_t k = 0; k < frames.size(); ++k)
        scene.frames.push_back({frames[k], QStringLiteral("frame %1").arg(k), colours[k], false});
    QImage image(FrameDrawing::naturalSize().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    FrameDrawing::paint(painter, QRectF(image.rect()), scene);
    painter.end();

    // A frame is seen in a view when its colour shows below the legend in that half.
    const auto seen = [&image](const QColor& colour, int fromX, int toX) {
        for (int y = 40; y < image.height(); ++y) {
            for (int x = fromX; x < toX; ++x) {
                if (image.pixelColor(x, y) == colour)
                    return true;
            }
        }
        return false;
    };
    int seenInBoth = 0;
    for (std::size_t k = 0; k < frames.size(); ++k)
        seenInBoth += seen(colours[k], 0, image.width() / 2) && seen(colours[k], image.width() / 2, image.width());
    QCOMPARE(seenInBoth, drawn);
}

void ScreenTest::wholeCalibrationThroughTheWindow()
{
    using PositionerAdvisor::Verdict;
    using PositionerAdvisor::verdictName;
    // Positioner 1, axis 1 on the first external axis, axis 2 on the second.
    type(QStringLiteral("type1"), 2);
    type(QStringLiteral("type2"), 1);
    type(QStringLiteral("index1"), 1);
    type(QStringLiteral("index2"), 2);
    QCOMPARE(positioner->parms[0].axes1Type, 2);
    QCOMPARE(positioner->parms[0].axes2Index, 1);
    shoot(QStringLiteral("01-setup"));

    // Axis 1 taught in a hurry: the advisor flags it before anything is
    // calculated, and the operator chooses to teach again.
    teachGroup(1, {{0, 0}, {6, 0}, {12, 0}});
    QVERIFY2(text(QStringLiteral("verdict0")).contains(verdictName(Verdict::Poor)),
             qPrintable(text(QStringLiteral("verdict0"))));
    shoot(QStringLiteral("02-axis1-poor"));
    const PositionerParm before = positioner->parms[0];
    answerNextQuestion(QStringLiteral("teachAgain"));
    click(QStringLiteral("calculate0"));
    QCOMPARE(questionsAnswered, QStringList{QStringLiteral("teachAgain")});
    QVERIFY(positioner->positionerDataIsEqual(positioner->parms[0], const_cast<PositionerParm&>(before)));

    teachGroup(1, {{0, 0}, {90, 0}, {180, 0}});
    QVERIFY2(text(QStringLiteral("verdict0")).contains(verdictName(Verdict::Good)),
             qPrintable(text(QStringLiteral("verdict0"))));
    click(QStringLiteral("calculate0"));
    QVERIFY(!text(QStringLiteral("outcome")).isEmpty());
    QCOMPARE(questionsAnswered.size(), 1);
    teachGroup(4, {{30, 0}, {30, 90}, {30, 180}});
    click(QStringLiteral("calculate1"));
    shoot(QStringLiteral("03-axes"));

    // The positioner turned before the mark on x: refused, and said why.
    touchAndTeach(7, 30, 180, 1);
    touchAndTeach(8, 40, 180, 2);
    QCOMPARE(text(QStringLiteral("state8")), CalibrationScreen::tr("refused"));
    QVERIFY(widget<QLabel>(QStringLiteral("advice8"))->isVisible());
    QVERIFY(text(QStringLiteral("advice8")).length() > 20);
    shoot(QStringLiteral("04-refused"));
    touchAndTeach(8, 30, 180, 2);
    QVERIFY(!widget<QLabel>(QStringLiteral("advice8"))->isVisible());
    // The last point from the keyboard: the tab chain leads from the cell's
    // panel to its Teach button.
    window->activateWindow();  // back from the question's box
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    touch(30, 180, 3);
    auto* teach9 = widget<QPushButton>(QStringLiteral("teach9"));
    for (int k = 0; k < 80 && QApplication::focusWidget() && QApplication::focusWidget() != teach9; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), teach9);
    QTest::keyClick(teach9, Qt::Key_Space);
    QTRY_VERIFY(!screen().isBusy());
    QCOMPARE(text(QStringLiteral("state9")), CalibrationScreen::tr("taught"));

    // While the controller calculates the user frame, the operator presses
    // whatever is there: nothing starts, nothing changes.
    const int teachRequests = controller->controller().requests(QStringLiteral("ipos.bteachpoint"));
    const TeachedPoint first = positioner->teachedPoints[0];
    bool sawBusy = false;
    QTimer::singleShot(400, this, [&] {
        sawBusy = screen().isBusy() && widget<QWidget>(QStringLiteral("busy"))->isVisible();
        for (const char* name : {"teach1", "clear4", "calculate0", "calculate2", "writeSend", "touch", "register"})
            QTest::mouseClick(widget<QAbstractButton>(QLatin1String(name)), Qt::LeftButton);
        QTest::keyClick(widget<QSpinBox>(QStringLiteral("jog1")), Qt::Key_Up);
        QVERIFY(!window->menuBar()->isEnabled());
        shoot(QStringLiteral("05-calculating"));
    });
    PaintCounter busyPaints;
    widget<QWidget>(QStringLiteral("busy"))->installEventFilter(&busyPaints);
    click(QStringLiteral("calculate2"));
    QVERIFY(sawBusy);
    // The controller takes 0.9 s: the indicator turned all the while.
    QVERIFY2(busyPaints.painted > 20, qPrintable(QString::number(busyPaints.painted)));
    QVERIFY(!screen().isBusy());
    QCOMPARE(controller->controller().requests(QStringLiteral("ipos.bteachpoint")), teachRequests);
    QCOMPARE(controller->controller().requests(QStringLiteral("ipos.calculate_user")), 1);
    QVERIFY(std::equal(std::begin(first.values), std::end(first.values), positioner->teachedPoints[0].values));
    QCOMPARE(widget<QSpinBox>(QStringLiteral("jog1"))->value(), 30);
    QVERIFY(window->menuBar()->isEnabled());

    // The calibrated frames meet the cell's true ones.
    const PositionerParm& record = positioner->parms[0];
    const std::array<cellsim::Frame, 4> truth = window->panel().trueFrames();
    const double(*frames[])[6] = {&record.axes1Frame, &record.axes2Frame, &record.axes2FrameToBase,
                                  &record.userFrame};
    for (std::size_t k = 0; k < 4; ++k) {
        const cellsim::Frame calibrated{(*frames[k])[0], (*frames[k])[1], (*frames[k])[2],
                                        (*frames[k])[3], (*frames[k])[4], (*frames[k])[5]};
        QVERIFY2(cellsim::positionError(calibrated, truth[k]) <= 0.5, qPrintable(QString::number(k)));
        QVERIFY2(cellsim::angleError(calibrated, truth[k]) <= 0.1, qPrintable(QString::number(k)));
    }
    QVERIFY(text(QStringLiteral("errors")).contains(QLatin1String(" mm")));
    showPageOf(screen().frameView());
    shoot(QStringLiteral("06-frames"));

    // Written, sent, read by the controller; a failed transfer says so and
    // changes nothing the operator relies on.
    sim::Files::instance().failNextSends(1);
    click(QStringLiteral("writeSend"));
    // What failed, then the library's reason: which call, and the refused send.
    const QStringList failure = text(QStringLiteral("outcome")).split(QLatin1Char('\n'));
    QCOMPARE(failure.value(0), CalibrationScreen::tr("The calibration file could not be sent."));
    QVERIFY2(failure.value(1).startsWith(QLatin1String("sendFileToCtrl")), qPrintable(failure.value(1)));
    QVERIFY(text(QStringLiteral("changed")).contains(QLatin1String("1")));
    click(QStringLiteral("writeSend"));
    QCOMPARE(text(QStringLiteral("outcome")), CalibrationScreen::tr("The calibration file is written and sent."));
    QCOMPARE(text(QStringLiteral("changed")),
             CalibrationScreen::tr("No positioner changed since the calibration file was read."));
    const int reads = controller->reader().reads();
    click(QStringLiteral("controllerReads"));
    QTRY_COMPARE(controller->reader().reads(), reads + 1);
    QVERIFY(!controller->reader().loaded().empty());
    for (int k = 0; k < 6; ++k)
        QCOMPARE(controller->reader().loaded()[0].userFrame[k], record.userFrame[k]);

    // wobj_dyn0 follows positioner 1 and becomes the active work object.
    click(QStringLiteral("register"));
    QCOMPARE(text(QStringLiteral("outcome")), CalibrationScreen::tr("wobj_dyn0 follows positioner %1.").arg(1));
    const sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    QVERIFY(!editor.dynRefSystems().empty());
    click(QStringLiteral("saveFrames"));
    QCOMPARE(text(QStringLiteral("outcome")), CalibrationScreen::tr("The object frames are saved."));
    click(QStringLiteral("wobj_dyn0"));
    QCOMPARE(text(QStringLiteral("outcome")), CalibrationScreen::tr("%1 is the active work object.").arg("wobj_dyn0"));
    QCOMPARE(editor.activeRefSys(), editor.dynRefSystems().back().id);
    QCOMPARE(positioner->getCurrentActivedPos(), 1);
    shoot(QStringLiteral("07-saved"));
}

// Each language at both screen sizes, every page: the window keeps the size it
// is given and no text is cut.
void ScreenTest::everyLanguageFitsWithoutClipping()
{
    QTabWidget* pages = window->findChild<QTabWidget*>();
    const QString englishOutcome = text(QStringLiteral("outcome"));
    for (const QString& code : Languages::codes()) {
        window->languageAction(code)->trigger();
        QCOMPARE(window->languages().current(), code);
        QApplication::processEvents();
        // Everything at once, the last outcome too.
        if (code != QLatin1String("en")) {
            QVERIFY2(pages->tabText(0) != QLatin1String("Set up"), qPrintable(code));
            QVERIFY2(text(QStringLiteral("outcome")) != englishOutcome, qPrintable(code));
        }
        for (const QSize size : {QSize(1024, 768), QSize(800, 600)}) {
            window->resize(size);
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QApplication::processEvents();
                QCOMPARE(window->size(), size);
                const QStringList clipped = clippedTexts(window.get());
                QVERIFY2(clipped.isEmpty(), qPrintable(code + QLatin1String(": ") + clipped.join(QLatin1String("; "))));
                if (page == 1 && size.width() == 800)
                    shoot(QStringLiteral("teach-800x600-") + code);
            }
        }
    }
    window->languageAction(QStringLiteral("en"))->trigger();
}

void ScreenTest::cleanupTestCase()
{
    window.reset();
    PositionerData::destroy();
    controller.reset();
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
