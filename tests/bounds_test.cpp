#include "roundoff/bounds.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using roundoff::bound_rows;

// Under binary64 (epsilon 2^-53) every bound is exactly
// (k0 + k1 * epsilon) * epsilon^order, so each must be the exact double below,
// in the header's order. Printing with 16 digits does not pin the last bit;
// these do.
TEST(Bounds, Binary64ValuesAreExact)
{
    // Three bounds a row, as the header lists them.
    // clang-format off
    constexpr double exact[] = {
        0x1.8000000000002p-52,  0x1.8000000000004p-52, 0x1.0000000000003p-52,
        0x1.2000000000004p-103, 0x1.c000000000007p-51, 0x1.8000000000007p-52,
        0x1.a000000000009p-102, 0x1.4000000000006p-50, 0x1.0000000000006p-51,
        0x1.6000000000009p-101, 0x1.0000000000007p-49, 0x1.4000000000009p-51,
        0x1.1c0000000000bp-100,
    };
    // clang-format on
    static_assert(std::size(exact) == std::size(bound_rows));

    for (std::size_t i = 0; i < std::size(bound_rows); ++i) {
        SCOPED_TRACE(bound_rows[i].format);
        EXPECT_EQ(roundoff::bound(bound_rows[i], 0x1p-53), exact[i]);
    }
}

// With an epsilon whose products round, the order of operations shows: the
// algebraically equal k0 * epsilon + k1 * epsilon * epsilon lands on a
// neighbouring double for the first, second and last of these rows, and a
// fused multiply-add for epsilon * k1 + k0 does for the last two.
TEST(Bounds, RoundsEachStepInOrder)
{
    const double epsilon = 0.1;
    EXPECT_EQ(roundoff::bound(bound_rows[0], epsilon), 0x1.851eb851eb852p-2);
    EXPECT_EQ(roundoff::bound(bound_rows[1], epsilon), 0x1.d70a3d70a3d70p-2);
    EXPECT_EQ(roundoff::bound(bound_rows[10], epsilon), 0x1.eb851eb851ebap+1);
    EXPECT_EQ(roundoff::bound(bound_rows[11], epsilon), 0x1.3851eb851eb85p+0);
}

} // namespace
