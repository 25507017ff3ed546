#include "roundoff/probe.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdio>

namespace {

struct Direction {
    int mode;
    const char* name;
    // 1 + (2^-53 + 2^-60), 1 + 2^-60 and -1 - 2^-60 as this direction rounds
    // them: together they tell all four directions apart.
    double above_midpoint;
    double above_one;
    double below_minus_one;
};

constexpr double up = 1.0 + 0x1p-52;

// ARM's soft-float ABI (armel) computes doubles in the compiler's run-time
// library, and WebAssembly has no rounding direction but to nearest; on both
// the C library takes any direction and reports it as set. There the test
// checks that the arithmetic rounds to nearest all the same, and that the
// probe still measures binary64 under every direction the C library offers.
#if (defined(__arm__) && defined(__SOFTFP__)) || defined(__wasm__)
constexpr bool arithmetic_follows_direction = false;
#else
constexpr bool arithmetic_follows_direction = true;
#endif

const Direction to_nearest{FE_TONEAREST, "ToNearest", up, 1.0, -1.0};

// Every direction this C library offers: sh4's has no upward or downward.
const Direction directions[] = {
    to_nearest,
#ifdef FE_UPWARD
    {FE_UPWARD, "Upward", up, up, -1.0},
#endif
#ifdef FE_DOWNWARD
    {FE_DOWNWARD, "Downward", 1.0, 1.0, -up},
#endif
#ifdef FE_TOWARDZERO
    {FE_TOWARDZERO, "TowardZero", 1.0, 1.0, -1.0},
#endif
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
    // A C library or emulator that accepts a direction but does not round in
    // it would let this test pass without proving anything.
    volatile double one = 1.0;
    const volatile double sums[] = {one + (0x1p-53 + 0x1p-60), one + 0x1p-60, -one - 0x1p-60};
    const roundoff::Measurement measured = roundoff::probe();
    std::fesetround(saved);

    const Direction& direction = arithmetic_follows_direction ? GetParam() : to_nearest;
    if (!arithmetic_follows_direction) {
        std::printf("%s set, and the arithmetic still rounds to nearest\n", GetParam().name);
    }
    EXPECT_EQ(sums[0], direction.above_midpoint) << "not rounding " << direction.name;
    EXPECT_EQ(sums[1], direction.above_one) << "not rounding " << direction.name;
    EXPECT_EQ(sums[2], direction.below_minus_one) << "not rounding " << direction.name;

    EXPECT_EQ(measured.epsilon, 0x1p-53);
    EXPECT_EQ(measured.splitter, 0x1p27 + 1.0);
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, ProbeUnderRounding, ::testing::ValuesIn(directions),
    [](const ::testing::TestParamInfo<Direction>& info) { return std::string(info.param.name); });

} // namespace
