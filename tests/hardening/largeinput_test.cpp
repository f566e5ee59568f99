// Inputs far larger than any real file: every byte is written, or the call
// fails cleanly; nothing throws and nothing is half-done.
#include "simfixture.h"

#include <atomicsave.h>
#include <programrules.h>
#include <sim/files.h>
#include <userframedyneditor.h>

#include <QBuffer>

#include <functional>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The rules with the user frame of positioner 1 only, 1.5 and five zeros.
Positioner::Replacements firstFrame()
{
    Positioner::Replacements with;
    with.dateComment = "<!-- date -->";
    with.pointNumbers[0] = "1.5000,0.0000,0.0000,0.0000,0.0000,0.0000";
    return with;
}

// The user-frame program's rewrite against a growth limit lowered to a few
// kilobytes; each "0" of the point becomes 41 characters, 40 more.
TEST(LargeInput, AProgramThatWouldGrowPastTheLimitIsRefused)
{
    const QByteArray destination = "<dest>wobj1_dyn</dest>\n";
    const QByteArray expression = "<expr>GETTRKWOBJ(POINTC(0),true)";
    const struct
    {
        const char* name;
        QByteArray program;
        bool rewritten;
        qint64 limit = 4096;
    } cases[] = {
        {"short list multiplied within the limit", destination + expression + QByteArray(40, '0') + "\n", true},
        {"short list multiplied past the limit", destination + expression + QByteArray(1000, '0') + "\n", false},
        {"grown by the limit exactly", destination + expression + QByteArray(101, '0') + "\n", true, 4080},
        {"grown one past the limit", destination + expression + QByteArray(101, '0') + "\n", false, 4079},
        {"every line within but the program past", destination + (expression + QByteArray(30, '0') + "\n").repeated(4),
         false},
        {"many ordinary lines", QByteArray("<Comment>x</Comment>\n").repeated(1000), true},
        // Grown by 2000 and 2080 of the 4096: plain lines in between add nothing.
        {"program grown to just within the limit past plain lines",
         destination + expression + QByteArray(49, '0') + "\n" + QByteArray("<Comment/>\n").repeated(100) + expression +
             QByteArray(51, '0') + "\n",
         true},
    };
    for (const auto& c : cases) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        int wobj = 0;
        EXPECT_EQ(Positioner::rewrite(c.program, out, wobj, firstFrame(), c.limit), c.rewritten) << c.name;
    }
}

// A rewrite whose output cannot be written stops there and fails, whatever
// the device makes of it afterwards.
TEST(LargeInput, ARewriteThatCannotBeWrittenFails)
{
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    int wobj = 0;
    EXPECT_FALSE(Positioner::rewrite("<dest>wobj1_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)\n", readOnly, wobj,
                                     firstFrame(), 4096));
    EXPECT_FALSE(Positioner::rewrite("<Comment/>\n", readOnly, wobj, firstFrame(), 4096));
}

// Files past the cap are refused before they are read: nothing changes and
// nothing is sent. Sparse, they take no room on the disk.
TEST_F(PositionerCell, AFilePastTheCapIsRefusedWhole)
{
    const auto sparse = [](const QString& path, const QByteArray& head) {
        writeFile(path, head);
        QFile(path).resize(Positioner::maxInputBytes + 1);
    };
    const QString calibration = positionerDir() + "/large.xml";
    sparse(calibration, "<FramePar><Positioner><Axes1Type>1</Axes1Type></Positioner></FramePar>");
    EXPECT_FALSE(d->readPositionerFile(calibration));
    EXPECT_EQ(d->parms[0].axes1Type, 0);
    EXPECT_FALSE(d->writeGlobalVarFile(calibration));
    EXPECT_EQ(QFileInfo(calibration).size(), Positioner::maxInputBytes + 1);

    const QString controllerFile = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    sparse(controllerFile, "<dest>wobj1_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n");
    EXPECT_FALSE(d->saveUserFrameDyn());
    EXPECT_FALSE(QFile::exists(positionerDir() + "/userframedyn1.xpl"));
    EXPECT_EQ(QFileInfo(controllerFile).size(), Positioner::maxInputBytes + 1) << "nothing sent";
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

// Memory that runs out part way is a failure, not a success and not an
// exception: a number of 16 MB takes 32 MB more as text, a program line of
// 16 MB that a rule acts on as much, and a short point list multiplied a
// million times far more, and a number of 64 MB in a text to convert; a
// file of 56 MB is refused before a byte of it is read. A base name whose
// escaping runs out of memory leaves GLOBAL.var unwritten, and a transfer whose
// service throws has not copied the file.
// A frame text of 16 million commas costs no more than its six numbers. With
// the memory there, the read and the rewrite go through.
TEST_F(TightMemory, WorkThatRunsOutOfMemoryFailsCleanly)
{
    const QString number = positionerDir() + "/number.xml";
    const QString commas = positionerDir() + "/commas.xml";
    writeFile(number, "<FramePar><Positioner><UserFrame>" + QByteArray(16 << 20, '1') + "</UserFrame></Positioner></FramePar>");
    writeFile(commas, "<FramePar><Positioner><UserFrame>1.5,2" + QByteArray(16 << 20, ',') +
                          "</UserFrame></Positioner></FramePar>");
    writeFile(sim::Files::instance().controllerFile("/xpl/userframedyn.xpl"),
              "<Comment>Date " + QByteArray(16 << 20, 'x') + "</Comment>\n");
    // A file below the cap but past the budget: its buffer cannot be had.
    const QString past = positionerDir() + "/past.xml";
    QFile pastFile(past);
    ASSERT_TRUE(pastFile.open(QIODevice::WriteOnly) && pastFile.resize(56 << 20));
    pastFile.close();
    d->parms[0].userFrame[0] = 1.5;
    const QString line = "<expr>GETTRKWOBJ(POINTC(0),true" + QString(1 << 20, '0');
    const QString commaText = "1.5,2" + QString(16 << 20, ',');
    const QString longPart = "1,2," + QString(64 << 20, '1');
    const QString globalVar = positionerDir() + "/GLOBAL.var";
    writeFile(globalVar, "<Xpl-source><VarDeclarations><VarGlobal><Var><Name>wobj_dyn0</Name><InitValue/></Var>"
                         "</VarGlobal></VarDeclarations></Xpl-source>");
    const QString hugeName(16 << 20, QLatin1Char('"'));
    const QString hugePath(16 << 20, QLatin1Char('a'));
    const auto work = [&] {
        double values[6] = {};
        d->posQstrToDouble(commaText, values, 6);
        // A part too long to convert leaves all values as they were.
        double kept[3] = {7, 7, 7};
        d->posQstrToDouble(longPart, kept, 3);
        d->userFrameDynEditor->dynWobjNo = 1;
        d->dynBaseName = hugeName;
        const bool failedCleanly = !d->readPositionerFile(number) && !d->readPositionerFile(past) &&
                                   !d->saveUserFrameDyn() && !d->writeGlobalVarFile(globalVar) &&
                                   !d->getFileFromCtrl(hugePath, globalVar) &&
                                   d->userFrameDynEditor->transformLine(line) == line && kept[0] == 7 &&
                                   kept[1] == 7;
        const bool commasRead = d->readPositionerFile(commas) && d->parms[0].userFrame[1] == 2.0 && values[1] == 2.0;
        return failedCleanly && commasRead ? 2 : 3;
    };
    EXPECT_EXIT(exitWithin(48 << 20, work), testing::ExitedWithCode(2), "");
    EXPECT_TRUE(d->readPositionerFile(number));
    EXPECT_TRUE(d->saveUserFrameDyn());
}

}  // namespace
