// Any file may arrive as the calibration file. Reading it must not crash or
// trip a sanitizer, and whenever it reads, the baseline is exactly the records.
// Inputs starting with an odd byte are made a frame text instead, followed by
// up to millions of commas: the record must get what splitting the text at
// every comma gives for its first six parts, NaN and infinity read as 0.
#include <positionerdata.h>

#include <QCoreApplication>
#include <QStringList>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <cmath>

namespace {

// The input as a UserFrame text (without the characters that would end it)
// followed by a run of commas whose length the next two bytes give.
QByteArray frameDocument(const std::uint8_t* data, std::size_t size)
{
    const int commas = size >= 3 ? ((data[1] << 8) | data[2]) * 4 : 0;
    QByteArray text(reinterpret_cast<const char*>(data) + std::min<std::size_t>(size, 3),
                    static_cast<int>(size - std::min<std::size_t>(size, 3)));
    text.replace('<', ' ').replace('&', ' ').replace('\0', ' ');
    return "<FramePar><Positioner><UserFrame>" + text + QByteArray(commas, ',') +
           "</UserFrame></Positioner></FramePar>";
}

// The first six parts of the text the document holds, each as a number; the
// values a part-less destination keeps are marked by the sentinel.
void referenceFrame(const QString& path, double (&frame)[6], double sentinel)
{
    pugi::xml_document document;
    document.load_file(path.toLocal8Bit().constData(), pugi::parse_pi);
    const QString text =
        QString::fromUtf8(document.child("FramePar").first_child().child("UserFrame").text().as_string(""));
    // Only the text up to the sixth comma: the parts after it are never taken.
    int cut = -1;
    for (int k = 0; k < 6; ++k) {
        cut = text.indexOf(QLatin1Char(','), cut + 1);
        if (cut < 0)
            break;
    }
    const QStringList parts = (cut < 0 ? text : text.left(cut)).split(QLatin1Char(','));
    for (int k = 0; k < 6; ++k) {
        const double value = k < parts.size() ? parts[k].toDouble() : sentinel;
        frame[k] = std::isfinite(value) ? value : 0.0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static PositionerData* const positioner = PositionerData::getInstance();
    static const QString path =
        QDir::tempPath() + QStringLiteral("/positioner-fuzz-%1.xml").arg(QCoreApplication::applicationPid());

    const bool frameText = size > 0 && (data[0] & 1);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    if (frameText)
        file.write(frameDocument(data, size));
    else
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    // Records that differ from their baseline, so that a record the read
    // forgot to copy shows.
    for (int i = 0; i < 10; ++i) {
        positioner->parms[i] = PositionerParm();
        positioner->parms[i].axes1Frame[0] = i + 0.5;
        positioner->savedParms[i] = PositionerParm();
    }
    constexpr double untouched = -7.25;
    for (double& value : positioner->parms[0].userFrame)
        value = untouched;
    if (positioner->readPositionerFile(path)) {
        for (int i = 0; i < 10; ++i) {
            if (std::memcmp(&positioner->parms[i], &positioner->savedParms[i], sizeof(PositionerParm)) != 0)
                std::abort();
        }
        if (frameText) {
            double expected[6];
            referenceFrame(path, expected, untouched);
            if (std::memcmp(expected, positioner->parms[0].userFrame, sizeof expected) != 0)
                std::abort();
        }
    } else if (frameText) {
        std::abort();
    }
    return 0;
}
