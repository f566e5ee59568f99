// The user-frame program fetched from the controller, rewritten and sent back;
// a program that was not rewritten is never sent.
#include "simfixture.h"

#include <samplefiles.h>
#include <userframedyneditor.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

namespace {

class RewriteProgram : public PositionerCell
{
protected:
    QString local;
    QString temporary;

    void SetUp() override
    {
        PositionerCell::SetUp();
        local = positionerDir() + "/userframedyn.xpl";
        temporary = positionerDir() + "/userframedyn1.xpl";
        const double frame[6] = {100, 0, 50, 0, 0, 90};
        std::copy(frame, frame + 6, d->parms[1].userFrame);
        d->parms[0].userFrame[0] = 1.5;
    }

    static QString controllerPath() { return sim::Files::instance().controllerFile("/xpl/userframedyn.xpl"); }
    void setProgram(const QByteArray& bytes) { writeFile(controllerPath(), bytes); }
    QByteArray program() { return readFile(controllerPath()); }

    bool sent()
    {
        for (const sim::Transfer& transfer : sim::Files::instance().transfers()) {
            if (transfer.direction == sim::Transfer::Send)
                return true;
        }
        return false;
    }
};

const QByteArray point2 = "POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true";
const QByteArray point1 = "POINTC(1.5000,0.0000,0.0000,0.0000,0.0000,0.0000),true";

TEST_F(RewriteProgram, TheWorkObjectInForceCarriesOverLinesAndStartsAfreshEachTime)
{
    setProgram("<dest>wobj2_dyn</dest>\n"
               "<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n"
               "<dest>wobj6_dyn</dest>\n"
               "<dest>wobj_table</dest>\n"
               "\n"
               "<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n"
               "<dest>wobj1_dyn</dest>\n"
               "<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n");
    ASSERT_TRUE(d->saveUserFrameDyn());
    EXPECT_EQ(program(), "<dest>wobj2_dyn</dest>\n"
                         "<expr>GETTRKWOBJ(" + point2 + ")</expr>\n"
                         "<dest>wobj6_dyn</dest>\n"
                         "<dest>wobj_table</dest>\n"
                         "\n"
                         "<expr>GETTRKWOBJ(" + point2 + ")</expr>\n"
                         "<dest>wobj1_dyn</dest>\n"
                         "<expr>GETTRKWOBJ(" + point1 + ")</expr>\n");
    EXPECT_EQ(d->userFrameDynEditor->dynWobjNo, 1);

    // The next program names no work object before its expression.
    setProgram("<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n");
    d->userFrameDynEditor->dynWobjNo = 2;
    ASSERT_TRUE(d->saveUserFrameDyn());
    EXPECT_EQ(program(), "<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n");
    EXPECT_EQ(d->userFrameDynEditor->dynWobjNo, 0);
}

TEST_F(RewriteProgram, EveryLineComesBackWithItsLineEnd)
{
    setProgram("<dest>wobj2_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)</expr>");
    ASSERT_TRUE(d->saveUserFrameDyn());
    EXPECT_EQ(program(), "<dest>wobj2_dyn</dest>\n<expr>GETTRKWOBJ(" + point2 + ")</expr>\n");

    // Text in the locale's encoding (UTF-8 here) comes back as it was.
    setProgram("<Comment>Drehtisch \xc3\xa4\xc3\xb6\xc3\xbc \xe2\x86\x92 \xce\xb1</Comment>\n\n");
    ASSERT_TRUE(d->saveUserFrameDyn());
    EXPECT_EQ(program(), "<Comment>Drehtisch \xc3\xa4\xc3\xb6\xc3\xbc \xe2\x86\x92 \xce\xb1</Comment>\n\n");

    setProgram("");
    EXPECT_TRUE(d->userFrameDynEditor->rewriteProgram());
    EXPECT_TRUE(QFile::exists(local));
    EXPECT_EQ(readFile(local), "");
}

TEST_F(RewriteProgram, AFailedFetchLeavesTheEarlierCopyAndSendsNothing)
{
    writeFile(local, "earlier copy\n");
    EXPECT_FALSE(d->saveUserFrameDyn()) << "no program on the controller";
    setProgram("<dest>wobj2_dyn</dest>\n");
    sim::Files::instance().failNextFetches(1);
    EXPECT_FALSE(d->saveUserFrameDyn());
    EXPECT_EQ(readFile(local), "earlier copy\n");
    EXPECT_FALSE(QFile::exists(temporary));
    EXPECT_FALSE(sent());
}

// What stands at the temporary path decides how the rewrite fails; in each case
// the controller keeps its program and the fetched copy stays as it came.
class RewriteFaults : public RewriteProgram
{
protected:
    QByteArray original = "<dest>wobj2_dyn</dest>\n<expr>GETTRKWOBJ(POINTC(0),true)</expr>\n";

    void SetUp() override
    {
        RewriteProgram::SetUp();
        setProgram(original);
        QDir().mkpath(positionerDir());
    }

    void expectNothingSent()
    {
        EXPECT_FALSE(sent());
        EXPECT_EQ(program(), original);
    }
};

TEST_F(RewriteFaults, ATemporaryProgramThatCannotBeWrittenIsReportedAndRemoved)
{
    ASSERT_TRUE(QFile::link("/dev/full", temporary));
    EXPECT_FALSE(d->saveUserFrameDyn());
    expectNothingSent();
    EXPECT_EQ(readFile(local), original);
    EXPECT_FALSE(QFileInfo(temporary).isSymLink());
}

TEST_F(RewriteFaults, AFetchedCopyThatCannotBeReplacedIsNotSent)
{
    // The temporary program is a pipe: once the rewrite opens it, the fetch is
    // done and the fetched copy open, and a directory takes the copy's place,
    // which neither removal nor rename can replace. The program is larger than
    // a pipe holds, so the rewrite cannot finish before the directory stands.
    original += QByteArray("<Comment>filler line of the program</Comment>\n").repeated(8000);
    setProgram(original);
    ASSERT_EQ(mkfifo(temporary.toLocal8Bit().constData(), 0600), 0);
    QByteArray rewritten;
    std::thread reader([&] {
        QFile pipe(temporary);
        if (!pipe.open(QIODevice::ReadOnly))
            return;
        QFile::remove(local);
        QDir().mkpath(local + "/in-the-way");
        rewritten = pipe.readAll();
    });
    const bool saved = d->saveUserFrameDyn();
    // Releases the reader should the rewrite never have opened the pipe.
    ::close(::open(temporary.toLocal8Bit().constData(), O_RDWR));
    reader.join();

    EXPECT_FALSE(saved);
    expectNothingSent();
    EXPECT_TRUE(rewritten.contains(point2)) << "the rewrite itself went through";
    EXPECT_TRUE(QFileInfo(local).isDir());
}

}  // namespace
