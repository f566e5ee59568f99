// The user-frame program fetched from the controller, rewritten and sent back;
// a program that was not rewritten is never sent.
#include "faultinjection.h"
#include "golden.h"
#include "simfixture.h"

#include <positionerdiagnostics.h>

#include <userframedyneditor.h>

#include <atomic>
#include <limits>
#include <thread>

namespace {

class RewriteProgram : public PositionerCell
{
protected:
    QString local;
    QString temporary;
    const QString controllerCopy = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");

    void SetUp() override
    {
        PositionerCell::SetUp();
        local = positionerDir() + "/userframedyn.xpl";
        temporary = positionerDir() + "/userframedyn1.xpl";
        const double frame[6] = {100, 0, 50, 0, 0, 90};
        std::copy(frame, frame + 6, d->parms[1].userFrame);
        d->parms[0].userFrame[0] = 1.5;
    }

    // The program as the controller has it after a save.
    QByteArray saved(const QByteArray& program, bool ok = true)
    {
        writeFile(controllerCopy, program);
        EXPECT_EQ(d->saveUserFrameDyn(), ok);
        return readFile(controllerCopy);
    }

    static bool sent()
    {
        const auto& log = sim::Files::instance().transfers();
        return std::any_of(log.begin(), log.end(), [](const sim::Transfer& t) { return t.direction == sim::Transfer::Send; });
    }
};

const QByteArray expression = "<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n";
const QByteArray point2 = "<expr>GETTRKWOBJ(POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true)</expr>\n";
const QByteArray point1 = "<expr>GETTRKWOBJ(POINTC(1.5000,0.0000,0.0000,0.0000,0.0000,0.0000),true)</expr>\n";

// The date comment is dated anew, the work object named last carries over
// lines, and each save starts afresh; every line comes back with its line end.
TEST_F(RewriteProgram, EveryLineComesBackRewrittenWithItsLineEnd)
{
    const AfternoonClock clock;
    EXPECT_EQ(clock.withDatesMasked(saved("<!-- Date(ymd)/time(hms) 2020/01/02 03:04:05 -->\n<dest>wobj2_dyn</dest>\n" +
                                          expression + "<dest>wobj6_dyn</dest>\n\n" + expression +
                                          "<dest>wobj1_dyn</dest>\n" + expression.chopped(1))),
              "<!-- Date(ymd)/time(hms) yyyy/MM/dd hh:mm:ss -->\n<dest>wobj2_dyn</dest>\n" + point2 +
                  "<dest>wobj6_dyn</dest>\n\n" + point2 + "<dest>wobj1_dyn</dest>\n" + point1);
    EXPECT_EQ(d->userFrameDynEditor->dynWobjNo, 1);
    EXPECT_EQ(saved(expression), expression);
    EXPECT_EQ(d->userFrameDynEditor->dynWobjNo, 0);
    EXPECT_EQ(saved(""), "");
}

// Every byte the rules do not change is kept, whatever the program's encoding
// and line ends; a program whose line ends cannot be told is refused rather
// than sent unrewritten, and so is one that would get a number that is not
// finite.
TEST_F(RewriteProgram, OnlyTheReplacedSpanChanges)
{
    const QByteArray dest = "<dest>wobj2_dyn</dest>";
    const QByteArray expr = expression.chopped(1);
    const QByteArray point = point2.chopped(1);
    d->parms[2].userFrame[1] = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char* name;
        QByteArray program;
        QByteArray rewritten;  // empty when the program is to be refused
    } cases[] = {
        {"Latin-1", "<Comment>f\xfcr Gro\xdfteile</Comment>\n" + dest + "\n" + expr + "\n",
         "<Comment>f\xfcr Gro\xdfteile</Comment>\n" + dest + "\n" + point + "\n"},
        {"invalid UTF-8", "<Comment>\xc3\x28 \xff\xfe\xed\xa0\x80</Comment>\n" + dest + "\n" + expr,
         "<Comment>\xc3\x28 \xff\xfe\xed\xa0\x80</Comment>\n" + dest + "\n" + point + "\n"},
        {"byte order mark", "\xef\xbb\xbf<Program>\n" + dest + "\n" + expr + "\n",
         "\xef\xbb\xbf<Program>\n" + dest + "\n" + point + "\n"},
        {"empty first line", "\n" + dest + "\n" + expr + "\n", "\n" + dest + "\n" + point + "\n"},
        {"CRLF", "<Program>\r\n" + dest + "\r\n" + expr + "\r\n\r\n", "<Program>\r\n" + dest + "\r\n" + point + "\r\n\r\n"},
        {"lone CR in a comment", "<Comment>a\rb</Comment>\n" + dest + "\n" + expr + "\n",
         "<Comment>a\rb</Comment>\n" + dest + "\n" + point + "\n"},
        {"mixed line ends", dest + "\r\n" + expr + "\n<End/>\r\n", dest + "\r\n" + point + "\n<End/>\r\n"},
        {"CR before a missing last LF", dest + "\n" + expr + "\n<End/>\r", dest + "\n" + point + "\n<End/>\r\n"},
        {"NUL bytes", dest + "\n" + expr + QByteArray("\0<Comment/>\0", 12) + "\n",
         dest + "\n" + point + QByteArray("\0<Comment/>\0", 12) + "\n"},
        {"non-finite frame", "<dest>wobj3_dyn</dest>\n" + expr + "\n", ""},
        {"lone CR in a destination", "<dest>wobj2_dyn</dest>\r<Comment/>\n" + expr + "\n", ""},
        {"CR only", "<Program>\r" + dest + "\r" + expr + "\r", ""},
        {"CR ending the last line, which the rules act on", dest + "\n" + expr + "\r", ""},
        {"UTF-16", QByteArray("\xff\xfe<\0d\0", 6) + "\n", ""},
        {"UTF-32, big-endian", QByteArray("\0\0\xfe\xff\0\0\0<", 8) + "\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool refused = c.rewritten.isEmpty();
        EXPECT_EQ(saved(c.program, !refused), refused ? c.program : c.rewritten);
    }
}

// A program that cannot be fetched, or whose rewrite cannot be written, is not
// sent: the controller keeps its program, the fetched copy stays as it came,
// and no temporary program is left behind.
TEST_F(RewriteProgram, WhatCannotBeFetchedOrWrittenIsNotSent)
{
    EXPECT_FALSE(d->saveUserFrameDyn()) << "no program on the controller";
    const QByteArray program = "<dest>wobj2_dyn</dest>\n" + expression;
    writeFile(local, "earlier copy\n");
    sim::Files::instance().failNextFetches(1);
    saved(program, false);
    EXPECT_EQ(readFile(local), "earlier copy\n");
    {
        // Room for the fetched program, not for the longer rewritten one.
        FileSizeLimit limit(program.size() + 16);
        EXPECT_FALSE(d->saveUserFrameDyn());
    }
    EXPECT_EQ(readFile(local), program);
    EXPECT_FALSE(QFile::exists(temporary));
    // Nor can the temporary be made where a folder with content stands in its place.
    QDir().mkpath(temporary + "/in-the-way");
    EXPECT_FALSE(d->saveUserFrameDyn());
    EXPECT_FALSE(sent());
    EXPECT_EQ(readFile(controllerCopy), program);
}

// Once the temporary program appears, the fetch is done and the fetched copy
// open, and a directory takes the copy's place, which neither removal nor
// rename can replace. Whether the directory stands before the rewrite ends is
// up to the scheduler, so the save is tried until it does; a library that
// sends what it could not put in place never returns false.
TEST_F(RewriteProgram, AFetchedCopyThatCannotBeReplacedIsNotSent)
{
    const QByteArray program = "<dest>wobj2_dyn</dest>\n" + expression +
                               QByteArray("<Comment>filler line of the program</Comment>\n").repeated(50000);
    QDir().mkpath(positionerDir());
    const auto& transfers = sim::Files::instance().transfers();
    bool ok = true;
    std::size_t attemptStart = 0;
    for (int attempt = 0; attempt < 8 && ok; ++attempt) {
        QDir(local).removeRecursively();
        attemptStart = transfers.size();
        writeFile(controllerCopy, program);
        std::atomic<bool> done{false};
        std::thread watcher([&] {
            while (!done && !QFile::exists(temporary)) {
            }
            if (done)
                return;
            QFile::remove(local);
            QDir().mkpath(local + "/in-the-way");
        });
        ok = d->saveUserFrameDyn();
        done = true;
        watcher.join();
    }

    EXPECT_FALSE(ok);
    EXPECT_TRUE(std::none_of(transfers.begin() + attemptStart, transfers.end(),
                             [](const sim::Transfer& t) { return t.direction == sim::Transfer::Send; }));
    EXPECT_EQ(readFile(controllerCopy), program);
    EXPECT_TRUE(readFile(temporary).contains(point2)) << "the rewrite itself went through";
    EXPECT_TRUE(QFileInfo(local).isDir());
    EXPECT_TRUE(PositionerDiagnostics::lastFailure().startsWith("saveUserFrameDyn: cannot replace " + local + ": "))
        << qPrintable(PositionerDiagnostics::lastFailure());
}

}  // namespace
