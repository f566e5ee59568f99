// The rules for one line of the user-frame program, and their order.
#include "datecomment.h"
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

    QString transform(const char* line) { return editor->transformLine(QString::fromUtf8(line)); }
};

const char* const expression = "    <expr>GETTRKWOBJ(POINTC(0,0,0,0,0,0),true,2)</expr>";

TEST_F(TransformLine, EveryLineMentioningTheDateBecomesTheDateComment)
{
    const QDateTime before = QDateTime::currentDateTime();
    const QString lines[] = {transform("<!-- Date(ymd)/time(hms) 2020/01/01 00:00:00 -->"),
                             transform("\t  <!-- Date(ymd)/time(hms) 2020/01/01 00:00:00 -->"),
                             transform("<Comment>Date of the last calibration</Comment>"),
                             // The date comes before every other rule.
                             transform("<dest>wobj3_dyn</dest> Date"),
                             transform("<expr>GETTRKWOBJ(POINTC(1,2),true) Date")};
    const QDateTime after = QDateTime::currentDateTime();
    for (const QString& line : lines)
        expectDateComment(line, before, after);
    EXPECT_EQ(editor->dynWobjNo, 0);
    EXPECT_EQ(transform("<Comment>date</Comment>"), "<Comment>date</Comment>");
}

TEST_F(TransformLine, DestinationLinesChooseTheDynamicWorkObject)
{
    EXPECT_EQ(transform("  <dest>wobj2_dyn</dest>"), "  <dest>wobj2_dyn</dest>");
    EXPECT_EQ(editor->dynWobjNo, 2);
    // Static work objects and those beyond the fifth keep the one in force.
    for (const char* other : {"<dest>wobj6_dyn</dest>", "<dest>wobj0</dest>", "<dest>wobj10_dyn</dest>",
                              "<dest>wobj_table</dest>"}) {
        EXPECT_EQ(transform(other), other);
        EXPECT_EQ(editor->dynWobjNo, 2) << other;
    }
    // Case matters, and so does the tag.
    transform("<DEST>wobj4_dyn</DEST>");
    transform("<expr>wobj4_dyn</expr>");
    EXPECT_EQ(editor->dynWobjNo, 2);
    // Numbers are tried from 1 up, wherever they stand in the line.
    transform("<dest>wobj5_dyn</dest><dest>wobj3_dyn</dest>");
    EXPECT_EQ(editor->dynWobjNo, 3);
    transform("<dest>wobj0</dest> <dest>wobj4_dyn</dest>");
    EXPECT_EQ(editor->dynWobjNo, 4);
    // A destination line is never an expression line.
    const char* both = "<dest>wobj1_dyn</dest><expr>GETTRKWOBJ(POINTC(0,0),true)</expr>";
    EXPECT_EQ(transform(both), both);
    EXPECT_EQ(editor->dynWobjNo, 1);
}

TEST_F(TransformLine, TheExpressionGetsTheUserFrameOfItsPositioner)
{
    EXPECT_EQ(transform(expression), expression) << "no work object named yet";
    transform("<dest>wobj2_dyn</dest>");
    EXPECT_EQ(transform(expression),
              "    <expr>GETTRKWOBJ(POINTC(100.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true,2)</expr>");
    // A frame changed since the last line is taken as it now is.
    d->parms[1].userFrame[0] = 7;
    EXPECT_EQ(transform(expression),
              "    <expr>GETTRKWOBJ(POINTC(7.0000,0.0000,50.0000,0.0000,0.0000,90.0000),true,2)</expr>");
    transform("<dest>wobj5_dyn</dest>");
    EXPECT_EQ(transform("<expr>GETTRKWOBJ(POINTC(9),true)"),
              "<expr>GETTRKWOBJ(POINTC(50.0000,51.0000,52.0000,53.0000,54.0000,55.0000),true)");
    // The old numbers are replaced wherever they stand in the line.
    transform("<dest>wobj1_dyn</dest>");
    EXPECT_EQ(transform("<expr>GETTRKWOBJ(POINTC(7,8),true) <!-- was 7,8 -->"),
              "<expr>GETTRKWOBJ(POINTC(10.0000,11.0000,12.0000,13.0000,14.0000,15.0000),true) "
              "<!-- was 10.0000,11.0000,12.0000,13.0000,14.0000,15.0000 -->");
}

TEST_F(TransformLine, AnExpressionWithoutAPointListStaysAsItIs)
{
    transform("<dest>wobj2_dyn</dest>");
    for (const char* line : {"<expr>GETTRKWOBJ(POINT(1,2),true)</expr>",
                             "<expr>GETTRKWOBJ(POINTC(1,2),false)</expr>",
                             "<expr>GETTRKWOBJ(POINTC(),true)</expr>",
                             "<expr>x),true GETTRKWOBJ(POINTC(1,2),true)</expr>",
                             "<expr>GETTRKWOBJ(pointc(1,2),true)</expr>",
                             "<expr>gettrkwobj(POINTC(1,2),true)</expr>"})
        EXPECT_EQ(transform(line), line);
    EXPECT_EQ(editor->dynWobjNo, 2);
}

TEST_F(TransformLine, AWorkObjectNumberOutOfRangeReadsNoRecord)
{
    // dynWobjNo is public; 6 to 10 would read positioners that the program
    // never holds, the others memory outside the records.
    for (int n : {-1, 6, 10, 11, INT_MIN, INT_MAX}) {
        editor->dynWobjNo = n;
        EXPECT_EQ(transform(expression), expression) << n;
        EXPECT_EQ(editor->dynWobjNo, n);
    }
}

}  // namespace
