// A calibration file that cannot be written completely is never half replaced,
// and the failure reaches the caller.
#include "simfixture.h"

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class SaveFaults : public SimulatedCell
{
protected:
    PositionerData* d = nullptr;
    QString path;
    QByteArray previous;

    void SetUp() override
    {
        SimulatedCell::SetUp();
        d = PositionerData::getInstance();
        path = positionerDir() + "/positionercalibframepar.xml";
        d->parms[0].axes1Type = 2;
        ASSERT_TRUE(d->writePositionerFile(path));
        previous = readFile(path);
        d->parms[0].axes1Type = 3;
        d->parms[5].userFrame[0] = 123.4567;
    }

    void expectPreviousFileIntact()
    {
        EXPECT_EQ(readFile(path), previous);
        // No temporary file is left behind either.
        EXPECT_EQ(QDir(positionerDir()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"positionercalibframepar.xml"});
    }
};

// Files may grow to a few hundred bytes only, so the write fails part way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// Makes the directory read-only for this thread, also when it runs as root: the
// file system then checks an unprivileged user's rights.
class ReadOnlyDirectory
{
public:
    explicit ReadOnlyDirectory(const QString& dir) : dir_(dir)
    {
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        if (geteuid() == 0)
            setfsuid(65534);
    }
    ~ReadOnlyDirectory()
    {
        if (geteuid() == 0)
            setfsuid(0);
        QFile::setPermissions(dir_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    QString dir_;
};

TEST_F(SaveFaults, AWriteThatFailsPartWayKeepsTheOldFile)
{
    ASSERT_GT(previous.size(), 1000);
    bool written = true;
    {
        FileSizeLimit limit(512);
        written = d->writePositionerFile(path);
    }
    EXPECT_FALSE(written);
    expectPreviousFileIntact();
}

TEST_F(SaveFaults, AReadOnlyDirectoryIsReported)
{
    bool written = true;
    {
        ReadOnlyDirectory readOnly(positionerDir());
        written = d->writePositionerFile(path);
    }
    EXPECT_FALSE(written);
    expectPreviousFileIntact();
}

TEST_F(SaveFaults, AMissingDirectoryIsReported)
{
    EXPECT_FALSE(d->writePositionerFile(positionerDir() + "/no/such/dir/calib.xml"));
    EXPECT_FALSE(d->writePositionerFile(path + "/inside-a-file.xml"));
    expectPreviousFileIntact();
}

TEST_F(SaveFaults, AFileInTheWayOfItsDirectoryEntryIsReplacedWhole)
{
    // After a failure the next write goes through and holds the new values.
    {
        FileSizeLimit limit(512);
        d->writePositionerFile(path);
    }
    ASSERT_TRUE(d->writePositionerFile(path));
    ASSERT_TRUE(d->readPositionerFile(path));
    EXPECT_EQ(d->parms[0].axes1Type, 3);
    EXPECT_EQ(d->parms[5].userFrame[0], 123.4567);
}

}  // namespace
