// The user-frame program keeps every byte the rules do not change, whatever
// its encoding and line ends; a program whose line ends cannot be told is
// refused rather than sent unrewritten, and so is one that would get a
// number that is not finite.
#include "simfixture.h"

#include <sim/files.h>

#include <limits>

namespace {

const QByteArray dest = "<dest>wobj2_dyn</dest>";
const QByteArray expr = "<expr>GETTRKWOBJ(POINTC(0),true)</expr>";
const QByteArray point = "<expr>GETTRKWOBJ(POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true)</expr>";

TEST_F(PositionerCell, OnlyTheReplacedSpanOfAProgramChanges)
{
    const double frame[6] = {100, 0, 50, 0, 0, 90};
    std::copy(frame, frame + 6, d->parms[1].userFrame);
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
        {"UTF-16", QByteArray("\xff\xfe<\0d\0", 6) + "\n", ""},
        {"UTF-32, big-endian", QByteArray("\0\0\xfe\xff\0\0\0<", 8) + "\n", ""},
    };
    const QString controllerFile = sim::Files::instance().controllerFile("/xpl/userframedyn.xpl");
    for (const auto& c : cases) {
        writeFile(controllerFile, c.program);
        const bool refused = c.rewritten.isEmpty();
        EXPECT_EQ(d->saveUserFrameDyn(), !refused) << c.name;
        EXPECT_EQ(readFile(controllerFile), refused ? c.program : c.rewritten) << c.name;
    }
}

}  // namespace
