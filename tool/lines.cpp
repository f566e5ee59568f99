#include "lines.h"

#include <QTextCodec>

#include <algorithm>
#include <cstring>

namespace tool {

namespace {

const char* codecName(pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_utf16_le: return "UTF-16LE";
    case pugi::encoding_utf16_be: return "UTF-16BE";
    case pugi::encoding_utf32_le: return "UTF-32LE";
    case pugi::encoding_utf32_be: return "UTF-32BE";
    case pugi::encoding_latin1: return "ISO-8859-1";
    default: return nullptr;
    }
}


// pugixml drops a UTF-16 surrogate that has no partner, where a conversion to
// UTF-8 would write a character for it: the text counted leaves it out too,
// so that a later offset is not moved.
QString withoutLoneSurrogates(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (int k = 0; k < text.size(); ++k) {
        if (text[k].isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate()) {
            kept += text[k];
            kept += text[++k];
        } else if (!text[k].isSurrogate()) {
            kept += text[k];
        }
    }
    return kept;
}

}  // namespace

Lines::Lines(const QByteArray& bytes, pugi::xml_encoding encoding) : text_(bytes)
{
    const char* const name = codecName(encoding);
    if (QTextCodec* codec = name ? QTextCodec::codecForName(name) : nullptr) {
        // pugixml keeps a byte-order mark as a character of its text.
        QTextCodec::ConverterState keepMark(QTextCodec::IgnoreHeader);
        QString text = codec->toUnicode(bytes.constData(), bytes.size(), &keepMark);
        if (encoding == pugi::encoding_utf16_le || encoding == pugi::encoding_utf16_be)
            text = withoutLoneSurrogates(text);
        text_ = text.toUtf8();
    }
}

int Lines::at(std::ptrdiff_t offset)
{
    if (offset < 0)
        return 0;
    offset = std::min<std::ptrdiff_t>(offset, text_.size());
    if (offset < counted_) {
        counted_ = 0;
        line_ = 1;
    }
    const char* p = text_.constData() + counted_;
    const char* const end = text_.constData() + offset;
    while (p < end && (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)))) != nullptr) {
        ++line_;
        ++p;
    }
    counted_ = offset;
    return line_;
}

}  // namespace tool
