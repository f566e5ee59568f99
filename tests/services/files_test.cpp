// The simulated file trees and transfers.
#include "simfixture.h"

namespace {

class Files : public SimulatedCell
{
protected:
    sim::Files& files = sim::Files::instance();
    QString local(const QString& name) const { return positionerDir() + "/" + name; }
};

TEST_F(Files, PendantNamesResolveAgainstThePendantsProgramDirectory)
{
    EXPECT_EQ(RtmGetLocalizedFileName("../Application/positioner", true),
              files.pendantRoot() + "/Application/positioner");
    EXPECT_EQ(files.controllerFile("/xpl/GLOBAL.var"), files.controllerRoot() + "/xpl/GLOBAL.var");
    EXPECT_TRUE(files.pendantRoot().startsWith(qEnvironmentVariable("POSITIONER_DATA_DIR")));
}

TEST_F(Files, FetchAndSendCopyTheFile)
{
    writeFile(files.controllerFile("/xpl/GLOBAL.var"), "<Xpl-source/>\n");
    QDir().mkpath(positionerDir());
    ASSERT_TRUE(DataAccess::GetFileFromController2TPU("/xpl/GLOBAL.var", local("GLOBAL.var"), false));
    EXPECT_EQ(readFile(local("GLOBAL.var")), "<Xpl-source/>\n");

    writeFile(local("GLOBAL.var"), "changed");
    ASSERT_TRUE(DataAccess::SendFileFromTPU2Controller(local("GLOBAL.var"), "/new/dir/GLOBAL.var", false));
    EXPECT_EQ(readFile(files.controllerFile("/new/dir/GLOBAL.var")), "changed");
}

TEST_F(Files, FetchReplacesAnEarlierCopy)
{
    writeFile(local("x.xml"), "old and longer content");
    writeFile(files.controllerFile("/x.xml"), "new");
    ASSERT_TRUE(DataAccess::GetFileFromController2TPU("/x.xml", local("x.xml"), false));
    EXPECT_EQ(readFile(local("x.xml")), "new");
}

TEST_F(Files, MissingSourceOrUnwritableDestinationFails)
{
    writeFile(local("keep.xml"), "kept");
    EXPECT_FALSE(DataAccess::GetFileFromController2TPU("/nothing.xml", local("keep.xml"), false));
    EXPECT_EQ(readFile(local("keep.xml")), "kept");

    writeFile(files.controllerFile("/a.xml"), "a");
    EXPECT_FALSE(DataAccess::GetFileFromController2TPU("/a.xml", positionerDir() + "/no/such/dir/a.xml", false));
    EXPECT_FALSE(DataAccess::SendFileFromTPU2Controller(local("missing.xml"), "/a.xml", false));
    EXPECT_EQ(readFile(files.controllerFile("/a.xml")), "a");
    // A directory is not a file to copy.
    EXPECT_FALSE(DataAccess::GetFileFromController2TPU("/", local("dir.xml"), false));
}

TEST_F(Files, InjectedFaultsFailTheNextTransfersOnly)
{
    writeFile(files.controllerFile("/a.xml"), "a");
    writeFile(local("keep.xml"), "kept");
    files.failNextFetches(2);
    EXPECT_FALSE(DataAccess::GetFileFromController2TPU("/a.xml", local("keep.xml"), false));
    EXPECT_FALSE(DataAccess::GetFileFromController2TPU("/a.xml", local("keep.xml"), false));
    EXPECT_EQ(readFile(local("keep.xml")), "kept");
    // Sends are not affected by fetch faults.
    EXPECT_TRUE(DataAccess::SendFileFromTPU2Controller(local("keep.xml"), "/b.xml", false));
    EXPECT_TRUE(DataAccess::GetFileFromController2TPU("/a.xml", local("keep.xml"), false));

    files.failNextSends(1);
    EXPECT_FALSE(DataAccess::SendFileFromTPU2Controller(local("keep.xml"), "/a.xml", false));
    EXPECT_EQ(readFile(files.controllerFile("/a.xml")), "a");
    EXPECT_TRUE(DataAccess::SendFileFromTPU2Controller(local("keep.xml"), "/a.xml", false));

    const auto& log = files.transfers();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].direction, sim::Transfer::Fetch);
    EXPECT_FALSE(log[0].ok);
    EXPECT_TRUE(log[3].ok);
    EXPECT_EQ(log[4].direction, sim::Transfer::Send);
    EXPECT_FALSE(log[4].ok);
}

}  // namespace
