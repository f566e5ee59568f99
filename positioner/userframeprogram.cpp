// The user-frame program on the controller, rewritten from the user frames by
// the editor that PositionerData owns.
#include "positionerdata.h"

#include "atomicsave.h"
#include "failurerecord.h"
#include "filestamp.h"
#include "frame.h"
#include "noexceptions.h"
#include "programrules.h"
#include "userframedyneditor.h"
#include "variableset.h"

#include <QFile>

#include <cerrno>

namespace {

using Positioner::Replacements;

// What the program is to hold now, made once for all its lines.
Replacements replacements(PositionerData& d)
{
    Replacements with;
    with.dateComment = QStringLiteral("<!-- Date(ymd)/time(hms) %1 -->").arg(Positioner::dateStamp());
    for (int n = 1; n <= Positioner::dynamicWorkObjects; ++n) {
        double* const frame = d.parms[n - 1].userFrame;
        if (Positioner::isFiniteFrame(frame))
            with.pointNumbers[n - 1] = d.posDoubleToQstr(frame, Positioner::frameValues);
    }
    return with;
}

// The fetched program, read whole; false, with the reason, when it is no
// regular file within the cap or could not be read to its end.
bool readWhole(const QString& path, QByteArray& program)
{
    QFile local;
    if (!Positioner::openInput(local, path))
        return false;
    program = local.read(local.size());
    if (program.size() == local.size())
        return true;
    Diagnostics::systemError(Diagnostics::Step::Read, path, errno, &local);
    return false;
}

// Puts the rewritten copy in the fetched program's place. When the fetched
// copy cannot be removed the rename fails as well; either way the file at the
// local path is not the rewritten program.
bool replaceFetched(const QString& localPath, const QString& temporaryPath)
{
    QFile fetched(localPath);
    QFile copy(temporaryPath);
    if (!fetched.remove() || !copy.rename(localPath)) {
        const QFile& failed = fetched.error() != QFileDevice::NoError ? fetched : copy;
        Diagnostics::systemError(Diagnostics::Step::Replace, localPath, errno, &failed);
        return false;
    }
    return true;
}

// Replaces the fetched program at localPath by its rewritten copy, made under
// the temporary name beside it. A partial program would otherwise replace the
// fetched one and go to the controller: everything must be read, and
// everything written must have reached the file.
bool rewriteFetched(const QString& localPath, int& wobj, const Replacements& with)
{
    QByteArray program;
    if (!readWhole(localPath, program))
        return false;
    // Whatever stands at the temporary name, a link to some other file above
    // all, is removed and never followed; the temporary is then made anew, and
    // the open fails should anything take its place in between.
    const QString temporaryPath = Positioner::directory + QStringLiteral("/userframedyn1.xpl");
    QFile::remove(temporaryPath);
    QFile temporary(temporaryPath);
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        Diagnostics::systemError(Diagnostics::Step::Write, temporaryPath, errno, &temporary);
        return false;
    }
    // The rules know the program's bytes, not its name; a failed write is the
    // file's to tell.
    const bool rewritten = Positioner::rewrite(program, temporary, wobj, with, Positioner::maxInputBytes);
    if (rewritten && temporary.flush()) {
        temporary.close();
        if (temporary.error() == QFileDevice::NoError)
            return replaceFetched(localPath, temporaryPath);
    }
    // A write cut short by the system leaves Qt without words of its own: the
    // system's number, set by the write that failed, says why.
    if (temporary.error() != QFileDevice::NoError)
        Diagnostics::systemError(Diagnostics::Step::Write, temporaryPath, errno);
    else
        Diagnostics::nameSubject(localPath);
    // Closed first: removing an open file whose bytes cannot be written would
    // only try to write them again.
    temporary.close();
    QFile::remove(temporaryPath);
    return false;
}

bool rewriteProgram(PositionerData& owner, UserFrameDynEditor& editor)
{
    return Positioner::orFailure(false, [&] {
        const QString& localPath = Positioner::localUserFrameDynFile;
        if (!owner.getFileFromCtrl(Positioner::ctrlUserFrameDynFile, localPath))
            return false;
        return rewriteFetched(localPath, editor.dynWobjNo, replacements(owner));
    });
}

}  // namespace

bool PositionerData::saveUserFrameDyn()
{
    const Diagnostics::Scope scope("saveUserFrameDyn");
    // A program that was not rewritten is not sent: the controller keeps its own.
    if (!rewriteProgram(*this, *userFrameDynEditor))
        return false;
    return sendFileToCtrl(Positioner::localUserFrameDynFile, Positioner::ctrlUserFrameDynFile);
}

// The editor's own operations, for hosts that call it directly: it has no room
// for its owner, which is the one PositionerData.
bool UserFrameDynEditor::rewriteProgram()
{
    const Diagnostics::Scope scope("rewriteProgram");
    return ::rewriteProgram(*PositionerData::getInstance(), *this);
}

QString UserFrameDynEditor::transformLine(QString line)
{
    const Diagnostics::Scope scope("transformLine");
    // A line the rules refuse to rewrite (it would grow past any sane length,
    // or its point would get numbers that are not finite) stays as it was.
    return Positioner::orFailure(line, [&] {
        QString rewritten = line;
        const Replacements with = replacements(*PositionerData::getInstance());
        if (Positioner::transformLine(rewritten, dynWobjNo, with, Positioner::maxInputBytes) ==
            Positioner::LineResult::Refused) {
            Positioner::recordRefusal(with, dynWobjNo, 1, Positioner::maxInputBytes);
            Diagnostics::nameSubject(QStringLiteral("line"));
            return line;
        }
        return rewritten;
    });
}
