// A calibration file that cannot be written completely is never half replaced,
// and the failure reaches the caller.
#include "faultinjection.h"
#include "simfixture.h"

namespace {

class SaveFaults : public PositionerCell
{
protected:
    QString path;
    QByteArray previous;

    void SetUp() override
    {
        PositionerCell::SetUp();
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

}  // namespace
