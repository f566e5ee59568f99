// A file that cannot be written completely is never half replaced, and the
// failure reaches the caller.
#include "faultinjection.h"
#include "golden.h"
#include "simfixture.h"

namespace {

class SaveFaults : public PositionerCell
{
};

TEST_F(SaveFaults, AFileThatCannotBeWrittenWholeKeepsItsOldContent)
{
    // Each a loadable file of more than 512 bytes before the write.
    const std::pair<const char*, const char*> files[] = {{"positionercalibframepar.xml", "positionercalibframepar.xml"},
                                                         {"GLOBAL.var", "globalvar-input.var"}};
    for (const auto& file : files) {
        const QString path = positionerDir() + "/" + file.first;
        const QByteArray previous = goldenFile(file.second);
        for (int fault = 0; fault < 2; ++fault) {
            writeFile(path, previous);
            const auto write = [&] {
                return path.endsWith(".xml") ? d->writePositionerFile(path) : d->writeGlobalVarFile(path);
            };
            bool written = true;
            if (fault == 0) {
                FileSizeLimit limit(512);
                written = write();
            } else {
                ReadOnlyDirectory readOnly(positionerDir());
                written = write();
            }
            EXPECT_FALSE(written) << file.first << ", fault " << fault;
            EXPECT_EQ(readFile(path), previous) << file.first << ", fault " << fault;
            // No temporary file is left behind either.
            EXPECT_EQ(QDir(positionerDir()).entryList(QDir::Files | QDir::Hidden), QStringList{file.first});
            QFile::remove(path);
        }
    }
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/no/such/dir/calib.xml"));
    writeFile(positionerDir() + "/a-file", "");
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/a-file/inside-a-file.xml"));
}

}  // namespace
