// wobj_dyn0, the work object that follows a positioner: registered with the
// editor, written into the controller's GLOBAL.var and into the program.
#include "positionerdata.h"

#include "editoraccess.h"
#include "eventwait.h"
#include "failurerecord.h"
#include "indexrange.h"
#include "dynwobj.h"
#include "platform.h"
#include "variableset.h"

#include <QHash>
#include <QVariant>

using namespace Positioner;

namespace {
constexpr int switchAcknowledgeRounds = 100;
// A host handler that switches to another positioner during the wait takes
// the controller away; the request is raised again this often at most.
constexpr int switchRequests = 3;

// The texts are marked for the context QObject, the one QObject::tr looks them
// up in, so that a catalogue made from the sources reaches the operator.
void showFailure(const char* message)
{
    Platform::showMessage(QObject::tr(message));
}

// Writes a frame into a structured program variable, one flat entry per member.
void writeFrameVariable(const QString& name, const QString& memberPrefix, const double* frame)
{
    RplVariable variable = declared(name);
    if (!variable.isValid())
        return;
    if (variable.isConstant()) {
        Diagnostics::record(Diagnostics::Step::ConstantVariable, name);
        return;
    }
    static const char* const members[] = {"x", "y", "z", "a", "b", "c"};
    QHash<QString, QVariant> value;
    for (int k = 0; k < 6; ++k)
        value.insert(memberPrefix + QLatin1String(members[k]), frame[k]);
    if (!inWriteMode([&] { editor()->setVariable(variable, QVariant(value)); }))
        Diagnostics::record(Diagnostics::Step::WriteModeRefused, name);
}

}  // namespace

bool PositionerData::setDynRefSys(int index)
{
    const Diagnostics::Scope scope("setDynRefSys");
    if (!isPositionerArgument(QStringLiteral("index"), index))
        return false;
    const RplVariable wobj = declared(QStringLiteral("wobj_dyn0"));
    if (!wobj.isValid())
        return false;

    Operation operation(this);
    // The controller acknowledges by clearing the flag; without that the switch
    // goes on all the same. A handler that ran during the wait and switched to
    // another positioner has left the controller there: this call's positioner
    // is asked for again, so that controller and editor end on the same one.
    // Should handlers keep switching, nothing is registered.
    int requests = 0;
    do {
        if (requests++ == switchRequests) {
            Diagnostics::record(Diagnostics::Step::SwitchTakenAway, QString(), index + 1, switchRequests);
            return false;
        }
        ipos_posindex = index + 1;
        ipos_bswitchpos = true;
        pollRounds(switchAcknowledgeRounds, [] { return !ipos_bswitchpos; });
    } while (ipos_posindex != index + 1);

    const PositionerParm& p = parms[index];
    adoptUserFrame(*this, p);
    const int kind = refSysKind(p);

    // A failed exchange leaves its reason for the host, also when the
    // registration succeeds: it says why the box was shown.
    if (getFileFromCtrl(ctrlGlobalVarFile, localGlobalVarFile)) {
        if (!writeGlobalVarFile(localGlobalVarFile))
            showFailure(QT_TRANSLATE_NOOP("QObject", "Failed to write GLOBAL.var."));
        if (!sendFileToCtrl(localGlobalVarFile, ctrlGlobalVarFile))
            showFailure(QT_TRANSLATE_NOOP("QObject", "Failed to send GLOBAL.var."));
    } else {
        showFailure(QT_TRANSLATE_NOOP("QObject", "Failed to get GLOBAL.var."));
    }

    if (!registerDynRefSys(*this, wobj, kind))
        return false;
    ipos_currentposindex = index + 1;
    return true;
}

bool PositionerData::saveDynRefSys(int index)
{
    const Diagnostics::Scope scope("saveDynRefSys");
    if (!isPositionerArgument(QStringLiteral("index"), index))
        return false;
    for (int number = 1; number <= positionerCount; ++number)
        setVariableOframePoint(number);
    setVariableDynRefSys(index + 1);
    if (!inWriteMode([] { editor()->saveProgram(editor()->filename()); })) {
        Diagnostics::record(Diagnostics::Step::WriteModeRefused, editor()->filename());
        return false;
    }
    // A variable the program lacks or keeps constant is skipped, as it always was.
    Diagnostics::succeeded();
    return true;
}

void PositionerData::setVariableDynRefSys(int number)
{
    const Diagnostics::Scope scope("setVariableDynRefSys");
    if (isPositionerNumberArgument(QStringLiteral("number"), number))
        writeFrameVariable(QStringLiteral("wobj_dyn0"), QStringLiteral("oframe."), parms[number - 1].userFrame);
}

void PositionerData::setVariableOframePoint(int number)
{
    const Diagnostics::Scope scope("setVariableOframePoint");
    if (isPositionerNumberArgument(QStringLiteral("number"), number))
        writeFrameVariable(QStringLiteral("oframe_p%1").arg(number), QString(), parms[number - 1].userFrame);
}
