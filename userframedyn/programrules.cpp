#include "programrules.h"

#include "atomicsave.h"
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
    // the line, so its new length is known before it is built. Occurrences are
    // counted only when the line could hold enough of them to matter.
    const qint64 growth = numbers.size() - old.size();
    const qint64 most = line.size() / old.size();
    if (line.size() + most * growth > maxLength && line.size() + line.count(old) * growth > maxLength)
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

// Whether the bytes from `at` on begin with the marker.
bool startsWith(const char* at, const char* end, QLatin1String marker)
{
    return end - at >= marker.size() && std::memcmp(at, marker.data(), size_t(marker.size())) == 0;
}

// Whether any rule could act on the line's bytes: most lines of a program hold
// none of the markers and are copied as they are, without being decoded.
bool mayChange(const char* data, const char* end)
{
    if (memmem(data, size_t(end - data), "Date", 4))
        return true;
    for (const char* at = data; (at = static_cast<const char*>(std::memchr(at, '<', size_t(end - at)))); ++at) {
        if (startsWith(at, end, destinationMarker) || startsWith(at, end, expressionMarker))
            return true;
    }
    return false;
}

bool startsWithWideByteOrderMark(const char* data, const char* end)
{
    return startsWith(data, end, QLatin1String("\xff\xfe")) || startsWith(data, end, QLatin1String("\xfe\xff")) ||
           startsWith(data, end, QLatin1String("\0\0\xfe\xff", 4));
}

// The program's lines, read in large blocks: most lines are short, and each
// read of the device costs far more than finding a line's end.
class Lines
{
public:
    Lines(QIODevice& in, qint64 limit) : in_(in), limit_(limit) {}

    // The next line with its LF, or what is left at the end; false at the end
    // or once the device failed. A line longer than the limit is cut just past
    // it, which the caller sees by its size. The line lies in the block until
    // the next call.
    bool next(const char*& data, int& size)
    {
        for (int scanned = start_;;) {
            const char* const begin = block_.constData() + start_;
            const char* const lf = static_cast<const char*>(
                std::memchr(block_.constData() + scanned, '\n', size_t(block_.size() - scanned)));
            const int available = block_.size() - start_;
            if (lf || available > limit_ || (atEnd_ && available > 0)) {
                size = lf ? int(lf - begin) + 1 : int(std::min<qint64>(available, limit_ + 1));
                data = begin;
                start_ += size;
                return true;
            }
            if (atEnd_ || failed_)
                return false;
            scanned = available;
            readMore();
        }
    }

    // Whether the device failed before its end: the program was not read whole.
    bool failed() const { return failed_; }

private:
    static constexpr int blockSize = 64 * 1024;

    void readMore()
    {
        block_.remove(0, start_);
        start_ = 0;
        const int kept = block_.size();
        block_.resize(kept + blockSize);
        const qint64 n = in_.read(block_.data() + kept, blockSize);
        block_.resize(kept + int(std::max<qint64>(n, 0)));
        atEnd_ = n == 0;
        failed_ = n < 0;
    }

    QIODevice& in_;
    const qint64 limit_;
    QByteArray block_;
    int start_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

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
    static const QLatin1String utf8ByteOrderMark("\xef\xbb\xbf");
    wobj = 0;
    qint64 read = 0;
    qint64 written = 0;
    Lines lines(in, limit);
    // Lines are short: they go to the device in large writes.
    PositionerFiles::DeviceWriter writer(out);
    const char* line = nullptr;
    int size = 0;
    while (lines.next(line, size)) {
        if (size > limit)
            return false;
        const char* const lineEnd = line + size;
        // The byte-order mark belongs to the file, not to its first line's text.
        const bool first = read == 0;
        if (first && startsWithWideByteOrderMark(line, lineEnd))
            return false;
        const int mark = first && startsWith(line, lineEnd, utf8ByteOrderMark) ? utf8ByteOrderMark.size() : 0;

        int end = size;
        if (end > 0 && line[end - 1] == '\n')
            --end;
        if (end > mark && end < size && line[end - 1] == '\r')
            --end;
        const int endingSize = size - end;
        read += size;

        if (!mayChange(line + mark, line + end)) {
            // Copied whole, its ending with it; a last line gets its LF.
            writer.write(line, size_t(size));
            if (endingSize == 0)
                writer.write("\n", 1);
            written += size + (endingSize == 0 ? 1 : 0);
            continue;
        }

        // Latin-1 maps every byte to one character and back, so a line the
        // rules leave alone keeps its bytes whatever its encoding, and the
        // ASCII the rules put in is the same in every ASCII-based one. The
        // size is given: a NUL byte is text like any other.
        QString text = QString::fromLatin1(line + mark, end - mark);
        if (text.contains(QLatin1Char('\r')) && actsOn(text))
            return false;
        // What the program has grown by so far is taken off what this line
        // may grow.
        const qint64 allowed = std::min(limit, text.size() + limit - (written - (read - size)));
        const LineResult result = transformLine(text, wobj, allowed);
        if (result == LineResult::Refused)
            return false;
        const QByteArray rewritten =
            result == LineResult::Changed ? text.toLatin1() : QByteArray::fromRawData(line + mark, end - mark);
        writer.write(line, size_t(mark));
        writer.write(rewritten.constData(), size_t(rewritten.size()));
        writer.write(endingSize == 0 ? "\n" : line + end, size_t(std::max(endingSize, 1)));
        written += mark + rewritten.size() + std::max(endingSize, 1);
    }
    return !lines.failed() && writer.finish();
}

}  // namespace UserFrameDynProgram
