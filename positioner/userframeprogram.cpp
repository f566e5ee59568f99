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
#include <cstdio>

using namespace Positioner;

namespace {

// What the program is to hold now, made once for all its lines.
Replacements replacements(PositionerData& d)
{
    Replacements with;
    with.dateComment = QStringLiteral("<!-- Date(ymd)/time(hms) %1 -->").arg(dateStamp());
    for (int n = 1; n <= dynamicWorkObjects; ++n) {
        double* const frame = d.parms[n - 1].userFrame;
        if (isFiniteFrame(frame))
            with.pointNumbers[n - 1] = d.posDoubleToQstr(frame, frameValues);
    }
    return with;
}

// The fetched program, read whole; false, with the reason, when it is no
// regular file within the cap or could not be read to its end.
bool readWhole(const QString& path, QByteArray& program)
{
    QFile local;
    if (!openInput(local, path))
        return false;
    program = local.read(local.size());
    if (program.size() == local.size())
        return true;
    Diagnostics::systemError(Diagnostics::Step::Read, path, errno, &local);
    return false;
}

// Puts the rewritten copy in the fetched program's place in one step: the
// file at the local path is the fetched program or the rewritten one, never
// neither.
bool replaceFetched(const QString& localPath, const QString& temporaryPath)
{
    if (std::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(localPath).constData()) == 0)
        return true;
    Diagnostics::systemError(Diagnostics::Step::Replace, localPath, errno);
    return false;
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
    const QString temporaryPath = directory + QStringLiteral("/userframedyn1.xpl");
    QFile::remove(temporaryPath);
    QFile temporary(temporaryPath);
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        Diagnostics::systemError(Diagnostics::Step::Write, temporaryPath, errno, &temporary);
        return false;
    }
    // The rules know the program's bytes, not its name; a failed write is the
    // file's to tell.
    const bool rewritten = Positioner::rewrite(program, temporary, wobj, with, maxInputBytes);
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
    return orFailure(false, [&] {
        return owner.getFileFromCtrl(ctrlUserFrameDynFile, localUserFrameDynFile) &&
               rewriteFetched(localUserFrameDynFile, editor.dynWobjNo, replacements(owner));
    });
}

}  // namespace

bool PositionerData::saveUserFrameDyn()
{
    const Diagnostics::Scope scope("saveUserFrameDyn");
    // A program that was not rewritten is not sent: the controller keeps its own.
    return rewriteProgram(*this, *userFrameDynEditor) && sendFileToCtrl(localUserFrameDynFile, ctrlUserFrameDynFile);
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
    return orFailure(line, [&] {
        QString rewritten = line;
        const Replacements with = replacements(*PositionerData::getInstance());
        if (Positioner::transformLine(rewritten, dynWobjNo, with, maxInputBytes) == LineResult::Refused) {
            Positioner::recordRefusal(with, dynWobjNo, 1, maxInputBytes);
            Diagnostics::nameSubject(QStringLiteral("line"));
            return line;
        }
        return rewritten;
    });
}
