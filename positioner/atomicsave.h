// Loading the library's XML files, and saving a document so that the file at the path is either the old one or the
// complete new one: the bytes go to a temporary file in the same directory,
// which replaces the old file only once everything was written.
#pragma once

#include <QIODevice>
#include <QString>

#include <pugixml.hpp>

namespace PositionerFiles {

// A path the file system would read differently from the caller: a NUL ends
// it early. Such a path names no file of ours.
bool isUsablePath(const QString& path);

// Loads the XML file at the path with the parse options; false when it is not
// a readable, well-formed document in a regular file (a pipe or a device would
// block or never end).
bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options);

// False when the temporary file could not be made, written or renamed over the
// old one; the old file is then left as it was.
bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding);

// Gathers pugixml's small pieces into large writes; a large piece, a text of
// gigabytes included, goes to the device straight from where it lies.
class DeviceWriter : public pugi::xml_writer
{
public:
    explicit DeviceWriter(QIODevice& device);

    void write(const void* data, size_t size) override;

    // True when every byte reached the device.
    bool finish();

private:
    static constexpr qint64 capacity = 1 << 20;

    void flush();
    void writeThrough(const char* data, qint64 size);

    QIODevice& device_;
    QByteArray buffer_;
    bool ok_ = true;
};

}  // namespace PositionerFiles
