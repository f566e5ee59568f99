// Change detection: a record against the copy taken when the file was read
// (the copy itself is checked with the calibration file).
#include "simfixture.h"

#include <functional>
#include <limits>

namespace {

class FileExchange : public PositionerCell
{
};

TEST_F(FileExchange, RecordsCompareExactlyFieldByField)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct
    {
        const char* change;
        std::function<void(PositionerParm&)> apply;
        bool equal;
    } cases[] = {
        {"none", [](PositionerParm&) {}, true},
        {"0.0 becomes -0.0", [](PositionerParm& p) { p.userFrame[5] = -0.0; }, true},
        {"axes1Frame", [](PositionerParm& p) { p.axes1Frame[0] = 1e-12; }, false},
        {"axes2Frame", [](PositionerParm& p) { p.axes2Frame[5] = -1; }, false},
        {"axes2FrameToBase", [](PositionerParm& p) { p.axes2FrameToBase[3] = 1e-12; }, false},
        {"userFrame", [](PositionerParm& p) { p.userFrame[1] = 4; }, false},
        {"axes1Type", [](PositionerParm& p) { p.axes1Type = -1; }, false},
        {"axes1Index", [](PositionerParm& p) { p.axes1Index = 3; }, false},
        {"axes2Type", [](PositionerParm& p) { p.axes2Type = 2; }, false},
        {"axes2Index", [](PositionerParm& p) { p.axes2Index = 2; }, false},
    };
    for (const auto& c : cases) {
        PositionerParm a;
        PositionerParm b;
        c.apply(b);
        EXPECT_EQ(d->positionerDataIsEqual(a, b), c.equal) << c.change;
        EXPECT_EQ(d->positionerDataIsEqual(b, a), c.equal) << c.change;
    }
    PositionerParm withNaN;
    withNaN.axes1Frame[2] = nan;
    EXPECT_FALSE(d->positionerDataIsEqual(withNaN, withNaN));
}

}  // namespace
