// Loading the library's XML files, and saving a document so that the file at the path is either the old one or the
// complete new one: the bytes go to a temporary file in the same directory,
// which replaces the old file only once everything was written.
#pragma once

#include <QString>

#include <pugixml.hpp>

namespace PositionerFiles {

// Loads the XML file at the path with the parse options; false when it is not
// a readable, well-formed document.
bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options);

// False when the temporary file could not be made, written or renamed over the
// old one; the old file is then left as it was.
bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding);

}  // namespace PositionerFiles
