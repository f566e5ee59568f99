#include "programrules.h"

#include "failurerecord.h"

#include <string_view>

namespace Positioner {

namespace {

const QLatin1String dateMarker("Date");
const QLatin1String destinationMarker("<dest>wobj");
const QLatin1String expressionMarker("<expr>GETTRKWOBJ");

// Whether a rule acts on the bytes of a line: most lines of a program hold
// none of the markers and are copied as they are.
bool actsOn(std::string_view line)
{
    return line.find(dateMarker.data()) != line.npos || line.find(destinationMarker.data()) != line.npos ||
           line.find(expressionMarker.data()) != line.npos;
}

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
    // the line, so its new length is known before it is built.
    if (line.size() + line.count(old) * (qint64(numbers.size()) - old.size()) > maxLength)
        return LineResult::Refused;
    line.replace(old, numbers);
    return LineResult::Changed;
}

bool startsWithWideByteOrderMark(const QByteArray& program)
{
    return program.startsWith("\xff\xfe") || program.startsWith("\xfe\xff") ||
           program.startsWith(QByteArray("\0\0\xfe\xff", 4));
}

}  // namespace

namespace Diagnostics = PositionerDiagnostics;

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
    if (line.contains(destinationMarker)) {
        static const QLatin1String dynamic[dynamicWorkObjects] = {
            QLatin1String("<dest>wobj1_dyn"), QLatin1String("<dest>wobj2_dyn"), QLatin1String("<dest>wobj3_dyn"),
            QLatin1String("<dest>wobj4_dyn"), QLatin1String("<dest>wobj5_dyn")};
        for (int n = 1; n <= dynamicWorkObjects; ++n) {
            if (line.contains(dynamic[n - 1])) {
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

bool rewrite(const QByteArray& program, QByteArray& out, int& wobj, const Replacements& with, qint64 growthLimit)
{
    wobj = 0;
    out.clear();
    out.reserve(program.size());
    if (startsWithWideByteOrderMark(program)) {
        Diagnostics::record(Diagnostics::Step::WideEncoding, QString());
        return false;
    }
    // The byte-order mark belongs to the file, not to its first line's text.
    const int mark = program.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const std::string_view all(program.constData(), size_t(program.size()));
    qint64 line = 0;
    for (int start = 0, next = 0; start < program.size(); start = next) {
        ++line;
        const size_t found = all.find('\n', size_t(start));
        const int lf = found == all.npos ? -1 : int(found);
        next = lf < 0 ? program.size() : lf + 1;
        const int textStart = start == 0 ? mark : start;
        int end = lf < 0 ? next : lf;
        if (lf >= 0 && end > textStart && program[end - 1] == '\r')
            --end;

        // Latin-1 maps every byte to one character and back, so a line the
        // rules leave alone keeps its bytes whatever its encoding, and the
        // ASCII the rules put in is the same in every ASCII-based one. The
        // size is given: a NUL byte is text like any other.
        const std::string_view bytes(program.constData() + textStart, size_t(end - textStart));
        QString text;
        LineResult result = LineResult::Unchanged;
        if (actsOn(bytes)) {
            // A lone CR in a line the rules act on may be a line end the
            // rewrite cannot see: the markers might stand in lines of their own.
            if (bytes.find('\r') != bytes.npos) {
                Diagnostics::record(Diagnostics::Step::LoneCarriageReturn, QString(), 0, 0, line);
                return false;
            }
            text = QString::fromLatin1(bytes.data(), int(bytes.size()));
            // What the program has grown by so far is taken off what this line may grow.
            const qint64 grown = out.size() - start;
            result = transformLine(text, wobj, with, text.size() + growthLimit - grown);
            if (result == LineResult::Refused) {
                recordRefusal(with, wobj, line, growthLimit);
                return false;
            }
        }
        out.append(program.constData() + start, textStart - start);
        if (result == LineResult::Changed)
            out += text.toLatin1();
        else
            out.append(bytes.data(), int(bytes.size()));
        // Each line keeps its own ending; a last line without one gets an LF.
        if (lf < 0)
            out += '\n';
        else
            out.append(program.constData() + end, next - end);
    }
    return true;
}

}  // namespace Positioner
