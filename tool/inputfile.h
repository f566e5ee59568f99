// The files the tool reads come from the field, from unknown sources: only a
// regular file of a sane size is read, and nothing waits for a writer.
#pragma once

#include <QByteArray>
#include <QString>

namespace tool {

// Larger than any calibration file or GLOBAL.var; a QByteArray ends near 2 GiB.
constexpr qint64 maxInputSize = qint64(1) << 30;

// The whole file, opened without waiting (a FIFO with no writer cannot hold
// the tool); a FIFO, a device such as /dev/zero, a directory or a file over
// maxInputSize is refused. On failure `error` says why.
bool readInputFile(const QString& path, QByteArray& bytes, QString& error);

}  // namespace tool
