#include "atomicsave.h"

#include <QByteArray>
#include <QFileInfo>
#include <QSaveFile>

namespace PositionerFiles {

namespace {

// Gathers pugixml's small pieces into large writes.
class DeviceWriter : public pugi::xml_writer
{
public:
    explicit DeviceWriter(QIODevice& device) : device_(device) { buffer_.reserve(capacity); }

    void write(const void* data, size_t size) override
    {
        buffer_.append(static_cast<const char*>(data), static_cast<int>(size));
        if (buffer_.size() >= capacity)
            flush();
    }

    // True when every byte reached the device.
    bool finish()
    {
        flush();
        return ok_;
    }

private:
    static constexpr int capacity = 1 << 20;

    void flush()
    {
        if (ok_ && !buffer_.isEmpty())
            ok_ = device_.write(buffer_) == buffer_.size();
        buffer_.clear();
    }

    QIODevice& device_;
    QByteArray buffer_;
    bool ok_ = true;
};

}  // namespace

bool loadXml(pugi::xml_document& document, const QString& path, unsigned int options)
{
    // A directory opens like a file but reports an absurd size, for which the
    // parser would try to allocate; it is simply not a document.
    if (QFileInfo(path).isDir())
        return false;
    return document.load_file(path.toLocal8Bit().constData(), options, pugi::encoding_auto);
}

bool saveXml(const pugi::xml_document& document, const QString& path, const char* indent,
             unsigned int flags, pugi::xml_encoding encoding)
{
    // Unbuffered: a buffered QSaveFile flushes only in commit(), where a failed
    // write goes unnoticed and the truncated file replaces the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    DeviceWriter writer(file);
    document.save(writer, indent, flags, encoding);
    if (!writer.finish()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace PositionerFiles
