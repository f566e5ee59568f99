// A file that cannot be written completely is never half replaced, and the
// failure reaches the caller.
#include "faultinjection.h"
#include "golden.h"
#include "simfixture.h"

#include <functional>
#include <iterator>
#include <memory>

namespace {

class SaveFaults : public PositionerCell
{
};

TEST_F(SaveFaults, AFileThatCannotBeWrittenWholeKeepsItsOldContent)
{
    const struct
    {
        const char* file;
        const char* previous;  // a loadable file of more than 512 bytes
        bool (PositionerData::*write)(QString);
    } writers[] = {{"positionercalibframepar.xml", "positionercalibframepar.xml", &PositionerData::writePositionerFile},
                   {"GLOBAL.var", "globalvar-input.var", &PositionerData::writeGlobalVarFile}};
    const std::function<std::shared_ptr<void>()> faults[] = {
        [] { return std::make_shared<FileSizeLimit>(512); },
        [this] { return std::make_shared<ReadOnlyDirectory>(positionerDir()); }};

    for (const auto& writer : writers) {
        const QString path = positionerDir() + "/" + writer.file;
        const QByteArray previous = goldenFile(writer.previous);
        for (std::size_t fault = 0; fault < std::size(faults); ++fault) {
            writeFile(path, previous);
            bool written = true;
            {
                const std::shared_ptr<void> inForce = faults[fault]();
                written = (d->*writer.write)(path);
            }
            EXPECT_FALSE(written) << writer.file << ", fault " << fault;
            EXPECT_EQ(readFile(path), previous) << writer.file << ", fault " << fault;
            // No temporary file is left behind either.
            EXPECT_EQ(QDir(positionerDir()).entryList(QDir::Files | QDir::Hidden), QStringList{writer.file});
            QFile::remove(path);
        }
    }
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/no/such/dir/calib.xml"));
    writeFile(positionerDir() + "/a-file", "");
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/a-file/inside-a-file.xml"));
}

}  // namespace
