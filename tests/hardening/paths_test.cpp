// Files are only ever what their path names: a NUL cannot shorten a path, the
// temporary program is never written through a link, and only a regular file
// is read as a document.
#include "simfixture.h"

#include <sim/files.h>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST_F(PositionerCell, APathWithANulIsRefusedAndTouchesNoFile)
{
    const QByteArray document = "<FramePar><Positioner><Axes1Type>1</Axes1Type></Positioner></FramePar>";
    const QString file = positionerDir() + "/x.xml";
    writeFile(file, document);
    const QString withNul = file + QChar(0) + "suffix";
    EXPECT_FALSE(d->readPositionerFile(withNul));
    EXPECT_FALSE(d->writePositionerFile(withNul));
    EXPECT_FALSE(d->sendFileToCtrl(withNul, "/xpl/x.xml"));
    writeFile(sim::Files::instance().controllerFile("/xpl/x.xml"), "<other/>");
    EXPECT_FALSE(d->getFileFromCtrl("/xpl/x.xml", withNul));
    EXPECT_EQ(readFile(file), document);
}

// The loader reads what pugixml's own file loader reads, to the same end: a NUL
// ends the document, and what follows it does not count.
TEST_F(PositionerCell, ADocumentEndsWhereTheXmlLoaderEndsIt)
{
    const QString file = positionerDir() + "/x.xml";
    writeFile(file, "<FramePar><Positioner><Axes1Type>1</Axes1Type></Positioner></FramePar>" + QByteArray("\0<", 2));
    EXPECT_TRUE(d->readPositionerFile(file));
    EXPECT_EQ(d->parms[0].axes1Type, 2);
}

TEST_F(PositionerCell, TheTemporaryProgramIsNeverWrittenThroughALink)
{
    const QByteArray program = "<dest>wobj1_dyn</dest>\n";
    writeFile(sim::Files::instance().controllerFile("/xpl/userframedyn.xpl"), program);
    writeFile(positionerDir() + "/../outside.txt", "not the library's");
    const QString temporary = positionerDir() + "/userframedyn1.xpl";
    ASSERT_TRUE(QFile::link(positionerDir() + "/../outside.txt", temporary));

    EXPECT_TRUE(d->saveUserFrameDyn());
    EXPECT_EQ(readFile(positionerDir() + "/../outside.txt"), "not the library's");
    EXPECT_FALSE(QFileInfo(positionerDir() + "/userframedyn.xpl").isSymLink());
    EXPECT_EQ(readFile(positionerDir() + "/userframedyn.xpl"), program);
}

TEST_F(PositionerCell, APipeIsNoDocumentAndDoesNotBlock)
{
    const QString pipe = positionerDir() + "/pipe.xml";
    QDir().mkpath(positionerDir());
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    // Should the read wait for a writer, one comes with a document after a
    // second, so the test ends either way.
    std::atomic<bool> returned{false};
    std::atomic<bool> released{false};
    std::thread writer([&] {
        for (int waited = 0; waited < 1000 && !returned; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        released = true;
        while (!returned) {
            const int fd = ::open(pipe.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const char document[] = "<FramePar/>";
                ssize_t ignored = ::write(fd, document, sizeof document - 1);
                (void)ignored;
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const bool read = d->readPositionerFile(pipe);
    const bool waited = released;
    returned = true;
    writer.join();
    EXPECT_FALSE(read);
    EXPECT_FALSE(waited) << "the read waited for a writer";

    // Nor is a pipe that holds a document.
    const int fd = ::open(pipe.toLocal8Bit().constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::write(fd, "<FramePar/>", 11), 11);
    EXPECT_FALSE(d->readPositionerFile(pipe));
    ::close(fd);
}

}  // namespace
