// The user-frame program keeps every byte the rules do not change, whatever
// its encoding and line ends; a program whose line ends cannot be told is
// refused rather than sent unrewritten, and so is one that would get a
// number that is not finite.
#include "simfixture.h"

#include <sim/files.h>

#include <limits>

namespace {

struct ProgramCase
{
    const char* name;
    QByteArray program;
    // Empty when the program is to be refused.
    QByteArray rewritten;
};

const QByteArray dest = "<dest>wobj2_dyn</dest>";
const QByteArray expr = "<expr>GETTRKWOBJ(POINTC(0),true)</expr>";
const QByteArray point = "<expr>GETTRKWOBJ(POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true)</expr>";

class ProgramBytes : public PositionerCell, public ::testing::WithParamInterface<ProgramCase>
{
protected:
    void SetUp() override
    {
        PositionerCell::SetUp();
        const double frame[6] = {100, 0, 50, 0, 0, 90};
        std::copy(frame, frame + 6, d->parms[1].userFrame);
        d->parms[2].userFrame[1] = std::numeric_limits<double>::quiet_NaN();
    }
};

TEST_P(ProgramBytes, OnlyTheReplacedSpanChanges)
{
    const QString controllerFile = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    writeFile(controllerFile, GetParam().program);
    const bool refused = GetParam().rewritten.isEmpty();
    EXPECT_EQ(d->saveUserFrameDyn(), !refused);
    EXPECT_EQ(readFile(controllerFile), refused ? GetParam().program : GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramBytes,
    ::testing::Values(
        ProgramCase{"Latin1", "<Comment>f\xfcr Gro\xdfteile</Comment>\n" + dest + "\n" + expr + "\n",
                    "<Comment>f\xfcr Gro\xdfteile</Comment>\n" + dest + "\n" + point + "\n"},
        ProgramCase{"InvalidUtf8", "<Comment>\xc3\x28 \xff\xfe\xed\xa0\x80</Comment>\n" + dest + "\n" + expr,
                    "<Comment>\xc3\x28 \xff\xfe\xed\xa0\x80</Comment>\n" + dest + "\n" + point + "\n"},
        ProgramCase{"ByteOrderMark", "\xef\xbb\xbf<Program>\n" + dest + "\n" + expr + "\n",
                    "\xef\xbb\xbf<Program>\n" + dest + "\n" + point + "\n"},
        ProgramCase{"Crlf", "<Program>\r\n" + dest + "\r\n" + expr + "\r\n\r\n",
                    "<Program>\r\n" + dest + "\r\n" + point + "\r\n\r\n"},
        ProgramCase{"LoneCrInAComment", "<Comment>a\rb</Comment>\n" + dest + "\n" + expr + "\n",
                    "<Comment>a\rb</Comment>\n" + dest + "\n" + point + "\n"},
        ProgramCase{"MixedLineEnds", dest + "\r\n" + expr + "\n<End/>\r\n",
                    dest + "\r\n" + point + "\n<End/>\r\n"},
        ProgramCase{"CrBeforeAMissingLastLf", dest + "\n" + expr + "\n<End/>\r",
                    dest + "\n" + point + "\n<End/>\r\n"},
        ProgramCase{"NulBytes", dest + "\n" + expr + QByteArray("\0<Comment/>\0", 12) + "\n",
                    dest + "\n" + point + QByteArray("\0<Comment/>\0", 12) + "\n"},
        ProgramCase{"NonFiniteFrame", "<dest>wobj3_dyn</dest>\n" + expr + "\n", ""},
        ProgramCase{"LoneCrInADestination", "<dest>wobj2_dyn</dest>\r<Comment/>\n" + expr + "\n", ""},
        ProgramCase{"CrOnly", "<Program>\r" + dest + "\r" + expr + "\r", ""},
        ProgramCase{"Utf16", QByteArray("\xff\xfe<\0d\0", 6) + "\n", ""},
        ProgramCase{"Utf32BigEndian", QByteArray("\0\0\xfe\xff\0\0\0<", 8) + "\n", ""}),
    [](const ::testing::TestParamInfo<ProgramCase>& info) { return std::string(info.param.name); });

}  // namespace
