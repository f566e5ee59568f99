#include "visibletext.h"

#include <algorithm>
#include <cstring>

namespace tool {

namespace {

bool isControl(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u < 0xa0);
}

}  // namespace

QString visible(const QString& text, int longest)
{
    const int shown = std::min(text.size(), longest);
    // Most texts hold nothing to escape.
    if (std::none_of(text.begin(), text.begin() + shown, isControl))
        return shown < text.size() ? text.left(shown) + QStringLiteral("...") : text;
    QString out;
    for (int k = 0; k < shown; ++k) {
        const ushort c = text[k].unicode();
        if (c < 0x20 || c == 0x7f)
            out += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
        else if (c >= 0x80 && c < 0xa0)
            out += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
        else
            out += text[k];
    }
    if (shown < text.size())
        out += QStringLiteral("...");
    return out;
}

QString visible(const char* utf8, int longest)
{
    // Only the part that is shown is decoded: a value may be a hundred megabytes.
    const std::size_t length = strnlen(utf8, std::size_t(longest) * 4 + 4);
    return visible(QString::fromUtf8(utf8, int(length)), longest);
}

}  // namespace tool
