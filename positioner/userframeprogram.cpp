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

namespace Diagnostics = PositionerDiagnostics;

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
    Diagnostics::deviceError(Diagnostics::Step::Read, path, local, errno);
    return false;
}

// Writes the bytes to a file made anew at path; false, with the reason and
// nothing left at the path, when not every byte reached it.
bool writeNew(const QString& path, const QByteArray& bytes)
{
    // Whatever stands at the path, a link to some other file above all, is
    // removed and never followed; the file is then made anew, and the open
    // fails should anything take its place in between.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        Diagnostics::deviceError(Diagnostics::Step::Write, path, file, errno);
        return false;
    }
    if (file.write(bytes) == bytes.size()) {
        file.close();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    Diagnostics::deviceError(Diagnostics::Step::Write, path, file, errno);
    file.remove();
    return false;
}

// Replaces the fetched program at localPath by its rewritten copy, made under
// the temporary name beside it. A partial program would otherwise replace the
// fetched one and go to the controller: everything must be read, and
// everything written must have reached the file.
bool rewriteFetched(const QString& localPath, int& wobj, const Replacements& with)
{
    QByteArray program;
    QByteArray rewritten;
    if (!readWhole(localPath, program))
        return false;
    // The rules know the program's bytes, not its name.
    if (!Positioner::rewrite(program, rewritten, wobj, with, Positioner::maxInputBytes)) {
        Diagnostics::nameSubject(localPath);
        return false;
    }
    const QString temporaryPath = Positioner::directory + QStringLiteral("/userframedyn1.xpl");
    if (!writeNew(temporaryPath, rewritten))
        return false;
    // When the fetched copy cannot be removed the rename fails as well; either
    // way the file at the local path is not the rewritten program.
    QFile fetched(localPath);
    QFile copy(temporaryPath);
    if (!fetched.remove() || !copy.rename(localPath)) {
        const QFile& failed = fetched.error() != QFileDevice::NoError ? fetched : copy;
        Diagnostics::deviceError(Diagnostics::Step::Replace, localPath, failed, errno);
        return false;
    }
    return true;
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
    const PositionerDiagnostics::Scope scope("saveUserFrameDyn");
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
