// The pieces of the detection assessment's fire: the hourly slot of any hour and the C2 odds
// of containment.
#include <gtest/gtest.h>

#include <utility>

#include "fire/containment.h"
#include "fire/hourly_tables.h"

namespace emberlin {
namespace {

TEST(HourlySlotTest, HoursWrapIntoOneToTwentyFour) {
    const std::pair<int, int> cases[] = {{0, 24}, {1, 1},  {12, 12}, {24, 24}, {25, 1},
                                         {26, 2}, {28, 4}, {48, 24}, {49, 1},  {-1, 23}};
    for (auto [hour, slot] : cases) EXPECT_EQ(HourlySlot(hour), slot) << hour;
}

TEST(ContainmentProbabilityTest, LogisticOddsTruncatedToPercent) {
    struct Case {
        double area, hfi;
        int poc;
    };
    const Case cases[] = {
        {0, 0, 99},               // z = 4.66524, P = 0.9907
        {0.163399, 6824.18, 87},  // z about 1.93, P about 0.873
        {1, 1000, 97},            // z = 3.61199
        {5, 0, 83},               // z = 1.61899, P = 0.8347
        {10, 5000, 0},            // z far below 0
        {1e6, 1e9, 0},            // e^z underflows to 0, never a NaN
    };
    for (const Case& c : cases) EXPECT_EQ(ContainmentProbability(c.area, c.hfi), c.poc) << c.area;
}

}  // namespace
}  // namespace emberlin
