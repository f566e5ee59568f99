#include "userframedyneditor.h"

#include "noexceptions.h"
#include "positionerdata.h"
#include "programrules.h"
#include "variableset.h"

#include <QFile>

namespace {

// Replaces the fetched program at localPath by its rewritten copy, made under
// the temporary name beside it.
bool rewriteFetched(const QString& localPath, int& wobj)
{
    const QString temporaryPath = PositionerPaths::directory + QStringLiteral("/userframedyn1.xpl");
    QFile local(localPath);
    if (!local.open(QIODevice::ReadOnly))
        return false;
    // Whatever stands at the temporary name, a link to some other file above
    // all, is removed and never followed; the temporary is then made anew, and
    // the open fails should anything take its place in between.
    QFile::remove(temporaryPath);
    QFile temporary(temporaryPath);
    // The rewrite gathers its writes itself.
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;

    // Everything written must have reached the file; a partial program would
    // otherwise replace the fetched one and go to the controller.
    const bool rewritten = UserFrameDynProgram::rewrite(local, temporary, wobj) && temporary.flush();
    local.close();
    temporary.close();
    if (!rewritten || temporary.error() != QFileDevice::NoError) {
        QFile::remove(temporaryPath);
        return false;
    }
    // When the fetched copy cannot be removed the rename fails as well; either
    // way the file at the local path is not the rewritten program.
    return QFile::remove(localPath) && QFile::rename(temporaryPath, localPath);
}

}  // namespace

bool UserFrameDynEditor::rewriteProgram()
{
    return PositionerGuard::orFailure(false, [this] {
        const QString& localPath = PositionerPaths::localUserFrameDynFile;
        if (!PositionerData::getInstance()->getFileFromCtrl(PositionerPaths::ctrlUserFrameDynFile, localPath))
            return false;
        return rewriteFetched(localPath, dynWobjNo);
    });
}

QString UserFrameDynEditor::transformLine(QString line)
{
    // A line the rules refuse to rewrite (it would grow past any sane length,
    // or its point would get numbers that are not finite) stays as it was.
    return PositionerGuard::orFailure(line, [&] {
        QString rewritten = line;
        if (UserFrameDynProgram::transformLine(rewritten, dynWobjNo, UserFrameDynProgram::defaultLimit) ==
            UserFrameDynProgram::LineResult::Refused)
            return line;
        return rewritten;
    });
}
