// Loading the library's XML files, and saving a document so that the file at the path is either the old one or the
// complete new one: the bytes go to a temporary file in the same directory,
// which replaces the old file only once everything was written.
#pragma once

#include <QFile>
#include <QString>

#include <pugixml.hpp>

namespace Positioner {

// The largest file the library reads, in bytes: a calibration file of ten
// records, a GLOBAL.var of a few hundred kilobytes and a user-frame program of
// a few dozen lines lie far below it. A larger file is refused before any of it
// is read, so that what a hostile file costs in time and memory stays bounded;
// below it, the work grows linearly with the file.
constexpr qint64 maxInputBytes = qint64(64) << 20;

// A path the file system would read differently from the caller: a NUL ends
// it early. Such a path names no file of ours.
bool isUsablePath(const QString& path);

// Opens the file at the path for reading; false, with the reason, when it is
// no regular file (a pipe or a device would block or never end) of at most
// maxInputBytes.
bool openInput(QFile& file, const QString& path);

// Loads the XML file at the path with the parse options; false when it cannot
// be opened as openInput() does, read, or parsed as a well-formed document.
bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options);

// False when the temporary file could not be made, written or renamed over the
// old one; the old file is then left as it was.
bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding);

}  // namespace Positioner
