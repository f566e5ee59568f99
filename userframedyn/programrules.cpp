#include "programrules.h"

#include "failurerecord.h"

#include <algorithm>
#include <string_view>

namespace Positioner {

namespace {

const QLatin1String dateMarker("Date");
const QLatin1String destinationMarker("<dest>wobj");
const QLatin1String expressionMarker("<expr>GETTRKWOBJ");

LineResult withPointNumbers(QString& line, const QString& numbers, qint64 maxLength)
{
    const QLatin1String pointStart("POINTC(");
    const int p = line.indexOf(pointStart);
    if (p < 0)
        return LineResult::Unchanged;
    const int first = p + pointStart.size();
    // The first "),true" of the line, even when it stands before the point.
    const int q = line.indexOf(QLatin1String("),true"));
    if (q <= first)
        return LineResult::Unchanged;
    const QString old = line.mid(first, q - first);
    // Saved again with the same frame, the line already holds its numbers.
    if (old == numbers)
        return LineResult::Unchanged;
    if (numbers.isNull())
        return LineResult::Refused;
    // Every occurrence is replaced: a short old list in a long line multiplies
    // the line, so its new length is known before it is built. A list no
    // longer than the old one cannot make the line grow.
    if (numbers.size() > old.size() &&
        line.size() + line.count(old) * (qint64(numbers.size()) - old.size()) > maxLength)
        return LineResult::Refused;
    line.replace(old, numbers);
    return LineResult::Changed;
}

// The rules act on no line without one of their markers.
bool holdsMarker(std::string_view bytes)
{
    for (const QLatin1String& marker : {dateMarker, destinationMarker, expressionMarker}) {
        if (bytes.find(std::string_view(marker.data(), size_t(marker.size()))) != bytes.npos)
            return true;
    }
    return false;
}

bool startsWithWideByteOrderMark(const QByteArray& program)
{
    return program.startsWith("\xff\xfe") || program.startsWith("\xfe\xff") ||
           program.startsWith(QByteArray("\0\0\xfe\xff", 4));
}

}  // namespace

void recordRefusal(const Replacements& with, int wobj, qint64 line, qint64 growthLimit)
{
    if (wobj >= 1 && wobj <= dynamicWorkObjects && with.pointNumbers[wobj - 1].isNull()) {
        Diagnostics::record(Diagnostics::Step::NotFinite, QStringLiteral("parms[%1].userFrame").arg(wobj - 1));
        return;
    }
    Diagnostics::record(Diagnostics::Step::GrowsTooMuch, QString(), 0, growthLimit, line);
}

LineResult transformLine(QString& line, int& wobj, const Replacements& with, qint64 maxLength)
{
    // Any line that mentions the date is the date comment.
    if (line.contains(dateMarker)) {
        line = with.dateComment;
        return LineResult::Changed;
    }

    // A destination that is no dynamic work object (wobj0, wobj6_dyn) leaves
    // the current one in force. Only ASCII digits name one: "wobj²_dyn" is
    // some other name.
    if (const int destination = line.indexOf(destinationMarker); destination >= 0) {
        for (int n = 1; n <= dynamicWorkObjects; ++n) {
            if (line.indexOf(QStringLiteral("<dest>wobj%1_dyn").arg(n), destination) >= 0) {
                wobj = n;
                break;
            }
        }
        return LineResult::Unchanged;
    }

    // wobj is public in the editor: only its valid values name a frame.
    if (line.contains(expressionMarker) && wobj >= 1 && wobj <= dynamicWorkObjects)
        return withPointNumbers(line, with.pointNumbers[wobj - 1], maxLength);
    return LineResult::Unchanged;
}

bool rewrite(const QByteArray& program, QIODevice& out, int& wobj, const Replacements& with, qint64 growthLimit)
{
    wobj = 0;
    if (startsWithWideByteOrderMark(program)) {
        Diagnostics::record(Diagnostics::Step::WideEncoding);
        return false;
    }
    // The byte-order mark belongs to the file, not to its first line's text.
    const int mark = program.startsWith("\xef\xbb\xbf") ? 3 : 0;
    // The line, from 1, that starts at `start`, for a reason.
    const auto lineAt = [&](int start) { return 1 + qint64(std::count(program.begin(), program.begin() + start, '\n')); };
    // The bytes before `copied` are written; a line the rules leave alone is
    // written with the ones after it, when the next changed line or the end
    // comes, and so keeps its bytes and its own line end.
    int copied = 0;
    qint64 grown = 0;
    const auto copyTo = [&](int end) { return out.write(program.constData() + copied, end - copied) == end - copied; };
    for (int start = 0, lf = -1; start < program.size(); start = lf + 1) {
        lf = program.indexOf('\n', start);
        if (lf < 0)
            lf = program.size();
        const int textStart = start == 0 ? mark : start;
        std::string_view bytes(program.constData() + textStart, size_t(lf - textStart));
        if (!holdsMarker(bytes))
            continue;
        // A line that holds a marker is never empty: a CR before its LF is
        // part of its line end.
        if (lf < program.size() && bytes.back() == '\r')
            bytes.remove_suffix(1);
        const int end = textStart + int(bytes.size());
        // A lone CR in a line the rules act on may be a line end the rewrite
        // cannot see: the markers might stand in lines of their own.
        if (bytes.find('\r') != bytes.npos) {
            Diagnostics::record(Diagnostics::Step::LoneCarriageReturn, QString(), 0, 0, lineAt(start));
            return false;
        }
        // Latin-1 maps every byte to one character and back, so the ASCII the
        // rules put in is the same in every ASCII-based encoding. The size is
        // given: a NUL byte is text like any other.
        QString text = QString::fromLatin1(bytes.data(), int(bytes.size()));
        // What the program has grown by so far is taken off what this line may grow.
        const LineResult result = transformLine(text, wobj, with, text.size() + growthLimit - grown);
        if (result == LineResult::Refused) {
            recordRefusal(with, wobj, lineAt(start), growthLimit);
            return false;
        }
        if (result == LineResult::Changed) {
            const QByteArray changed = text.toLatin1();
            if (!copyTo(textStart) || out.write(changed) != changed.size())
                return false;
            grown += changed.size() - bytes.size();
            copied = end;
        }
    }
    // A last line without a line end gets an LF.
    return copyTo(program.size()) && (program.isEmpty() || program.endsWith('\n') || out.write("\n", 1) == 1);
}

}  // namespace Positioner
