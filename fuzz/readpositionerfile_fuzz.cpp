// Any file may arrive as the calibration file. Reading it must not crash or
// trip a sanitizer, and whenever it reads, the baseline is exactly the records.
#include <positionerdata.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionerData* const positioner = PositionerData::getInstance();
    static const QString path =
        QDir::tempPath() + QStringLiteral("/positioner-fuzz-%1.xml").arg(QCoreApplication::applicationPid());

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    // Records that differ from their baseline, so that a record the read
    // forgot to copy shows.
    for (int i = 0; i < 10; ++i) {
        positioner->parms[i] = PositionerParm();
        positioner->parms[i].axes1Frame[0] = i + 0.5;
        positioner->savedParms[i] = PositionerParm();
    }
    if (positioner->readPositionerFile(path)) {
        for (int i = 0; i < 10; ++i) {
            if (std::memcmp(&positioner->parms[i], &positioner->savedParms[i], sizeof(PositionerParm)) != 0)
                std::abort();
        }
    }
    return 0;
}
