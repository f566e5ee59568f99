#include "atomicsave.h"

#include <QSaveFile>

namespace PositionerFiles {

namespace {

class DeviceWriter : public pugi::xml_writer
{
public:
    explicit DeviceWriter(QIODevice& device) : device_(device) {}

    void write(const void* data, size_t size) override
    {
        if (ok_)
            ok_ = device_.write(static_cast<const char*>(data), static_cast<qint64>(size)) ==
                  static_cast<qint64>(size);
    }

    bool ok() const { return ok_; }

private:
    QIODevice& device_;
    bool ok_ = true;
};

}  // namespace

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
    if (!writer.ok()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace PositionerFiles
