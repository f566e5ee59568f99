// The rules for one line of the user-frame program, and their order.
#include "golden.h"
#include "simfixture.h"

#include <userframedyneditor.h>

#include <climits>

namespace {

class TransformLine : public PositionerCell
{
protected:
    UserFrameDynEditor* editor = nullptr;

    void SetUp() override
    {
        PositionerCell::SetUp();
        editor = d->userFrameDynEditor;
        // Every positioner a frame of its own, so that a wrong record shows.
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 6; ++k)
                d->parms[i].userFrame[k] = (i + 1) * 10 + k;
        }
        const double frame[6] = {100, 0, 50, 0, 0, 90};
        std::copy(frame, frame + 6, d->parms[1].userFrame);
    }
};

const char* const dateLine = "<!-- Date(ymd)/time(hms) yyyy/MM/dd hh:mm:ss -->";
const char* const expression = "    <expr>GETTRKWOBJ(POINTC(0,0,0,0,0,0),true,2)</expr>";
const char* const point2 = "POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true";

TEST_F(TransformLine, Rules)
{
    const QString rewritten2 = QString(expression).replace("POINTC(0,0,0,0,0,0),true", point2);
    const struct
    {
        int before;
        QString line;
        QString expected;  // null: the line as it was
        int after;
    } cases[] = {
        // Any line that mentions the date is the date comment, before every other rule.
        {0, "<!-- Date(ymd)/time(hms) 2020/01/01 00:00:00 -->", dateLine, 0},
        {0, "\t  <!-- Date(ymd)/time(hms) 2020/01/01 00:00:00 -->", dateLine, 0},
        {0, "Date", dateLine, 0},
        {0, "<Comment>Date of the last calibration</Comment>", dateLine, 0},
        {2, "<dest>wobj3_dyn</dest> Date", dateLine, 2},
        {2, "<expr>GETTRKWOBJ(POINTC(1,2),true) Date", dateLine, 2},
        {0, "<Comment>date</Comment>", {}, 0},
        // Destinations choose the dynamic work object, 1 to 5, the lowest of a line.
        {0, "  <dest>wobj2_dyn</dest>", {}, 2},
        {2, "<dest>wobj5_dyn</dest>", {}, 5},
        {2, "<dest>wobj6_dyn</dest>", {}, 2},
        {2, "<dest>wobj0</dest>", {}, 2},
        {2, "<dest>wobj10_dyn</dest>", {}, 2},
        {2, "<dest>wobj_table</dest>", {}, 2},
        {2, "<DEST>wobj4_dyn</DEST>", {}, 2},
        {2, "<expr>wobj4_dyn</expr>", {}, 2},
        {2, "<dest>wobj5_dyn</dest><dest>wobj3_dyn</dest>", {}, 3},
        {2, "<dest>wobj0</dest> <dest>wobj4_dyn</dest>", {}, 4},
        {2, "<dest>wobj1_dyn</dest><expr>GETTRKWOBJ(POINTC(0,0),true)</expr>", {}, 1},
        // The expression gets the user frame of the work object's positioner.
        {0, expression, {}, 0},
        {2, expression, rewritten2, 2},
        {2, rewritten2, {}, 2},
        {5, "<expr>GETTRKWOBJ(POINTC(9),true)",
         "<expr>GETTRKWOBJ(POINTC(50.0000,51.0000,52.0000,53.0000,54.0000,55.0000),true)", 5},
        {1, "<expr>GETTRKWOBJ(POINTC(7,8),true) <!-- was 7,8 -->",
         "<expr>GETTRKWOBJ(POINTC(10.0000,11.0000,12.0000,13.0000,14.0000,15.0000),true) "
         "<!-- was 10.0000,11.0000,12.0000,13.0000,14.0000,15.0000 -->", 1},
        {2, "POINTC(1,2),true <expr>GETTRKWOBJ", QString(point2) + " <expr>GETTRKWOBJ", 2},
        // Without a list between "POINTC(" and the first "),true" the line stays.
        {2, "<expr>GETTRKWOBJ(POINT(1,2),true)</expr>", {}, 2},
        {2, "<expr>GETTRKWOBJ(POINTC(1,2),false)</expr>", {}, 2},
        {2, "<expr>GETTRKWOBJ(POINTC(),true)</expr>", {}, 2},
        {2, "<expr>GETTRKWOBJ(x),true,POINTC(1,2),true)</expr>", {}, 2},
        {2, "<expr>GETTRKWOBJ(pointc(1,2),true)</expr>", {}, 2},
        {2, "<expr>gettrkwobj(POINTC(1,2),true)</expr>", {}, 2},
        // dynWobjNo is public: no value outside 1 to 5 reads a record.
        {-1, expression, {}, -1},
        {6, expression, {}, 6},
        {10, expression, {}, 10},
        {INT_MIN, expression, {}, INT_MIN},
        {INT_MAX, expression, {}, INT_MAX},
    };
    const AfternoonClock clock;
    for (const auto& c : cases) {
        editor->dynWobjNo = c.before;
        const QString line = editor->transformLine(c.line);
        EXPECT_EQ(QString::fromUtf8(clock.withDatesMasked(line.toUtf8())), c.expected.isNull() ? c.line : c.expected)
            << qPrintable(c.line);
        EXPECT_EQ(editor->dynWobjNo, c.after) << qPrintable(c.line);
    }
}

TEST_F(TransformLine, AFrameChangedSinceTheLastLineIsTakenAsItNowIs)
{
    editor->dynWobjNo = 2;
    EXPECT_TRUE(editor->transformLine(expression).contains(point2));
    d->parms[1].userFrame[0] = 7;
    EXPECT_TRUE(editor->transformLine(expression).contains("POINTC(7.0000,0.0000,50.0000,")) << "changed";
    d->parms[1].userFrame[0] = 100;
    EXPECT_TRUE(editor->transformLine(expression).contains(point2)) << "changed back";
}

}  // namespace
