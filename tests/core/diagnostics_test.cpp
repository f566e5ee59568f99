// Every failed result can say why: each fault the suite can inject, the
// operation it makes fail, and the words the reason must hold.
#include "faultinjection.h"
#include "simfixture.h"

#include <controllersimulator.h>
#include <positionerdiagnostics.h>
#include <samplefiles.h>

#include <QTimer>

#include <functional>
#include <limits>
#include <thread>

namespace {

using PositionerDiagnostics::Step;
using PositionerDiagnostics::lastFailure;
using PositionerDiagnostics::lastFailureRecord;

class Diagnostics : public PositionerCell
{
protected:
    sim::ProgramEditor& editor = sim::ProgramEditor::instance();
    ControllerSimulator controller;

    void SetUp() override
    {
        PositionerCell::SetUp();
        controller.setAnswering(true);
        editor.openPositionerProgram();
        QDir().mkpath(positionerDir());
    }

    QString calibFile() const { return positionerDir() + "/positionercalibframepar.xml"; }
    // The user-frame program on the controller.
    static void program(const QByteArray& text)
    {
        writeFile(sim::Files::instance().controllerFile("/xpl/userframedyn.xpl"), text);
    }
    QString globalVar() const { return positionerDir() + "/GLOBAL.var"; }
};

TEST_F(Diagnostics, EveryFailedStepSaysWhyAndASuccessForgetsIt)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char* fault;
        // Injects the fault and runs the operation; true when it failed.
        std::function<bool(PositionerData&)> fails;
        Step step;
        QStringList words;
    } cases[] = {
        {"file-size limit", [&](PositionerData& d) { FileSizeLimit limit(256); return !d.writePositionerFile(calibFile()); },
         Step::Write, {"writePositionerFile: cannot write ", "/positionercalibframepar.xml: File too large"}},
        {"read-only folder", [&](PositionerData& d) {
             writeFile(globalVar(), "<Xpl-source/>");
             ReadOnlyDirectory readOnly(positionerDir());
             return !d.writeGlobalVarFile(globalVar()); },
         Step::Write, {"writeGlobalVarFile: cannot write ", "/GLOBAL.var", "Permission denied"}},
        {"NaN in a record", [&](PositionerData& d) { d.parms[3].axes2FrameToBase[1] = nan; return !d.writePositionerFile(calibFile()); },
         Step::NotFinite, {"parms[3].axes2FrameToBase holds a value that is not a finite number"}},
        {"NaN in the object frame", [&](PositionerData& d) { d.dynOframe[5] = nan; return !d.writeGlobalVarFile(globalVar()); },
         Step::NotFinite, {"writeGlobalVarFile: dynOframe"}},
        {"file past the cap", [&](PositionerData& d) {
             writeFile(calibFile(), "<FramePar/>");
             QFile(calibFile()).resize(qint64(64) << 20 | 1);
             return !d.readPositionerFile(calibFile()); },
         Step::TooLarge, {"positionercalibframepar.xml is 67108865 bytes, more than the 67108864 bytes allowed"}},
        {"file-size limit on the rewrite", [](PositionerData& d) {
             program("<dest>wobj1_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)\n");
             FileSizeLimit limit(80);
             return !d.saveUserFrameDyn(); },
         Step::Write, {"saveUserFrameDyn: cannot write ", "/userframedyn1.xpl: File too large"}},
        {"lone CR in the program", [](PositionerData& d) {
             program("<Program>\n<dest>wobj1_dyn</dest>\r<expr>GETTRKWOBJ(POINTC(0),true)\n");
             return !d.saveUserFrameDyn(); },
         Step::LoneCarriageReturn, {"saveUserFrameDyn: line 2 of ", "/userframedyn.xpl holds a CR that ends no line"}},
        {"UTF-16 program", [](PositionerData& d) {
             program(QByteArray("\xff\xfe<\0", 4));
             return !d.saveUserFrameDyn(); },
         Step::WideEncoding, {"/userframedyn.xpl is encoded in UTF-16 or UTF-32"}},
        {"NaN in a user frame", [&](PositionerData& d) {
             program("<dest>wobj5_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)\n");
             d.parms[4].userFrame[2] = nan;
             return !d.saveUserFrameDyn(); },
         Step::NotFinite, {"saveUserFrameDyn: parms[4].userFrame holds a value that is not a finite number"}},
        {"growth past the bound", [](PositionerData& d) {
             // Each "0" would become six numbers of some three hundred digits.
             program("<dest>wobj2_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true," + QByteArray(64 * 1024, '0') + ")\n");
             for (double& value : d.parms[1].userFrame)
                 value = 1e300;
             return !d.saveUserFrameDyn(); },
         Step::GrowsTooMuch, {"/userframedyn.xpl would grow by more than 67108864 bytes at line 2"}},
        {"missing file", [&](PositionerData& d) { return !d.readPositionerFile(positionerDir() + "/none.xml"); },
         Step::Open, {"readPositionerFile: cannot open ", "/none.xml: No such file or directory"}},
        {"broken XML", [&](PositionerData& d) {
             writeFile(calibFile(), "<FramePar>\n  <Positioner id=\"1\">\n</FramePar>\n");
             return !d.readPositionerFile(calibFile()); },
         Step::Parse, {"positionercalibframepar.xml is not well-formed XML at line 3 (offset ", "Start-end tags mismatch"}},
        {"a directory", [&](PositionerData& d) { return !d.readPositionerFile(positionerDir()); },
         Step::NotRegularFile, {"readPositionerFile: ", "is not a regular file"}},
        {"a NUL in the path", [&](PositionerData& d) { return !d.readPositionerFile(calibFile() + QChar(0) + "x"); },
         Step::PathHoldsNul, {"the path ", "positionercalibframepar.xml\\0x holds a NUL character"}},
        {"refused fetch", [](PositionerData& d) {
             sim::Files::instance().failNextFetches(1);
             return !d.saveUserFrameDyn(); },
         Step::FetchRefused, {"saveUserFrameDyn: the transfer service did not fetch /xpl/userframedyn.xpl"}},
        {"refused send", [&](PositionerData& d) {
             writeFile(calibFile(), "<FramePar/>");
             sim::Files::instance().failNextSends(1);
             return !d.sendFileToCtrl(calibFile(), "/Application/positioner/positionercalibframepar.xml"); },
         Step::SendRefused, {"sendFileToCtrl: the transfer service did not send /Application/positioner/"}},
        {"editor refusing write mode", [this](PositionerData& d) {
             editor.setRefuseWriteMode(true);
             return !d.saveDynRefSys(0); },
         Step::WriteModeRefused, {"saveDynRefSys: the editor refused write mode for positioner_cell.xpl"}},
        {"no such variable", [this](PositionerData& d) {
             editor.reset();
             return !d.setWobj0(0); },
         Step::UnknownVariable, {"setWobj0: the open program declares no variable wobj0"}},
        {"constant variable", [this](PositionerData& d) {
             editor.declare("oframe_p4", true);
             d.setVariableOframePoint(4);
             return true; },
         Step::ConstantVariable, {"setVariableOframePoint: oframe_p4 is a constant"}},
        {"activation refused", [this](PositionerData& d) {
             editor.setAcceptRefSys(false);
             return !d.setWobj_dyn0(2); },
         Step::ActivationRefused, {"setWobj_dyn0: the editor refused to make wobj_dyn0 the active work object"}},
        {"registration refused", [this](PositionerData& d) {
             editor.setAcceptDynRefSys(false);
             return !d.initActiveDyn0(2); },
         Step::RegistrationRefused, {"initActiveDyn0: the editor refused to register wobj_dyn0"}},
        {"index out of range", [](PositionerData& d) { return !d.setDynRefSys(-1); },
         Step::OutOfRange, {"setDynRefSys: index is -1, outside 0 to 9"}},
        {"number out of range", [](PositionerData& d) { return !d.initSetWobj_dyn0(11); },
         Step::OutOfRange, {"initSetWobj_dyn0: number is 11, outside 1 to 10"}},
        {"point out of range", [](PositionerData& d) { return d.teachPoint(10) == 0; },
         Step::OutOfRange, {"teachPoint: n is 10, outside 1 to 9"}},
        {"no positioner selected", [](PositionerData& d) { d.setPositionerID(12); return d.calculateUserFrame() == 0; },
         Step::OutOfRange, {"calculateUserFrame: positionerID is 12, outside 0 to 9"}},
        {"point too close", [](PositionerData& d) {
             rtmCustomRvarInt("ipos.teachstatus", 1) = 1;
             return d.teachPoint(2) == -1; },
         Step::PointRefused, {"teachPoint: point 2 failed the plausibility check (result -1)"}},
        {"silent controller", [this](PositionerData& d) {
             controller.setAnswering(false);
             return d.calculatePositionerFrame(1) == 0; },
         Step::NoAnswer, {"calculatePositionerFrame: ipos.calculate_axes_status[1] did not answer within ", " ms"}},
        {"silent controller for the user frame", [this](PositionerData& d) {
             controller.setAnswering(false);
             return d.calculateUserFrame() == 0; },
         Step::NoAnswer, {"calculateUserFrame: ipos.calculate_user_status did not answer within "}},
        // Refused, and the controller keeps its record of the current positioner.
        {"handlers that keep switching", [](PositionerData& d) {
             QTimer switcher;
             QObject::connect(&switcher, &QTimer::timeout, [&d] { d.switchPosId(9); });
             switcher.start(2);
             const int before = int(ipos_currentposindex);
             return !d.setDynRefSys(4) && int(ipos_currentposindex) == before; },
         Step::SwitchTakenAway, {"setDynRefSys: the controller was switched away from positioner 5 after each of 3 requests"}},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(c.fails(*d)) << c.fault;
        const QString reason = lastFailure();
        for (const QString& word : c.words)
            EXPECT_TRUE(reason.contains(word)) << c.fault << ": " << qPrintable(reason);
        EXPECT_EQ(lastFailureRecord().step, c.step) << c.fault;

        // Read again, the reason is the same; after a success it is gone.
        EXPECT_EQ(lastFailure(), reason) << c.fault;
        writeFile(positionerDir() + "/after.xml", "<FramePar/>");
        ASSERT_TRUE(d->readPositionerFile(positionerDir() + "/after.xml")) << c.fault;
        EXPECT_EQ(lastFailure(), QString()) << c.fault;
        EXPECT_EQ(lastFailureRecord().operation, nullptr) << c.fault;
        TearDown();
    }
}

// The record carries what the sentence says, field by field.
TEST_F(Diagnostics, TheRecordHoldsTheSystemsNumbersAndTheParsersPlace)
{
    {
        FileSizeLimit limit(256);
        ASSERT_FALSE(d->writePositionerFile(calibFile()));
    }
    PositionerDiagnostics::Failure f = lastFailureRecord();
    EXPECT_STREQ(f.operation, "writePositionerFile");
    EXPECT_EQ(f.subject, calibFile());
    EXPECT_EQ(f.systemError, EFBIG);

    writeFile(calibFile(), "<FramePar>\n<Positioner>\n\n<Axes1Index>1<Axes1Index>\n</Positioner>");
    ASSERT_FALSE(d->readPositionerFile(calibFile()));
    f = lastFailureRecord();
    EXPECT_EQ(f.step, Step::Parse);
    EXPECT_EQ(f.line, 5);
    EXPECT_EQ(f.offset, 53);
    EXPECT_EQ(f.systemError, 0);
}

// A handler that runs during a wait has a reason of its own; the waiting
// operation goes on, and succeeds, without it.
TEST_F(Diagnostics, AHandlersFailureDuringAWaitIsItsOwn)
{
    QString seenByHandler;
    QTimer::singleShot(5, [&] {
        d->teachPoint(0);
        seenByHandler = lastFailure();
    });
    d->clearTeachedPoint(1);
    EXPECT_EQ(seenByHandler, "teachPoint: n is 0, outside 1 to 9");
    EXPECT_EQ(lastFailure(), QString());

    // The host's own wait cannot fail: the handler's reason outlasts it.
    QTimer::singleShot(5, [this] { d->teachPoint(12); });
    d->delay_MSec(30);
    EXPECT_EQ(lastFailure(), "teachPoint: n is 12, outside 1 to 9");

    // Nor does a call on another thread reach the user-interface thread's reason.
    d->teachPoint(11);
    std::thread([this] { d->teachPoint(0); }).join();
    EXPECT_EQ(lastFailure(), "teachPoint: n is 11, outside 1 to 9");
}

// setDynRefSys registers after a failed exchange of GLOBAL.var, as it always
// did; its reason says why the box was shown. saveDynRefSys skips the variables
// a program lacks, as it always did, and that is no reason at all.
TEST_F(Diagnostics, ASuccessKeepsOnlyTheReasonOfTheBoxItShowed)
{
    sim::Files::instance().failNextFetches(1);
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_EQ(lastFailure(), "setDynRefSys: the transfer service did not fetch /xpl/GLOBAL.var from the controller");
    ASSERT_TRUE(SampleFiles::installOnController("GLOBAL.var", "/xpl/GLOBAL.var"));
    EXPECT_TRUE(d->setDynRefSys(0));
    EXPECT_EQ(lastFailure(), QString());
    editor.reset();
    EXPECT_TRUE(d->saveDynRefSys(0));
    EXPECT_EQ(lastFailure(), QString());
}

}  // namespace
