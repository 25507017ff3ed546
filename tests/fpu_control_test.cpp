#include "generator/fpu_control.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using generator::FpuControl;

// 1 + (2^-53 + 2^-105) lies just above the midpoint between 1 and 1 + 2^-52.
// Rounded once to 53 bits it goes up. Rounded first to a 64-bit significand
// it becomes the midpoint itself, which then rounds to even: 1.0.
double sum_above_midpoint()
{
    volatile double one = 1.0;
    volatile double tail = 0x1.0000000000001p-53;
    volatile double sum = one + tail;
    return sum;
}

TEST(FpuControl, GuardRoundsDoublesTo53BitsAndRestoresTheWord)
{
    const FpuControl start = generator::read_fpu_control();
    // Begin from 64-bit precision, as an x87 unit usually does, so the guard
    // has a field to change and something to put back.
    generator::write_fpu_control(
        static_cast<FpuControl>((start & ~generator::precision_field) | generator::precision_64));
    const FpuControl before = generator::read_fpu_control();

    generator::set_double_precision();
    const FpuControl inside = generator::read_fpu_control();
    const double sum = sum_above_midpoint();
    generator::write_fpu_control(before);
    const FpuControl after = generator::read_fpu_control();

    generator::write_fpu_control(start);

    if constexpr (generator::precision_field != 0) {
        EXPECT_EQ(inside & generator::precision_field, generator::precision_53);
    } else {
        static_cast<void>(inside);
        std::puts("this unit has no precision field: doubles always round to 53 bits");
    }
    EXPECT_EQ(sum, 1.0 + 0x1p-52);
    EXPECT_EQ(after, before);
}

} // namespace
