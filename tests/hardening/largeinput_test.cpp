// Inputs far larger than any real file: every byte is written, or the call
// fails cleanly; nothing throws and nothing is half-done.
#include "simfixture.h"

#include <atomicsave.h>
#include <programrules.h>
#include <sim/files.h>
#include <userframedyneditor.h>

#include <QBuffer>

#include <csignal>
#include <functional>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Takes every byte and keeps only their count.
class CountingDevice : public QIODevice
{
public:
    qint64 count = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        count += size;
        return size;
    }
};

TEST(LargeInput, APieceOfMoreThanFourGigabytesReachesTheDeviceWhole)
{
    // Zero pages that are never touched: the size is real, the memory is not.
    const size_t size = (size_t(1) << 32) + 100000;
    void* piece = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(piece, MAP_FAILED);
    CountingDevice device;
    device.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    PositionerFiles::DeviceWriter writer(device);
    writer.write("<a>", 3);
    writer.write(piece, size);
    writer.write("</a>", 4);
    EXPECT_TRUE(writer.finish());
    EXPECT_EQ(device.count, qint64(size) + 7);
    munmap(piece, size);
}

// A program as the fetched copy hands it out; one that fails part way, as a
// failing disk would, is not rewritten either.
class ProgramBuffer : public QBuffer
{
public:
    ProgramBuffer(QByteArray* bytes, bool failsAtEnd) : QBuffer(bytes), failsAtEnd_(failsAtEnd) {}

protected:
    qint64 readData(char* data, qint64 size) override
    {
        const qint64 read = QBuffer::readData(data, size);
        return read == 0 && failsAtEnd_ ? -1 : read;
    }

private:
    bool failsAtEnd_;
};

// The user-frame program's rewrite against bounds lowered to a few kilobytes.
TEST_F(PositionerCell, AProgramThatWouldGrowPastTheLimitIsRefused)
{
    const qint64 limit = 4096;  // of most rows
    const QByteArray destination = "<dest>wobj1_dyn</dest>\n";
    const QByteArray expression = "<expr>GETTRKWOBJ(POINTC(0),true)";
    const struct
    {
        const char* name;
        QByteArray program;
        bool rewritten;
        qint64 limit = 4096;
        bool failsAtEnd = false;
    } cases[] = {
        {"short list multiplied within the limit", destination + expression + QByteArray(40, '0') + "\n", true},
        {"short list multiplied past the limit", destination + expression + QByteArray(1000, '0') + "\n", false},
        // 99 zeros become 99 numbers of 41 characters: a line of 4096 exactly, then one more.
        {"grown to the limit exactly", destination + expression + QByteArray(98, '0') + "xxxxxx\n", true},
        {"grown one past the limit", destination + expression + QByteArray(98, '0') + "xxxxxxx\n", false},
        {"line of the limit exactly", "<Comment>" + QByteArray(limit - 20, 'x') + "</Comment>\n", true},
        {"line longer than the limit", "<Comment>" + QByteArray(limit, 'x') + "</Comment>\n", false},
        {"last line longer than the limit, without LF", "<Comment>" + QByteArray(limit, 'x'), false},
        // The program is read 64 KiB at a time: a line that fills a read is not
        // cut where the read ends.
        {"line as long as a read, and more", QByteArray(65536 + 10, 'x'), false, 65536},
        {"every line within but the program past", destination + (expression + QByteArray(30, '0') + "\n").repeated(4),
         false},
        {"many ordinary lines", QByteArray("<Comment>x</Comment>\n").repeated(1000), true},
        // Grown by 2000 and 2080 of the 4096: plain lines in between add nothing.
        {"program grown to just within the limit past plain lines",
         destination + expression + QByteArray(49, '0') + "\n" + QByteArray("<Comment/>\n").repeated(100) + expression +
             QByteArray(51, '0') + "\n",
         true},
        {"read fails part way", destination + "<Comment/>\n", false, 4096, true},
    };
    d->parms[0].userFrame[0] = 1.5;
    for (const auto& c : cases) {
        QByteArray program = c.program;
        ProgramBuffer in(&program, c.failsAtEnd);
        QByteArray out;
        QBuffer output(&out);
        in.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        output.open(QIODevice::WriteOnly);
        int wobj = 0;
        EXPECT_EQ(UserFrameDynProgram::rewrite(in, output, wobj, c.limit), c.rewritten) << c.name;
    }
}

TEST_F(PositionerCell, AnExpressionThatWouldGrowPastSixtyFourMegabytesIsRefusedWhole)
{
    // Each "0" becomes six numbers of some three hundred digits.
    for (double& value : d->parms[1].userFrame)
        value = 1e300;
    const QByteArray program = "<dest>wobj2_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true," +
                               QByteArray(64 * 1024, '0') + ")</expr>\n";
    const QString controllerFile = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    writeFile(controllerFile, program);
    EXPECT_FALSE(d->saveUserFrameDyn());
    EXPECT_EQ(readFile(positionerDir() + "/userframedyn.xpl"), program) << "the fetched copy as fetched";
    EXPECT_FALSE(QFile::exists(positionerDir() + "/userframedyn1.xpl"));
    EXPECT_EQ(readFile(controllerFile), program);
}

// Runs work with the address space allowed to grow by `budget` bytes only, and
// exits with its answer, or with 1 when an exception escaped the work.
[[noreturn]] void exitWithin(qint64 budget, const std::function<int()>& work)
{
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    const rlim_t limit = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + rlim_t(budget);
    const rlimit space{limit, limit};
    setrlimit(RLIMIT_AS, &space);
    int answer = 1;
    try {
        answer = work();
    } catch (...) {
    }
    _exit(answer);
}

class TightMemory : public PositionerCell
{
protected:
    void SetUp() override
    {
#if defined(__SANITIZE_ADDRESS__)
        GTEST_SKIP() << "the sanitizer's shadow memory leaves no room for an address-space limit";
#endif
        if (qEnvironmentVariableIsSet("POSITIONER_TEST_EMULATOR"))
            GTEST_SKIP() << "the emulator's own mappings leave no room for an address-space limit";
        // Each limited run is a fresh process, and large blocks are mapped and
        // unmapped, never kept free by the heap: what a heap holds free the work
        // could use without growing the address space.
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        mallopt(M_MMAP_THRESHOLD, 128 << 10);
        PositionerCell::SetUp();
    }
};

TEST_F(TightMemory, AnAllocationThatFailsIsAResultNotAnException)
{
    // Within the length any line may have, beyond the memory left: the line
    // comes back as it was.
    d->parms[0].userFrame[0] = 1.5;
    const QString line = "<expr>GETTRKWOBJ(POINTC(0),true" + QString(1 << 20, '0');
    const auto transform = [&] {
        d->userFrameDynEditor->dynWobjNo = 1;
        return d->userFrameDynEditor->transformLine(line) == line ? 2 : 3;
    };
    EXPECT_EXIT(exitWithin(32 << 20, transform), testing::ExitedWithCode(2), "");
}

// Memory that runs out part way through a read or a rewrite is a failure, not
// a success: the number of 4 MB would take 8 MB as text, the comment's line
// 3 MB of buffer; with the memory there, both go through.
TEST_F(TightMemory, AReadOrRewriteThatRunsOutOfMemoryAnswersFalse)
{
    const QString path = positionerDir() + "/large.xml";
    writeFile(path, "<FramePar><Positioner><UserFrame>" + QByteArray(4 << 20, '1') + "</UserFrame></Positioner></FramePar>");
    writeFile(sim::Files::instance().controllerFile("/xpl/userframedyn.xpl"),
              "<Comment>" + QByteArray(3 << 20, 'x') + "</Comment>\n");
    EXPECT_EXIT(exitWithin(8 << 20, [&] { return d->readPositionerFile(path) ? 3 : 2; }), testing::ExitedWithCode(2), "");
    EXPECT_EXIT(exitWithin(2 << 20, [&] { return d->saveUserFrameDyn() ? 3 : 2; }), testing::ExitedWithCode(2), "");
    EXPECT_TRUE(d->readPositionerFile(path));
    EXPECT_TRUE(d->saveUserFrameDyn());
}

// Split whole, a frame text of 16 million commas would take some 150 MB more;
// only its first six parts are read, in the file and in the text alike.
TEST_F(TightMemory, AFrameTextOfMillionsOfCommasCostsNoMoreThanItsSixNumbers)
{
    const QByteArray commas(16 << 20, ',');
    const QString path = positionerDir() + "/commas.xml";
    writeFile(path, "<FramePar><Positioner><UserFrame>1.5,2" + commas + "</UserFrame></Positioner></FramePar>");
    const QString text = "1.5,2" + QString::fromLatin1(commas);
    const auto read = [&] {
        double values[6] = {};
        d->posQstrToDouble(text, values, 6);
        const bool read = d->readPositionerFile(path) && d->parms[0].userFrame[1] == 2.0;
        return read && values[0] == 1.5 && values[1] == 2.0 ? 2 : 3;
    };
    EXPECT_EXIT(exitWithin(48 << 20, read), testing::ExitedWithCode(2), "");
}

}  // namespace
