// The simulated data-access service.
#include "simfixture.h"

namespace {

TEST(BitStatus, ReadsAndSetsSingleBits)
{
    EXPECT_TRUE(DataAccess::getValueBitStatus(0b101, 0));
    EXPECT_FALSE(DataAccess::getValueBitStatus(0b101, 1));
    EXPECT_TRUE(DataAccess::getValueBitStatus(0x100, 8));
    EXPECT_EQ(DataAccess::setValueBitStatus(0b101, 1, true), 0b111);
    EXPECT_EQ(DataAccess::setValueBitStatus(0b101, 2, false), 0b001);
    EXPECT_EQ(DataAccess::setValueBitStatus(0b101, 0, true), 0b101);
    EXPECT_EQ(DataAccess::setValueBitStatus(0, 31, true), std::numeric_limits<int>::min());
    EXPECT_TRUE(DataAccess::getValueBitStatus(-1, 31));
}

TEST(BitStatus, BitsOutsideTheMaskAreNeverSet)
{
    EXPECT_FALSE(DataAccess::getValueBitStatus(-1, 32));
    EXPECT_FALSE(DataAccess::getValueBitStatus(-1, -1));
    EXPECT_EQ(DataAccess::setValueBitStatus(5, 40, true), 5);
    EXPECT_EQ(DataAccess::setValueBitStatus(5, -3, false), 5);
}

}  // namespace
