// Any bytes may arrive as the user-frame program, in any encoding and with any
// line ends. Rewriting it must not crash or trip a sanitizer, and when it goes
// through, every line keeps its line end and every line that no rule changes
// comes back byte for byte, and an expression changes only where its point's
// old numbers stood; when it is refused, the program gave a reason.
#include <positionerdata.h>
#include <programrules.h>

#include <QBuffer>
#include <QByteArrayList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 limit = 64 * 1024;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

// Lines with their LF, the last one as it stands.
QByteArrayList linesOf(const QByteArray& text)
{
    QByteArrayList lines;
    for (int start = 0; start < text.size();) {
        const int lf = text.indexOf('\n', start);
        const int end = lf < 0 ? text.size() : lf + 1;
        lines << text.mid(start, end - start);
        start = end;
    }
    return lines;
}

bool holdsLoneCr(const QByteArray& line)
{
    const QByteArray body = line.endsWith("\r\n") ? line.left(line.size() - 2) : line;
    return body.contains('\r');
}

// The line with every occurrence of its point's old numbers replaced by the
// user frame of one of the dynamic work objects.
bool isPointRewrite(const QByteArray& line, const QByteArray& result)
{
    const int p = line.indexOf("POINTC(");
    const int q = line.indexOf("),true");
    if (p < 0 || q <= p + 7)
        return false;
    const QByteArray old = line.mid(p + 7, q - p - 7);
    PositionerData* data = PositionerData::getInstance();
    for (int n = 1; n <= 5; ++n) {
        if (QByteArray(line).replace(old, data->posDoubleToQstr(data->parms[n - 1].userFrame, 6).toLatin1()) == result)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionerData* const positioner = [] {
        PositionerData* p = PositionerData::getInstance();
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 6; ++k)
                p->parms[i].userFrame[k] = (i + 1) * 100.0 + k * 0.125 - 300.0;
        }
        return p;
    }();

    static const Positioner::Replacements with = [] {
        Positioner::Replacements r;
        r.dateComment = QStringLiteral("<!-- Date(ymd)/time(hms) 2024/05/06 14:21:09 -->");
        for (int n = 1; n <= 5; ++n)
            r.pointNumbers[n - 1] = positioner->posDoubleToQstr(positioner->parms[n - 1].userFrame, 6);
        return r;
    }();

    const QByteArray program(reinterpret_cast<const char*>(data), static_cast<int>(size));
    QByteArray rewritten;
    QBuffer out(&rewritten);
    out.open(QIODevice::WriteOnly);
    int wobj = 0;
    const bool done = Positioner::rewrite(program, out, wobj, with, limit);

    const QByteArrayList before = linesOf(program);
    if (!done) {
        bool reason = program.startsWith("\xff\xfe") || program.startsWith("\xfe\xff") ||
                      program.startsWith(QByteArray("\0\0\xfe\xff", 4));
        for (const QByteArray& line : before) {
            reason = reason || line.contains("<expr>GETTRKWOBJ") ||
                     (holdsLoneCr(line) &&
                      (line.contains("Date") || line.contains("<dest>wobj") || line.contains("<expr>GETTRKWOBJ")));
        }
        check(reason, "a refused program gave a reason");
        return 0;
    }

    const QByteArrayList after = linesOf(rewritten);
    check(after.size() == before.size(), "as many lines as before");
    for (int i = 0; i < before.size(); ++i) {
        const QByteArray& line = before[i];
        const QByteArray& result = after[i];
        const bool crlf = line.endsWith("\r\n");
        // A last line without an LF gets one after whatever it ends with.
        check(result.endsWith(crlf ? "\r\n" : "\n") && (crlf || !line.endsWith('\n') || !result.endsWith("\r\n")),
              "every line keeps its line end");
        const QByteArray withEnd = line.endsWith('\n') ? line : line + '\n';
        const QByteArray mark = i == 0 && line.startsWith("\xef\xbb\xbf") ? QByteArray("\xef\xbb\xbf") : QByteArray();
        if (line.contains("Date")) {
            check(result.startsWith(mark + "<!-- Date(ymd)/time(hms) "), "a line with the date is the date comment");
            continue;
        }
        if (!line.contains("<expr>GETTRKWOBJ"))
            check(result == withEnd, "a line no rule changes comes back byte for byte");
        else if (result != withEnd)
            check(isPointRewrite(withEnd, result), "an expression changes only in its point's numbers");
    }
    return 0;
}
