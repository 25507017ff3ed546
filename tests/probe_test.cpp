#include "roundoff/probe.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace {

struct Direction {
    int mode;
    const char* name;
};

class ProbeUnderRounding : public ::testing::TestWithParam<Direction> {};

// Binary64 whatever direction the program is started under. Rounding upward
// never takes 1 + epsilon back to 1.0, so only the second stopping test can
// end the loop there. On an x87 build the unit also still computes at 64 bits
// here, with no precision set, so only the stored sum keeps the count at 53.
TEST_P(ProbeUnderRounding, MeasuresBinary64)
{
    const int saved = std::fegetround();
    ASSERT_EQ(std::fesetround(GetParam().mode), 0);
    const roundoff::Measurement measured = roundoff::probe();
    std::fesetround(saved);

    EXPECT_EQ(measured.epsilon, 0x1p-53);
    EXPECT_EQ(measured.splitter, 0x1p27 + 1.0);
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, ProbeUnderRounding,
                         ::testing::Values(Direction{FE_TONEAREST, "ToNearest"},
                                           Direction{FE_UPWARD, "Upward"},
                                           Direction{FE_DOWNWARD, "Downward"},
                                           Direction{FE_TOWARDZERO, "TowardZero"}),
                         [](const ::testing::TestParamInfo<Direction>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
