/* The arithmetic check of the build: compiled exactly as the code that
 * includes the generated header is compiled, and run on the machine that code
 * runs on, it shows whether that code rounds each double addition,
 * subtraction and multiplication on its own, as the header's constants
 * assume. It asks roundoff_bounds_check_arithmetic, which the code can call
 * in its own process too, and then puts the header's splitter to work in the
 * error-free transformations of predicate code. It prints what broke on
 * standard error, one line each, and exits with status 1; or one line that
 * all is well on standard output, and status 0. Valid C (C99 and later) and
 * C++; the build names the header in ROUNDOFF_BOUNDS_CHECK_INCLUDE.
 *
 * Every input is read from a volatile variable, so the compiler computes
 * nothing here ahead of the run. Every step is stored in a variable of its
 * own, as predicate code stores them. */
#ifndef ROUNDOFF_BOUNDS_CHECK_INCLUDE
#define ROUNDOFF_BOUNDS_CHECK_INCLUDE "roundoff_bounds.h"
#endif
#include ROUNDOFF_BOUNDS_CHECK_INCLUDE
#include "roundoff_bounds_check.h"

#include <stdio.h>

static volatile double one = 1.0;
static volatile double odd_start = 67108863.0; /* 2^26 - 1 */

/* Ordered comparisons only: exact, and free of any equality warning. */
static int differ(double a, double b) { return a < b || a > b; }

/* 2^k, exactly. */
static double power_of_two(int k)
{
    double p = one;
    for (; k > 0; --k) {
        p *= 2.0;
    }
    for (; k < 0; ++k) {
        p *= 0.5;
    }
    return p;
}

/* 1 + 2^k, read afresh at each call, so that no two checks share a value
 * and a compiler cannot merge their operations. */
static double one_plus(int k) { return one + power_of_two(k); }

/* x + y = a + b exactly, x the rounded sum. */
static void two_sum(double a, double b, double* x, double* y)
{
    double bvirt, avirt, around, bround;
    *x = a + b;
    bvirt = *x - a;
    avirt = *x - bvirt;
    around = a - avirt;
    bround = b - bvirt;
    *y = around + bround;
}

/* x + y = a - b exactly, x the rounded difference. */
static void two_diff(double a, double b, double* x, double* y)
{
    double bvirt, avirt, around, bround;
    *x = a - b;
    bvirt = a - *x;
    avirt = *x + bvirt;
    around = a - avirt;
    bround = bvirt - b;
    *y = around + bround;
}

/* hi + lo = a, each with half of a's significand, by the header's splitter. */
static void split(double a, double* hi, double* lo)
{
    double c, big;
    c = splitter * a;
    big = c - a;
    *hi = c - big;
    *lo = a - *hi;
}

/* x + y = a * b exactly (Dekker), x the rounded product. */
static void two_product(double a, double b, double* x, double* y)
{
    double ahi, alo, bhi, blo, err1, err2, err3, tail;
    *x = a * b;
    split(a, &ahi, &alo);
    split(b, &bhi, &blo);
    err1 = *x - ahi * bhi;
    err2 = err1 - alo * bhi;
    err3 = err2 - ahi * blo;
    tail = alo * blo;
    *y = tail - err3;
}

static int sign(double x) { return (x > 0.0) - (x < 0.0); }

/* The sign of ax*by - ay*bx, from its exact four-term expansion. */
static int orientation(double ax, double ay, double bx, double by)
{
    double l1, l0, r1, r0, i, j, k, e0, e1, e2, e3;
    two_product(ax, by, &l1, &l0);
    two_product(ay, bx, &r1, &r0);
    two_diff(l0, r0, &i, &e0);
    two_sum(l1, i, &j, &k);
    two_diff(k, r1, &i, &e1);
    two_sum(j, i, &e3, &e2);
    if (sign(e3) != 0) {
        return sign(e3);
    }
    if (sign(e2) != 0) {
        return sign(e2);
    }
    return sign(e1) != 0 ? sign(e1) : sign(e0);
}

/* a = (m*dx, m*dy), b = (q*dx, q*dy + d), c = (0, 0), with m, q, dx and dy
 * odd and below 2^26: collinear for d = 0, and otherwise of the sign of d,
 * which only an exact computation gets right. Returns how many are wrong. */
static int wrong_orientations(void)
{
    double m, q, dx, dy, d, n;
    int wrong = 0;
    for (n = 0.0; n < 4096.0; n += 1.0) {
        m = odd_start - 2.0 * n * 8191.0;
        q = odd_start - 2.0 * n * 4093.0;
        dx = odd_start - 2.0 * n * 2039.0;
        dy = odd_start - 2.0 * n * 1021.0;
        for (d = -1.0; d < 1.5; d += 1.0) {
            if (orientation(m * dx, m * dy, q * dx, q * dy + d) != sign(d)) {
                ++wrong;
            }
        }
    }
    return wrong;
}

/* One line for what broke, its text a literal of the format: a string
 * passed to the C library otherwise draws Clang's buffer-safety warnings in
 * C++. */
#define REPORT(what)                           \
    do {                                       \
        fprintf(stderr, "broken: " what "\n"); \
        broken = 1;                            \
    } while (0)

int main(void)
{
    const char* why;
    double a, c, tiny, fine, x, y, hi, lo;
    int broken = 0;

    /* The bounds serve the predicates, not this check. */
    (void)resulterrbound;
    /* One predicate a row. */
    /* clang-format off */
    (void)ccwerrboundA; (void)ccwerrboundB; (void)ccwerrboundC;
    (void)o3derrboundA; (void)o3derrboundB; (void)o3derrboundC;
    (void)iccerrboundA; (void)iccerrboundB; (void)iccerrboundC;
    (void)isperrboundA; (void)isperrboundB; (void)isperrboundC;
    /* clang-format on */

    /* What the code that takes the header can ask in its own process. Its
     * answer is one of the in-place check's own string literals, which
     * Clang's buffer-safety warnings cannot know in C++. */
    why = roundoff_bounds_check_arithmetic();
    if (why) {
#if defined(__clang__) && defined(__has_warning)
#if __has_warning("-Wunsafe-buffer-usage-in-libc-call")
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wunsafe-buffer-usage-in-libc-call"
#endif
#endif
        fprintf(stderr, "broken: %s\n", why);
#if defined(__clang__) && defined(__has_warning)
#if __has_warning("-Wunsafe-buffer-usage-in-libc-call")
#pragma clang diagnostic pop
#endif
#endif
        broken = 1;
    }

    /* The error-free transformations of predicate code, with the header's
     * splitter; whatever makes them inexact and was not named above (a
     * header written for another arithmetic, say) is named here. */
    tiny = power_of_two(-60);
    two_sum(one, tiny, &x, &y);
    if (differ(x, one) || differ(y, tiny)) {
        REPORT("a two-sum is inexact");
    }
    split(one_plus(-40), &hi, &lo);
    if (differ(hi, one) || differ(lo, power_of_two(-40))) {
        REPORT("the split by the header's splitter is not half and half");
    }
    a = one_plus(-52);
    c = one_plus(-51);
    fine = power_of_two(-104);
    two_product(a, a, &x, &y);
    if (differ(x, c) || differ(y, fine)) {
        REPORT("Dekker's product by the header's splitter is inexact");
    }
    if (wrong_orientations() != 0) {
        REPORT("an exact orientation of points came out wrong");
    }

    if (!broken) {
        printf("ok: each double operation is rounded on its own, as the header assumes\n");
    }
    return broken;
}
