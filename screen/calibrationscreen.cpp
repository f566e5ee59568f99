#include "calibrationscreen.h"

#include "busyindicator.h"
#include "frameview.h"

#include <commands.h>
#include <groupassessment.h>
#include <pointexplanation.h>
#include <positionerdata.h>
#include <positionerdiagnostics.h>
#include <dataaccess/dataaccess.h>
#include <rtmcore/rtmcustomrvar.h>

#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int positionerCount = 10;
constexpr int externalAxes = 6;
// The controller's copy of the calibration file.
const char* const controllerCalibrationFile = "/Application/positioner/positionercalibframepar.xml";

// A page that scrolls up and down when the screen is short, never sideways.
QWidget* scrolling(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

QLabel* wrappingLabel()
{
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString colourOf(PositionerAdvisor::Verdict verdict)
{
    switch (verdict) {
    case PositionerAdvisor::Verdict::Good: return QStringLiteral("#1a7f37");
    case PositionerAdvisor::Verdict::Marginal: return QStringLiteral("#9a6700");
    case PositionerAdvisor::Verdict::Poor: return QStringLiteral("#cf222e");
    default: return QStringLiteral("#57606a");
    }
}

int firstPoint(int group) { return 3 * group + 1; }
int groupOf(int n) { return (n - 1) / 3; }

}  // namespace

QString touchStyleSheet()
{
    return QStringLiteral("QPushButton, QAbstractSpinBox, QComboBox { min-height: 40px; padding: 0 12px; }"
                          "QRadioButton::indicator { width: 28px; height: 28px; }"
                          "QTabBar::tab { min-height: 40px; padding: 0 12px; }");
}

void prepareScreenApplication()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

QString failureText(const QString& operationMessage, const QString& reason)
{
    if (reason.isEmpty())
        return operationMessage;
    // A path breaks at its slashes when the line is short.
    return operationMessage + QLatin1Char('\n') + QString(reason).replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
}

CalibrationScreen::CalibrationScreen(PositionerData& positioner, QWidget* parent)
    : QWidget(parent), positioner_(positioner)
{
    pages_ = new QTabWidget;
    pages_->addTab(scrolling(buildSetupPage()), QString());
    pages_->addTab(scrolling(buildTeachPage()), QString());
    pages_->addTab(buildFramesPage(), QString());
    pages_->addTab(scrolling(buildSavePage()), QString());

    busyIndicator_ = new BusyIndicator;
    busyIndicator_->setObjectName(QStringLiteral("busy"));
    busyText_ = wrappingLabel();
    outcome_ = wrappingLabel();
    outcome_->setObjectName(QStringLiteral("outcome"));
    auto* status = new QHBoxLayout;
    status->addWidget(busyIndicator_, 0, Qt::AlignTop);
    status->addWidget(busyText_, 1);
    status->addWidget(outcome_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(status);

    selectPositioner(positioner_.getPositionerID());
    retranslate();
}

QWidget* CalibrationScreen::buildSetupPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    positionerNumber_ = new QSpinBox;
    positionerNumber_->setObjectName(QStringLiteral("positioner"));
    positionerNumber_->setRange(1, positionerCount);
    positionerLabel_ = new QLabel;
    form->addRow(positionerLabel_, positionerNumber_);
    connect(positionerNumber_, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int number) { selectPositioner(number - 1); });

    for (int axis = 0; axis < 2; ++axis) {
        types_[axis] = new QSpinBox;
        types_[axis]->setObjectName(QStringLiteral("type%1").arg(axis + 1));
        types_[axis]->setRange(0, 9);
        indices_[axis] = new QSpinBox;
        indices_[axis]->setObjectName(QStringLiteral("index%1").arg(axis + 1));
        indices_[axis]->setRange(1, externalAxes);
        typeLabels_[axis] = new QLabel;
        indexLabels_[axis] = new QLabel;
        form->addRow(typeLabels_[axis], types_[axis]);
        form->addRow(indexLabels_[axis], indices_[axis]);
        connect(types_[axis], QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { storeAxisSetup(); });
        connect(indices_[axis], QOverload<int>::of(&QSpinBox::valueChanged), this, [this] { storeAxisSetup(); });
    }

    compared_ = new QSpinBox;
    compared_->setObjectName(QStringLiteral("compared"));
    compared_->setRange(1, externalAxes);
    compared_->setValue(positioner_.maxAuxjNum);
    comparedLabel_ = new QLabel;
    form->addRow(comparedLabel_, compared_);
    connect(compared_, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int count) { positioner_.setMaxAuxjNum(count); });
    return page;
}

QWidget* CalibrationScreen::buildTeachPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (int group = 0; group < 3; ++group) {
        GroupBox& g = groups_[std::size_t(group)];
        g.box = new QGroupBox;
        auto* rows = new QVBoxLayout(g.box);
        for (int k = 0; k < 3; ++k) {
            const int n = firstPoint(group) + k;
            PointRow& row = points_[std::size_t(n - 1)];
            row.name = new QLabel;
            row.teach = new QPushButton;
            row.teach->setObjectName(QStringLiteral("teach%1").arg(n));
            row.clear = new QPushButton;
            row.clear->setObjectName(QStringLiteral("clear%1").arg(n));
            row.state = new QLabel;
            row.state->setObjectName(QStringLiteral("state%1").arg(n));
            row.position = wrappingLabel();
            row.advice = wrappingLabel();
            row.advice->setObjectName(QStringLiteral("advice%1").arg(n));
            row.advice->setStyleSheet(QStringLiteral("color: #cf222e"));
            auto* line = new QHBoxLayout;
            line->addWidget(row.name);
            line->addWidget(row.teach);
            line->addWidget(row.clear);
            line->addWidget(row.state, 1);
            rows->addLayout(line);
            rows->addWidget(row.position);
            rows->addWidget(row.advice);
            connect(row.teach, &QPushButton::clicked, this, [this, n] { teach(n); });
            connect(row.clear, &QPushButton::clicked, this, [this, n] { clearPoint(n); });
        }
        g.verdict = wrappingLabel();
        g.verdict->setObjectName(QStringLiteral("verdict%1").arg(group));
        g.frame = wrappingLabel();
        g.calculate = new QPushButton;
        g.calculate->setObjectName(QStringLiteral("calculate%1").arg(group));
        connect(g.calculate, &QPushButton::clicked, this, [this, group] { calculate(group); });
        rows->addWidget(g.verdict);
        auto* result = new QHBoxLayout;
        result->addWidget(g.calculate, 0, Qt::AlignTop);
        result->addWidget(g.frame, 1);
        rows->addLayout(result);
        layout->addWidget(g.box);
    }
    layout->addStretch();
    return page;
}

QWidget* CalibrationScreen::buildFramesPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    frameView_ = new FrameView;
    layout->addWidget(frameView_, 1);
    auto* grid = new QGridLayout;
    for (int k = 0; k < 4; ++k) {
        frameNames_[k] = new QLabel;
        frameValues_[k] = wrappingLabel();
        grid->addWidget(frameNames_[k], k, 0);
        grid->addWidget(frameValues_[k], k, 1);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    return page;
}

QWidget* CalibrationScreen::buildSavePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    changed_ = wrappingLabel();
    changed_->setObjectName(QStringLiteral("changed"));
    layout->addWidget(changed_);
    const auto button = [&](QPushButton*& b, const char* name, void (CalibrationScreen::*action)()) {
        b = new QPushButton;
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, action);
        layout->addWidget(b);
    };
    button(writeSend_, "writeSend", &CalibrationScreen::writeAndSend);
    button(controllerReads_, "controllerReads", &CalibrationScreen::askControllerToRead);
    button(report_, "report", &CalibrationScreen::writeReport);
    button(register_, "register", &CalibrationScreen::registerDynamicWorkObject);
    button(saveFrames_, "saveFrames", &CalibrationScreen::saveObjectFrames);
    button(rewriteProgram_, "rewriteProgram", &CalibrationScreen::rewriteUserFrameProgram);

    activeBox_ = new QGroupBox;
    auto* active = new QHBoxLayout(activeBox_);
    wobj0_ = new QRadioButton(QStringLiteral("wobj0"));
    wobj0_->setObjectName(QStringLiteral("wobj0"));
    wobjDyn0_ = new QRadioButton(QStringLiteral("wobj_dyn0"));
    wobjDyn0_->setObjectName(QStringLiteral("wobj_dyn0"));
    activeGroup_ = new QButtonGroup(this);
    activeGroup_->addButton(wobj0_, 0);
    activeGroup_->addButton(wobjDyn0_, 1);
    active->addWidget(wobj0_);
    active->addWidget(wobjDyn0_);
    active->addStretch();
    connect(activeGroup_, &QButtonGroup::idClicked, this,
            &CalibrationScreen::activateWorkObject);
    layout->addWidget(activeBox_);
    layout->addStretch();
    return page;
}

void CalibrationScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void CalibrationScreen::retranslate()
{
    pages_->setTabText(0, tr("Set up"));
    pages_->setTabText(1, tr("Teach"));
    pages_->setTabText(2, tr("Frames"));
    pages_->setTabText(3, tr("Save and use"));

    positionerLabel_->setText(tr("Positioner"));
    for (int axis = 0; axis < 2; ++axis) {
        typeLabels_[axis]->setText(tr("Type of axis %1").arg(axis + 1));
        types_[axis]->setSpecialValueText(tr("not in use"));
        indexLabels_[axis]->setText(tr("External axis driving axis %1").arg(axis + 1));
    }
    comparedLabel_->setText(tr("External axes compared"));

    const QString groupTitles[] = {tr("Axis 1: points 1 to 3"), tr("Axis 2: points 4 to 6"),
                                   tr("User frame: points 7 to 9")};
    for (int group = 0; group < 3; ++group) {
        groups_[std::size_t(group)].box->setTitle(groupTitles[group]);
        groups_[std::size_t(group)].calculate->setText(tr("Calculate"));
    }
    for (int n = 1; n <= 9; ++n) {
        PointRow& row = points_[std::size_t(n - 1)];
        row.name->setText(tr("Point %1").arg(n));
        row.teach->setText(tr("Teach"));
        row.clear->setText(tr("Clear"));
    }
    const QString frameNames[] = {tr("Axis 1"), tr("Axis 2"), tr("Axis 2 to base"), tr("User frame")};
    for (int k = 0; k < 4; ++k)
        frameNames_[k]->setText(frameNames[k]);

    writeSend_->setText(tr("Write and send the calibration file"));
    controllerReads_->setText(tr("Have the controller read it"));
    report_->setText(tr("Write the report"));
    register_->setText(tr("Register wobj_dyn0"));
    saveFrames_->setText(tr("Save the object frames"));
    rewriteProgram_->setText(tr("Rewrite the user-frame program"));
    activeBox_->setTitle(tr("Active work object"));
    showOutcomeText();
    // The advisor's sentences and the numbers are made anew in the new language.
    for (int n = 1; n <= 9; ++n) {
        PointRow& row = points_[std::size_t(n - 1)];
        if (row.status == PointState::Refused) {
            const auto explanation = PositionerAdvisor::explainTeachResult(
                PositionerAdvisor::calibrationPoints(positioner_), n, row.result);
            row.adviceText = PositionerAdvisor::describe(explanation) + QLatin1Char(' ') +
                             PositionerAdvisor::advise(explanation);
        }
    }
    refresh();
}

void CalibrationScreen::selectPositioner(int index)
{
    positioner_.setPositionerID(index);
    const PositionerParm& record = positioner_.parms[index];
    const int types[] = {record.axes1Type, record.axes2Type};
    const int indices[] = {record.axes1Index, record.axes2Index};
    for (int axis = 0; axis < 2; ++axis) {
        const QSignalBlocker typeBlocker(types_[axis]);
        const QSignalBlocker indexBlocker(indices_[axis]);
        types_[axis]->setValue(std::max(types[axis], 0));
        indices_[axis]->setValue(indices[axis] + 1);
    }
    {
        const QSignalBlocker blocker(positionerNumber_);
        positionerNumber_->setValue(index + 1);
    }
    // The points taught so far belong to the positioner they were taught on.
    for (PointRow& row : points_) {
        row.status = PointState::NotTaught;
        row.adviceText.clear();
    }
    if (outcome_)
        refresh();
}

// The checks read the axis setup from the record, so it is kept there at once.
void CalibrationScreen::storeAxisSetup()
{
    PositionerParm& record = positioner_.parms[positioner_.getPositionerID()];
    record.axes1Type = types_[0]->value();
    record.axes1Index = indices_[0]->value() - 1;
    record.axes2Type = types_[1]->value();
    record.axes2Index = indices_[1]->value() - 1;
    refresh();
}

void CalibrationScreen::teach(int n)
{
    PointRow& row = points_[std::size_t(n - 1)];
    const int result = positioner_.teachPoint(n);
    row.result = result;
    row.status = result == 1 ? PointState::Taken : PointState::Refused;
    row.adviceText.clear();
    if (result != 1) {
        // Explained now, from the points as this teach left them.
        const auto explanation =
            PositionerAdvisor::explainTeachResult(PositionerAdvisor::calibrationPoints(positioner_), n, result);
        row.adviceText = PositionerAdvisor::describe(explanation) + QLatin1Char(' ') +
                         PositionerAdvisor::advise(explanation);
    } else {
        // The controller takes the point before anything else is asked of it.
        rtmCustomRvarBool request(QStringLiteral("ipos.bteachpoint"), 1);
        runRequest(tr("The controller takes point %1.").arg(n), [&] {
            for (int round = 0; round < 100 && request; ++round)
                positioner_.delay_MSec(16);
            return !request;
        });
    }
    emit pointTaught(n, result);
    refresh();
}

void CalibrationScreen::clearPoint(int n)
{
    runRequest(tr("Point %1 is cleared.").arg(n), [&] {
        positioner_.clearTeachedPoint(n);
        return true;
    });
    PointRow& row = points_[std::size_t(n - 1)];
    row.status = PointState::NotTaught;
    row.adviceText.clear();
    refresh();
}

void CalibrationScreen::calculate(int group)
{
    const auto assessment =
        PositionerAdvisor::assessGroup(PositionerAdvisor::calibrationPoints(positioner_), group);
    if (assessment.verdict == PositionerAdvisor::Verdict::Poor) {
        QMessageBox question(QMessageBox::Warning, tr("Poor group"),
                             tr("The advisor judges this group poor. Calculate from it all the same?"),
                             QMessageBox::NoButton, this);
        question.setInformativeText(PositionerAdvisor::advise(assessment));
        QPushButton* calculateAnyway = question.addButton(tr("Calculate all the same"), QMessageBox::AcceptRole);
        calculateAnyway->setObjectName(QStringLiteral("calculateAnyway"));
        QPushButton* teachAgain = question.addButton(tr("Teach again"), QMessageBox::RejectRole);
        teachAgain->setObjectName(QStringLiteral("teachAgain"));
        question.setDefaultButton(teachAgain);
        question.exec();
        if (question.clickedButton() != calculateAnyway)
            return;
    }
    // Up to 16 s for the user frame, 1.6 s for an axis; neither can be cancelled.
    const bool stored = runRequest(group == 2 ? tr("The controller calculates the user frame (up to 16 s).")
                                              : tr("The controller calculates axis %1 (up to 2 s).").arg(group + 1),
                                   [&] {
                                       if (group == 2)
                                           return positioner_.calculateUserFrame() == 1;
                                       positioner_.setPositionerAxisID(group);
                                       return positioner_.calculatePositionerFrame(group) == 1;
                                   });
    showOutcome(stored, [] { return tr("The frame is calculated."); },
                [] { return tr("The controller gave no frame."); });
    emit frameCalculated(group, stored);
    refresh();
}

QString CalibrationScreen::calibrationFile() const
{
    return RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true) +
           QStringLiteral("/positionercalibframepar.xml");
}

void CalibrationScreen::writeAndSend()
{
    const QString local = calibrationFile();
    if (!positioner_.writePositionerFile(local)) {
        showOutcome(false, {}, [] { return tr("The calibration file could not be written."); });
        return;
    }
    const bool sent = runRequest(tr("The calibration file is sent."), [&] {
        return positioner_.sendFileToCtrl(local, QLatin1String(controllerCalibrationFile));
    });
    // What the controller now holds is the baseline of the changes shown.
    if (sent)
        positioner_.readPositionerFile(local);
    showOutcome(sent, [] { return tr("The calibration file is written and sent."); },
                [] { return tr("The calibration file could not be sent."); });
    refresh();
}

void CalibrationScreen::askControllerToRead()
{
    positioner_.rdeReadFileCode();
    showOutcome(true, [] { return tr("The controller is asked to read the calibration file."); }, {});
}

void CalibrationScreen::writeReport()
{
    const QString page = RtmGetLocalizedFileName(QStringLiteral("../Application/positioner"), true) +
                         QStringLiteral("/calibration-report.html");
    QString messages;
    QTextStream stream(&messages);
    const int status = tool::runTool({QStringLiteral("positioner-tool"), QStringLiteral("report"), calibrationFile(),
                                      QStringLiteral("-o"), page, QStringLiteral("--axis-count"),
                                      QString::number(DataAccess::getAxisCount())},
                                     stream, stream);
    // A path breaks at its slashes when the line is short.
    const QString shown = QString(page).replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
    showOutcome(status != tool::Unusable, [shown] { return tr("The report is written to %1.").arg(shown); },
                [messages] { return tr("The report could not be written: %1").arg(messages.trimmed()); }, false);
}

void CalibrationScreen::registerDynamicWorkObject()
{
    const int index = positioner_.getPositionerID();
    const bool accepted = runRequest(tr("The controller switches to positioner %1.").arg(index + 1),
                                     [&] { return positioner_.setDynRefSys(index); });
    showOutcome(accepted, [index] { return tr("wobj_dyn0 follows positioner %1.").arg(index + 1); },
                [] { return tr("The editor did not accept wobj_dyn0."); });
}

void CalibrationScreen::saveObjectFrames()
{
    showOutcome(positioner_.saveDynRefSys(positioner_.getPositionerID()),
                [] { return tr("The object frames are saved."); },
                [] { return tr("The object frames could not be saved."); });
}

void CalibrationScreen::rewriteUserFrameProgram()
{
    const bool saved = runRequest(tr("The user-frame program is rewritten."), [&] { return positioner_.saveUserFrameDyn(); });
    showOutcome(saved, [] { return tr("The user-frame program is rewritten and sent."); },
                [] { return tr("The user-frame program could not be rewritten."); });
}

void CalibrationScreen::activateWorkObject(int which)
{
    const int index = positioner_.getPositionerID();
    const bool active = which == 0 ? positioner_.setWobj0(index) : positioner_.setWobj_dyn0(index);
    const QString name = which == 0 ? QStringLiteral("wobj0") : QStringLiteral("wobj_dyn0");
    showOutcome(active, [name] { return tr("%1 is the active work object.").arg(name); },
                [name] { return tr("%1 could not be activated.").arg(name); });
    if (!active) {
        const QSignalBlocker blocker(activeGroup_);
        activeGroup_->setExclusive(false);
        activeGroup_->button(which)->setChecked(false);
        activeGroup_->setExclusive(true);
    }
}

bool CalibrationScreen::runRequest(const QString& what, const std::function<bool()>& request)
{
    busy_ = true;
    pages_->setEnabled(false);
    busyText_->setText(what);
    outcomeText_ = {};
    outcome_->clear();
    busyIndicator_->start();
    emit busyChanged(true);
    const bool ok = request();
    busyIndicator_->stop();
    busyText_->clear();
    pages_->setEnabled(true);
    busy_ = false;
    emit busyChanged(false);
    return ok;
}

void CalibrationScreen::showOutcome(bool ok, const Sentence& done, const Sentence& failed, bool libraryFailure)
{
    failureReason_ = ok || !libraryFailure ? QString() : PositionerDiagnostics::lastFailure();
    outcomeOk_ = ok;
    outcomeText_ = ok ? done : failed;
    showOutcomeText();
}

void CalibrationScreen::showOutcomeText()
{
    outcome_->setStyleSheet(outcomeOk_ ? QString() : QStringLiteral("color: #cf222e"));
    const QString text = outcomeText_ ? outcomeText_() : QString();
    outcome_->setText(outcomeOk_ ? text : failureText(text, failureReason_));
}

QString CalibrationScreen::frameText(const double (&frame)[6]) const
{
    const QLocale locale;
    QStringList values;
    for (int k = 0; k < 6; ++k)
        values << locale.toString(frame[k], 'f', k < 3 ? 2 : 3);
    return tr("x %1 y %2 z %3 mm, a %4 b %5 c %6°")
        .arg(values[0], values[1], values[2], values[3], values[4], values[5]);
}

QString CalibrationScreen::pointText(int n) const
{
    const TeachedPoint& point = positioner_.teachedPoints[n - 1];
    const QLocale locale;
    QStringList external;
    for (int k = 0; k < std::clamp(positioner_.maxAuxjNum, 0, externalAxes); ++k)
        external << locale.toString(point.values[6 + k], 'f', 1);
    return tr("x %1 y %2 z %3 mm; external axes %4")
        .arg(locale.toString(point.values[0], 'f', 1), locale.toString(point.values[1], 'f', 1),
             locale.toString(point.values[2], 'f', 1), external.join(QStringLiteral(" / ")));
}

void CalibrationScreen::refreshPoint(int n)
{
    PointRow& row = points_[std::size_t(n - 1)];
    switch (row.status) {
    case PointState::NotTaught:
        row.state->setText(tr("not taught"));
        row.position->clear();
        break;
    case PointState::Taken:
        row.state->setText(tr("taught"));
        row.position->setText(pointText(n));
        break;
    case PointState::Refused:
        row.state->setText(tr("refused"));
        row.position->setText(pointText(n));
        break;
    }
    row.position->setVisible(row.status != PointState::NotTaught);
    row.advice->setText(row.adviceText);
    row.advice->setVisible(!row.adviceText.isEmpty());
}

void CalibrationScreen::refreshGroup(int group)
{
    GroupBox& g = groups_[std::size_t(group)];
    bool complete = true;
    for (int k = 0; k < 3; ++k)
        complete = complete && points_[std::size_t(firstPoint(group) - 1 + k)].status == PointState::Taken;
    if (!complete) {
        g.verdict->setText(tr("Teach the three points; the advisor then judges them."));
        g.verdict->setStyleSheet(QString());
    } else {
        const auto assessment =
            PositionerAdvisor::assessGroup(PositionerAdvisor::calibrationPoints(positioner_), group);
        QString text = QStringLiteral("<b>%1</b> %2")
                           .arg(PositionerAdvisor::verdictName(assessment.verdict).toHtmlEscaped(),
                                PositionerAdvisor::describe(assessment).toHtmlEscaped());
        const QString advice = PositionerAdvisor::advise(assessment);
        if (!advice.isEmpty())
            text += QStringLiteral("<br>") + advice.toHtmlEscaped();
        g.verdict->setText(text);
        g.verdict->setStyleSheet(QStringLiteral("color: %1").arg(colourOf(assessment.verdict)));
    }
    g.calculate->setEnabled(complete);
    const PositionerParm& record = positioner_.parms[positioner_.getPositionerID()];
    const double(&frame)[6] = group == 0 ? record.axes1Frame : group == 1 ? record.axes2Frame : record.userFrame;
    g.frame->setText(frameText(frame));
}

void CalibrationScreen::refresh()
{
    for (int n = 1; n <= 9; ++n)
        refreshPoint(n);
    for (int group = 0; group < 3; ++group)
        refreshGroup(group);

    const PositionerParm& record = positioner_.parms[positioner_.getPositionerID()];
    const double(*frames[])[6] = {&record.axes1Frame, &record.axes2Frame, &record.axes2FrameToBase,
                                  &record.userFrame};
    for (int k = 0; k < 4; ++k)
        frameValues_[k]->setText(frameText(*frames[k]));

    FrameDrawing::Scene scene;
    const auto frameOf = [](const double(&f)[6]) { return FrameDrawing::Frame{f[0], f[1], f[2], f[3], f[4], f[5]}; };
    if (record.axes1Type > 0)
        scene.frames.push_back({frameOf(record.axes1Frame), tr("Axis 1"), FrameDrawing::axis1Colour(), false});
    if (record.axes2Type > 0)
        scene.frames.push_back({frameOf(record.axes2Frame), tr("Axis 2"), FrameDrawing::axis2Colour(), false});
    scene.frames.push_back({frameOf(record.userFrame), tr("User frame"), FrameDrawing::userFrameColour(), false});
    const QColor pointColours[] = {FrameDrawing::axis1Colour(), FrameDrawing::axis2Colour(),
                                   FrameDrawing::userFrameColour()};
    for (int n = 1; n <= 9; ++n) {
        if (points_[std::size_t(n - 1)].status == PointState::Taken) {
            const double* v = positioner_.teachedPoints[n - 1].values;
            scene.points.push_back({{v[0], v[1], v[2]}, pointColours[groupOf(n)]});
        }
    }
    scene.note = tr("x solid, y dashed, z dotted; circles: taught points");
    frameView_->setScene(scene);

    QStringList changed;
    for (int i = 0; i < positionerCount; ++i) {
        if (!positioner_.positionerDataIsEqual(positioner_.parms[i], positioner_.savedParms[i]))
            changed << QString::number(i + 1);
    }
    changed_->setText(changed.isEmpty() ? tr("No positioner changed since the calibration file was read.")
                                        : tr("Changed since the calibration file was read: positioner %1.")
                                              .arg(changed.join(QStringLiteral(", "))));
}
