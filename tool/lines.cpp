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

}  // namespace

Lines::Lines(const QByteArray& bytes, pugi::xml_encoding encoding) : text_(bytes)
{
    const char* const name = codecName(encoding);
    if (QTextCodec* codec = name ? QTextCodec::codecForName(name) : nullptr) {
        // pugixml keeps a byte-order mark as a character of its text.
        QTextCodec::ConverterState keepMark(QTextCodec::IgnoreHeader);
        text_ = codec->toUnicode(bytes.constData(), bytes.size(), &keepMark).toUtf8();
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
