// Any text may arrive as the user-frame program, and dynWobjNo may hold any
// value. Rewriting its lines must not crash or trip a sanitizer (an index
// outside the records included), and only the date comment and the point
// numbers of an expression line ever change.
#include <positionerdata.h>
#include <userframedyneditor.h>

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

bool isDynamicWorkObject(int n) { return n >= 1 && n <= 5; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionerData* const positioner = [] {
        PositionerData* p = PositionerData::getInstance();
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 6; ++k)
                p->parms[i].userFrame[k] = (i + 1) * 100.0 + k * 0.125 - 300.0;
        }
        p->parms[3].userFrame[1] = std::numeric_limits<double>::max();
        p->parms[4].userFrame[2] = std::numeric_limits<double>::quiet_NaN();
        return p;
    }();
    static const int starts[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, -1, std::numeric_limits<int>::min(),
                                 std::numeric_limits<int>::max()};
    if (size == 0)
        return 0;

    UserFrameDynEditor* editor = positioner->userFrameDynEditor;
    editor->dynWobjNo = starts[data[0] % (sizeof starts / sizeof *starts)];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const int before = editor->dynWobjNo;
        const QString result = editor->transformLine(line);
        const int after = editor->dynWobjNo;

        if (line.contains(QLatin1String("Date"))) {
            check(result.startsWith(QLatin1String("<!-- Date(ymd)/time(hms) ")) &&
                  result.endsWith(QLatin1String(" -->")) && after == before,
                  "a line with the date becomes the date comment");
            continue;
        }
        check(after == before || (isDynamicWorkObject(after) && line.contains(QLatin1String("<dest>wobj"))),
              "only a destination line chooses a work object");
        const bool expression = !line.contains(QLatin1String("<dest>wobj")) &&
                                line.contains(QLatin1String("<expr>GETTRKWOBJ")) && isDynamicWorkObject(before);
        if (!expression) {
            check(result == line, "a line that is no expression stays as it is");
            continue;
        }
        if (result != line) {
            const QString numbers = positioner->posDoubleToQstr(positioner->parms[before - 1].userFrame, 6);
            // The old list may also have stood in the point's own "POINTC(".
            check(result.contains(numbers),
                  "a changed expression holds the user frame");
        }
    }
    return 0;
}
