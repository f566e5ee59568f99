#include "userframedyneditor.h"

#include "filestamp.h"
#include "positionerdata.h"
#include "variableset.h"

#include <QFile>
#include <QTextStream>

#include <array>
#include <cstring>

namespace {

// Dynamic work objects 1 to 5 follow positioners 1 to 5; positioners 6 to 10
// have none in the program.
constexpr int dynamicWorkObjects = 5;

QString dateComment()
{
    return QStringLiteral("<!-- Date(ymd)/time(hms) %1 -->").arg(PositionerFiles::dateStamp());
}

// Most lines hold no marker at all, and every line is searched for each of
// them: the marker's first character is found with the library's vector
// search, and only there is the rest compared.
bool contains(QStringView line, QLatin1String marker)
{
    const QChar first = QLatin1Char(marker.front());
    const QLatin1String rest = marker.mid(1);
    for (qsizetype at = line.indexOf(first); at >= 0; at = line.indexOf(first, at + 1)) {
        if (line.mid(at + 1).startsWith(rest))
            return true;
    }
    return false;
}

const QLatin1String dateMarker("Date");
const QLatin1String destinationMarker("<dest>wobj");
const QLatin1String expressionMarker("<expr>GETTRKWOBJ");

// The tags of a line that the rules look at, found in one pass over its "<".
struct Tags
{
    bool destination = false;
    // The lowest n of the "<dest>wobj<n>_dyn" in the line, 1 to 5; 0 for none.
    int dynamicWorkObject = 0;
    bool expression = false;
};

Tags tagsOf(QStringView line)
{
    Tags tags;
    for (qsizetype at = line.indexOf(QLatin1Char('<')); at >= 0; at = line.indexOf(QLatin1Char('<'), at + 1)) {
        const QStringView rest = line.mid(at);
        if (rest.startsWith(destinationMarker)) {
            tags.destination = true;
            const QStringView name = rest.mid(destinationMarker.size());
            const int n = name.isEmpty() ? 0 : name.front().digitValue();
            if (n >= 1 && n <= dynamicWorkObjects && name.mid(1).startsWith(QLatin1String("_dyn")) &&
                (tags.dynamicWorkObject == 0 || n < tags.dynamicWorkObject))
                tags.dynamicWorkObject = n;
        } else if (rest.startsWith(expressionMarker)) {
            tags.expression = true;
        }
    }
    return tags;
}

// The numbers of a user frame, built anew only when its values changed: in a
// long program every expression line would format the same six values again.
// Compared bit by bit, so that NaNs too are recognised as unchanged.
QString pointNumbers(PositionerData* data, int n)
{
    struct Formatted
    {
        double frame[6];
        QString numbers;
    };
    static std::array<Formatted, dynamicWorkObjects> formatted{};
    Formatted& last = formatted[n - 1];
    double* const frame = data->parms[n - 1].userFrame;
    if (last.numbers.isNull() || std::memcmp(last.frame, frame, sizeof last.frame) != 0) {
        std::memcpy(last.frame, frame, sizeof last.frame);
        last.numbers = data->posDoubleToQstr(frame, 6);
    }
    return last.numbers;
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
    const QStringView old = QStringView(line).mid(first, q - first);
    // Saved again with the same frame, the line already holds its numbers.
    if (old == numbers)
        return line;
    return line.replace(old.toString(), numbers);
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
    if (contains(line, dateMarker))
        return dateComment();

    // A destination that is no dynamic work object (wobj0, wobj6_dyn) leaves
    // the current one in force.
    const Tags tags = tagsOf(line);
    if (tags.destination) {
        if (tags.dynamicWorkObject != 0)
            dynWobjNo = tags.dynamicWorkObject;
        return line;
    }

    // dynWobjNo is public: only its valid values may index parms.
    if (tags.expression && dynWobjNo >= 1 && dynWobjNo <= dynamicWorkObjects) {
        const QString numbers = pointNumbers(PositionerData::getInstance(), dynWobjNo);
        return withPointNumbers(line, numbers);
    }
    return line;
}
