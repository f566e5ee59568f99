#include "userframedyneditor.h"

#include "positionerdata.h"
#include "variableset.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

namespace {

// Dynamic work objects 1 to 5 follow positioners 1 to 5; positioners 6 to 10
// have none in the program.
constexpr int dynamicWorkObjects = 5;

QString dateComment()
{
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    return QStringLiteral("<!-- Date(ymd)/time(hms) %1 -->").arg(now);
}

// 0 when the destination is none of the dynamic work objects.
int namedDynamicWorkObject(const QString& line)
{
    for (int n = 1; n <= dynamicWorkObjects; ++n) {
        if (line.contains(QStringLiteral("<dest>wobj%1_dyn").arg(n)))
            return n;
    }
    return 0;
}

QString withPointNumbers(QString line, const QString& numbers)
{
    const QString pointStart = QStringLiteral("POINTC(");
    const int p = line.indexOf(pointStart);
    if (p < 0)
        return line;
    const int first = p + pointStart.size();
    // The first "),true" of the line, even when it stands before the point.
    const int q = line.indexOf(QStringLiteral("),true"));
    if (q <= first)
        return line;
    const QString old = line.mid(first, q - first);
    return line.replace(old, numbers);
}

// Everything written must have reached the file; a partial program would
// otherwise replace the fetched one and go to the controller.
bool writtenCompletely(QTextStream& output, QFile& file)
{
    output.flush();
    const bool streamed = output.status() == QTextStream::Ok;
    file.close();
    return streamed && file.error() == QFileDevice::NoError;
}

}  // namespace

bool UserFrameDynEditor::rewriteProgram()
{
    PositionerData* data = PositionerData::getInstance();
    const QString& localPath = PositionerPaths::localUserFrameDynFile;
    const QString temporaryPath = PositionerPaths::directory + QStringLiteral("/userframedyn1.xpl");

    if (!data->getFileFromCtrl(PositionerPaths::ctrlUserFrameDynFile, localPath))
        return false;
    QFile local(localPath);
    if (!local.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QFile temporary(temporaryPath);
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;

    QTextStream input(&local);
    QTextStream output(&temporary);
    dynWobjNo = 0;
    // Every line gets its line end, the last one too. The stream is flushed
    // once at the end: a flush per line costs a system call per line and
    // writes nothing more.
    while (!input.atEnd())
        output << transformLine(input.readLine()) << '\n';

    local.close();
    if (!writtenCompletely(output, temporary)) {
        QFile::remove(temporaryPath);
        return false;
    }
    // When the fetched copy cannot be removed the rename fails as well; either
    // way the file at the local path is not the rewritten program.
    return QFile::remove(localPath) && QFile::rename(temporaryPath, localPath);
}

QString UserFrameDynEditor::transformLine(QString line)
{
    // Any line that mentions the date is the date comment.
    if (line.contains(QStringLiteral("Date")))
        return dateComment();

    // A destination that is no dynamic work object (wobj0, wobj6_dyn) leaves
    // the current one in force.
    if (line.contains(QStringLiteral("<dest>wobj"))) {
        if (const int n = namedDynamicWorkObject(line))
            dynWobjNo = n;
        return line;
    }

    // dynWobjNo is public: only its valid values may index parms.
    if (line.contains(QStringLiteral("<expr>GETTRKWOBJ")) && dynWobjNo >= 1 &&
        dynWobjNo <= dynamicWorkObjects) {
        PositionerData* data = PositionerData::getInstance();
        const QString numbers = data->posDoubleToQstr(data->parms[dynWobjNo - 1].userFrame, 6);
        return withPointNumbers(line, numbers);
    }
    return line;
}
