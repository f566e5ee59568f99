#include "programrules.h"

#include "filestamp.h"
#include "positionerdata.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace UserFrameDynProgram {

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

// Only the ASCII digits name a work object: "wobj²_dyn" or a digit of another
// script is some other name.
int workObjectNumber(QStringView name)
{
    if (name.isEmpty())
        return 0;
    const char16_t c = name.front().unicode();
    return c >= u'1' && c <= u'0' + dynamicWorkObjects ? c - u'0' : 0;
}

Tags tagsOf(QStringView line)
{
    Tags tags;
    for (qsizetype at = line.indexOf(QLatin1Char('<')); at >= 0; at = line.indexOf(QLatin1Char('<'), at + 1)) {
        const QStringView rest = line.mid(at);
        if (rest.startsWith(destinationMarker)) {
            tags.destination = true;
            const QStringView name = rest.mid(destinationMarker.size());
            const int n = workObjectNumber(name);
            if (n != 0 && name.mid(1).startsWith(QLatin1String("_dyn")) &&
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
// Compared bit by bit, so that NaNs too are recognised as unchanged. Null when
// a value is not finite: the controller could not read it.
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
        bool finite = true;
        for (const double value : last.frame)
            finite = finite && std::isfinite(value);
        last.numbers = finite ? data->posDoubleToQstr(frame, 6) : QString();
    }
    return last.numbers;
}

LineResult withPointNumbers(QString& line, int wobj, qint64 maxLength)
{
    const QString pointStart = QStringLiteral("POINTC(");
    const int p = line.indexOf(pointStart);
    if (p < 0)
        return LineResult::Unchanged;
    const int first = p + pointStart.size();
    // The first "),true" of the line, even when it stands before the point.
    const int q = line.indexOf(QStringLiteral("),true"));
    if (q <= first)
        return LineResult::Unchanged;
    const QString numbers = pointNumbers(PositionerData::getInstance(), wobj);
    const QString old = line.mid(first, q - first);
    // Saved again with the same frame, the line already holds its numbers.
    if (old == numbers)
        return LineResult::Unchanged;
    if (numbers.isNull())
        return LineResult::Refused;
    // Every occurrence is replaced; a short old list in a long line multiplies
    // the line, so its new length is known before it is built.
    const qint64 length = line.size() + qint64(line.count(old)) * (numbers.size() - old.size());
    if (length > maxLength)
        return LineResult::Refused;
    line.replace(old, numbers);
    return LineResult::Changed;
}

// A lone CR in a line the rules act on may be a line end the rewrite cannot
// see: the markers might stand in lines of their own.
bool actsOn(QStringView line)
{
    return contains(line, dateMarker) || contains(line, destinationMarker) || contains(line, expressionMarker);
}

// Whether any rule could act on the line's bytes: most lines of a program hold
// none of the markers and are copied as they are, without being decoded.
bool mayChange(const char* data, int size)
{
    if (memmem(data, size_t(size), "Date", 4))
        return true;
    const char* const end = data + size;
    for (const char* at = data; (at = static_cast<const char*>(std::memchr(at, '<', size_t(end - at)))); ++at) {
        const QByteArray rest = QByteArray::fromRawData(at, int(end - at));
        if (rest.startsWith("<dest>wobj") || rest.startsWith("<expr>GETTRKWOBJ"))
            return true;
    }
    return false;
}

bool startsWithWideByteOrderMark(const QByteArray& line)
{
    return line.startsWith("\xff\xfe") || line.startsWith("\xfe\xff") || line.startsWith(QByteArray("\0\0\xfe\xff", 4));
}

// The next line with its LF, or what is left at the end; null at the end. A
// line longer than the limit is cut there, which the caller sees by its size.
QByteArray nextLine(QIODevice& in, qint64 limit)
{
    QByteArray line;
    char chunk[16 * 1024];
    for (;;) {
        const qint64 n = in.readLine(chunk, sizeof chunk);
        if (n <= 0)
            return line;
        line.append(chunk, static_cast<int>(n));
        if (chunk[n - 1] == '\n' || line.size() > limit)
            return line;
    }
}

bool writeAll(QIODevice& out, const char* data, qint64 size)
{
    return out.write(data, size) == size;
}

}  // namespace

LineResult transformLine(QString& line, int& wobj, qint64 maxLength)
{
    // Any line that mentions the date is the date comment.
    if (contains(line, dateMarker)) {
        line = dateComment();
        return LineResult::Changed;
    }

    // A destination that is no dynamic work object (wobj0, wobj6_dyn) leaves
    // the current one in force.
    const Tags tags = tagsOf(line);
    if (tags.destination) {
        if (tags.dynamicWorkObject != 0)
            wobj = tags.dynamicWorkObject;
        return LineResult::Unchanged;
    }

    // wobj is public in the editor: only its valid values may index parms.
    if (tags.expression && wobj >= 1 && wobj <= dynamicWorkObjects)
        return withPointNumbers(line, wobj, maxLength);
    return LineResult::Unchanged;
}

bool rewrite(QIODevice& in, QIODevice& out, int& wobj, qint64 limit)
{
    static const QByteArray utf8ByteOrderMark = "\xef\xbb\xbf";
    wobj = 0;
    qint64 read = 0;
    qint64 written = 0;
    for (QByteArray line = nextLine(in, limit); !line.isNull(); line = nextLine(in, limit)) {
        if (line.size() > limit)
            return false;
        // The byte-order mark belongs to the file, not to its first line's text.
        const bool first = read == 0;
        if (first && startsWithWideByteOrderMark(line))
            return false;
        const int mark = first && line.startsWith(utf8ByteOrderMark) ? utf8ByteOrderMark.size() : 0;

        int end = line.size();
        if (end > 0 && line.at(end - 1) == '\n')
            --end;
        if (end > mark && end < line.size() && line.at(end - 1) == '\r')
            --end;
        const char* const ending = end + 2 == line.size() ? "\r\n" : "\n";

        QByteArray rewritten = QByteArray::fromRawData(line.constData() + mark, end - mark);
        if (mayChange(rewritten.constData(), rewritten.size())) {
            // Latin-1 maps every byte to one character and back, so a line the
            // rules leave alone keeps its bytes whatever its encoding, and the
            // ASCII the rules put in is the same in every ASCII-based one. The
            // size is given: a NUL byte is text like any other.
            QString text = QString::fromLatin1(rewritten.constData(), rewritten.size());
            if (text.contains(QLatin1Char('\r')) && actsOn(text))
                return false;
            // What the program has grown by so far is taken off what this line
            // may grow.
            const qint64 allowed = std::min(limit, text.size() + limit - (written - read));
            switch (transformLine(text, wobj, allowed)) {
            case LineResult::Refused:
                return false;
            case LineResult::Changed:
                rewritten = text.toLatin1();
                break;
            case LineResult::Unchanged:
                break;
            }
        }
        if (!writeAll(out, line.constData(), mark) || !writeAll(out, rewritten.constData(), rewritten.size()) ||
            !writeAll(out, ending, qstrlen(ending)))
            return false;
        read += line.size();
        written += mark + rewritten.size() + qstrlen(ending);
    }
    return true;
}

}  // namespace UserFrameDynProgram
