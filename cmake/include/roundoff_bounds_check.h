/* roundoff_bounds_check.h: proves, where the code runs, that it computes as
 * the constants of roundoff_bounds.h assume: each double addition,
 * subtraction and multiplication rounded to a 53-bit significand on its own,
 * in the order written, to nearest, with subnormal numbers kept.
 *
 *     const char *why = roundoff_bounds_check_arithmetic();
 *
 * gives a null pointer where that holds for the code that makes the call, in
 * the process that runs it, at the moment of the call; otherwise one line
 * that says what broke, for an error message, an assert or an exception.
 * Call it once before the first predicate, in the program's or the library's
 * own initialisation, and in each file compiled with options of its own: the
 * function is defined here, so each file that includes this header checks
 * its own compiler and options, and the environment that its process has
 * set up by then (a rounding direction, the unit's precision, subnormals
 * flushed to zero).
 *
 * It measures, computing on values read from volatile objects so that
 * nothing is computed ahead of the call; it does not ask <fenv.h>, whose
 * answer need not be what compiled code does. No allocation, no state, no
 * output; safe from any thread. C99 and later, C++11 and later. */
#ifndef ROUNDOFF_BOUNDS_CHECK_H
#define ROUNDOFF_BOUNDS_CHECK_H

#ifdef __cplusplus
#define ROUNDOFF_BOUNDS_CHECK_NONE nullptr
#else
#define ROUNDOFF_BOUNDS_CHECK_NONE ((const char*)0)
#endif

/* The values it reads, and the values it works out. Their names, as a
 * function's locals, stand beside whatever names the including code has
 * declared before, so they keep to this header's prefix. */
struct roundoff_bounds_check_inputs {
    double one, half;
    double ulp, ulp_above, two_ulps_above, quarter_ulp, three_quarter_ulps;
    double tiny, tiny_square, big, smallest_normal, subnormal;
    double stored;
};
struct roundoff_bounds_check_work {
    double a, b, p, r, s;
};

static inline const char* roundoff_bounds_check_arithmetic(void)
{
    /* Read at each call from a volatile object, so nothing is computed
     * ahead of it: exact powers of two and the smallest normal double,
     * written in decimal, as C++11 has no hexadecimal floating literals; each
     * is the double nearest to it, which is exactly that value. stored
     * takes a result as a double variable holds it, rounded in the direction
     * in force. */
    volatile struct roundoff_bounds_check_inputs roundoff_bounds_in = {1.0, 0.5,
        2.2204460492503131e-16, /* ulp, 2^-52: how far apart doubles above 1 lie */
        1.0000000000000002, /* 1 + 2^-52 */
        1.0000000000000004, /* 1 + 2^-51 */
        5.5511151231257827e-17, /* 2^-54 */
        1.6653345369377348e-16, /* 3 * 2^-54 */
        8.6736173798840355e-19, /* 2^-60 */
        4.9303806576313238e-32, /* 2^-104 */
        1180591620717411303424.0, /* 2^70 */
        2.2250738585072014e-308, /* 2^-1022, the smallest normal double */
        1.1125369292536007e-308, /* 2^-1023, a subnormal one */
        0.0};
    struct roundoff_bounds_check_work roundoff_bounds_x;

    /* Significands narrower than 53 bits: 1 + 2^-52 is a double, exact in
     * any direction, so taking 1 away leaves 2^-52; on a unit set to round to
     * fewer bits, as an x87 unit set to 24 bits does, the sum is 1 (or
     * 1 + 2^-23) and leaves 0 (or 2^-23). Compared only with powers of two,
     * which such a unit holds exactly, as some emulators round even a
     * double they load. */
    roundoff_bounds_x.a = roundoff_bounds_in.one;
    roundoff_bounds_x.b = roundoff_bounds_in.ulp;
    roundoff_bounds_in.stored = roundoff_bounds_x.a + roundoff_bounds_x.b;
    roundoff_bounds_x.r = roundoff_bounds_in.stored - roundoff_bounds_x.a;
    if (roundoff_bounds_x.r < roundoff_bounds_x.b || roundoff_bounds_x.r > roundoff_bounds_x.b) {
        return "significands narrower than 53 bits";
    }

    /* The rounding direction, each sum stored and 1 taken away: to nearest,
     * 1 + 2^-54 is 1, -1 - 2^-54 is -1, and 1 + 3 * 2^-54 is 1 + 2^-52. */
    roundoff_bounds_in.stored = roundoff_bounds_x.a + roundoff_bounds_in.quarter_ulp;
    if (roundoff_bounds_in.stored - roundoff_bounds_x.a > 0.0) {
        return "rounding upward, not to nearest";
    }
    roundoff_bounds_in.stored = -roundoff_bounds_x.a - roundoff_bounds_in.quarter_ulp;
    if (roundoff_bounds_in.stored + roundoff_bounds_x.a < 0.0) {
        return "rounding downward, not to nearest";
    }
    roundoff_bounds_in.stored = roundoff_bounds_x.a + roundoff_bounds_in.three_quarter_ulps;
    if (roundoff_bounds_in.stored - roundoff_bounds_x.a < roundoff_bounds_x.b) {
        return "rounding toward zero, not to nearest";
    }

    /* Subnormal numbers, tried on sums whose results are normal, as a
     * subnormal is read as zero where inputs are: 2^-1023 + 2^-1022 is
     * 1.5 * 2^-1022 but 2^-1022 there; and with inputs as they are, the
     * subnormal 2^-1022 * 0.5 added in gives 2^-1022 where results are
     * flushed to zero. */
    roundoff_bounds_in.stored = roundoff_bounds_in.subnormal + roundoff_bounds_in.smallest_normal;
    if (!(roundoff_bounds_in.stored > roundoff_bounds_in.smallest_normal)) {
        return "subnormal inputs read as zero";
    }
    roundoff_bounds_in.stored = roundoff_bounds_in.smallest_normal * roundoff_bounds_in.half;
    roundoff_bounds_in.stored = roundoff_bounds_in.stored + roundoff_bounds_in.smallest_normal;
    if (!(roundoff_bounds_in.stored > roundoff_bounds_in.smallest_normal)) {
        return "subnormal results flushed to zero";
    }

    /* A sum reassociated: (1 + 2^70) - 2^70 is 0, the 1 lost in the rounded
     * sum, also in extended precision; rewritten as 1 + (2^70 - 2^70), it
     * is 1. Each value is read once, so that the compiler sees it twice. */
    roundoff_bounds_x.a = roundoff_bounds_in.one;
    roundoff_bounds_x.b = roundoff_bounds_in.big;
    roundoff_bounds_x.s = roundoff_bounds_x.a + roundoff_bounds_x.b;
    roundoff_bounds_x.r = roundoff_bounds_x.s - roundoff_bounds_x.b;
    if (!(roundoff_bounds_x.r < roundoff_bounds_x.a || roundoff_bounds_x.r > roundoff_bounds_x.a)) {
        return "a sum reassociated";
    }

    /* Doubles kept wider than 53 bits: 1 + 2^-60, as a double variable holds
     * it, is 1, and taking 1 away leaves 0; kept in extended precision, it
     * leaves 2^-60. */
    roundoff_bounds_x.b = roundoff_bounds_in.tiny;
    roundoff_bounds_x.s = roundoff_bounds_x.a + roundoff_bounds_x.b;
    roundoff_bounds_x.r = roundoff_bounds_x.s - roundoff_bounds_x.a;
    if (!(roundoff_bounds_x.r < roundoff_bounds_x.b || roundoff_bounds_x.r > roundoff_bounds_x.b)) {
        return "doubles kept wider than 53 bits";
    }

    /* A multiply fused into an add: (1 + 2^-52)^2 - (1 + 2^-51) is 0 with the
     * product rounded, 2^-104 with it kept exact. Its 104 bits are too many
     * for extended precision to keep, so only a fused operation gives 2^-104:
     * in one expression (as Clang contracts by default) or across two
     * statements (as GCC does). Each product is of a value read on its own
     * and has one use, as a compiler may leave a product with two as it
     * is. */
    roundoff_bounds_x.a = roundoff_bounds_in.ulp_above;
    roundoff_bounds_x.r =
        roundoff_bounds_x.a * roundoff_bounds_x.a - roundoff_bounds_in.two_ulps_above;
    roundoff_bounds_x.b = roundoff_bounds_in.ulp_above;
    roundoff_bounds_x.p = roundoff_bounds_x.b * roundoff_bounds_x.b;
    roundoff_bounds_x.s = roundoff_bounds_x.p - roundoff_bounds_in.two_ulps_above;
    if (!(roundoff_bounds_x.r < roundoff_bounds_in.tiny_square ||
            roundoff_bounds_x.r > roundoff_bounds_in.tiny_square) ||
        !(roundoff_bounds_x.s < roundoff_bounds_in.tiny_square ||
            roundoff_bounds_x.s > roundoff_bounds_in.tiny_square)) {
        return "a multiply fused into an add";
    }
    return ROUNDOFF_BOUNDS_CHECK_NONE;
}

#undef ROUNDOFF_BOUNDS_CHECK_NONE

#endif
