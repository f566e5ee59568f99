// The rules for one line of the user-frame program, and their order.
#include "golden.h"
#include "simfixture.h"

#include <userframedyneditor.h>

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

TEST_F(TransformLine, Rules)
{
    const AfternoonClock clock;
    int rows = 0;
    for (const QString& row : QString::fromUtf8(goldenFile("transformline.txt")).split('\n')) {
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        const QStringList field = QString(row).replace("\\t", "\t").split('|');
        ASSERT_EQ(field.size(), 4) << qPrintable(row);
        ++rows;
        editor->dynWobjNo = field[0].toInt();
        const QString line = editor->transformLine(field[1]);
        EXPECT_EQ(QString::fromUtf8(clock.withDatesMasked(line.toUtf8())), field[2] == "=" ? field[1] : field[2])
            << qPrintable(field[1]);
        EXPECT_EQ(editor->dynWobjNo, field[3].toInt()) << qPrintable(field[1]);
    }
    EXPECT_EQ(rows, 38);
}

}  // namespace
