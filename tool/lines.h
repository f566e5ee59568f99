// Line numbers of the offsets pugixml reports. Its offsets count in the text
// it parsed: the file's own bytes when it is UTF-8, their conversion to UTF-8
// otherwise (a UTF-16 GLOBAL.var, a Latin-1 calibration file).
#pragma once

#include <QByteArray>

#include <pugixml.hpp>

#include <cstddef>

namespace tool {

class Lines
{
public:
    Lines() = default;
    // The file's bytes and the encoding the parser found in them.
    Lines(const QByteArray& bytes, pugi::xml_encoding encoding);

    // The line, counted from 1, of an offset; 0 for a node with no offset.
    // Offsets asked for in ascending order are counted in one pass over the
    // text; going back starts again from its beginning.
    int at(std::ptrdiff_t offset);
    int of(pugi::xml_node node) { return at(node.offset_debug()); }

private:
    QByteArray text_;
    std::ptrdiff_t counted_ = 0;
    int line_ = 1;
};

}  // namespace tool
