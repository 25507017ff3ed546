/* The orientation of three points, computed exactly the textbook way from
 * the header's splitter, on triples whose answer is known: a = (m*dx, m*dy),
 * b = (q*dx, q*dy + d), c = (0, 0), with m, q, dx and dy odd and below 2^26,
 * has the orientation m*dx*d, so its sign is the sign of d. Every step is one
 * rounded double operation; a compiler that fuses a multiply and an add, or
 * computes in extended precision, or reassociates, breaks the error-free
 * transformations and gets collinear points wrong. First it asks the
 * in-place check what its own process computes like, and says both. */
#include ROUNDOFF_BOUNDS_INCLUDE
#include "roundoff_bounds_check.h"

#include <stdio.h>

/* x + y = a + b exactly, x the rounded sum. */
static void two_sum(double a, double b, double* x, double* y)
{
    double bvirt, avirt;
    *x = a + b;
    bvirt = *x - a;
    avirt = *x - bvirt;
    *y = (a - avirt) + (b - bvirt);
}

/* x + y = a - b exactly, x the rounded difference. */
static void two_diff(double a, double b, double* x, double* y)
{
    double bvirt, avirt;
    *x = a - b;
    bvirt = a - *x;
    avirt = *x + bvirt;
    *y = (a - avirt) + (bvirt - b);
}

/* hi + lo = a, each with half of a's significand. */
static void split(double a, double* hi, double* lo)
{
    double c = splitter * a;
    double big = c - a;
    *hi = c - big;
    *lo = a - *hi;
}

/* x + y = a * b exactly (Dekker), x the rounded product. */
static void two_product(double a, double b, double* x, double* y)
{
    double ahi, alo, bhi, blo, err;
    *x = a * b;
    split(a, &ahi, &alo);
    split(b, &bhi, &blo);
    err = *x - ahi * bhi;
    err = err - alo * bhi;
    err = err - ahi * blo;
    *y = alo * blo - err;
}

/* The sign of ax*by - ay*bx, from its exact four-term expansion. */
static int orientation(double ax, double ay, double bx, double by)
{
    double l1, l0, r1, r0, i, j, k, e[4];
    int n;
    two_product(ax, by, &l1, &l0);
    two_product(ay, bx, &r1, &r0);
    two_diff(l0, r0, &i, &e[0]);
    two_sum(l1, i, &j, &k);
    two_diff(k, r1, &i, &e[1]);
    two_sum(j, i, &e[3], &e[2]);
    for (n = 3; n >= 0; --n) {
        if (e[n] != 0.0) {
            return e[n] > 0.0 ? 1 : -1;
        }
    }
    return 0;
}

/* Odd numbers below 2^26, the same on every machine. */
static unsigned long state = 12345;
static double odd_below_2_26(void)
{
    state = (state * 1103515245ul + 12345ul) & 0x7fffffff;
    return (double)((state >> 5) | 1ul);
}

int main(void)
{
    const char* why = roundoff_bounds_check_arithmetic();
    const long triples = 60000;
    long t, wrong = 0;
    /* The bounds serve other predicates; this one needs only the splitter. */
    (void)resulterrbound;
    /* One predicate a row. */
    /* clang-format off */
    (void)ccwerrboundA; (void)ccwerrboundB; (void)ccwerrboundC;
    (void)o3derrboundA; (void)o3derrboundB; (void)o3derrboundC;
    (void)iccerrboundA; (void)iccerrboundB; (void)iccerrboundC;
    (void)isperrboundA; (void)isperrboundB; (void)isperrboundC;
    /* clang-format on */

    for (t = 0; t < triples; ++t) {
        const double m = odd_below_2_26(), q = odd_below_2_26();
        const double dx = odd_below_2_26(), dy = odd_below_2_26();
        const int d = (int)(t % 3) - 1;
        if (orientation(m * dx, m * dy, q * dx, q * dy + d) != d) {
            ++wrong;
        }
    }
    printf("arithmetic: %s\n", why ? why : "as the constants assume");
    printf("orientation: %ld of %ld wrong\n", wrong, triples);
    return wrong == 0 && !why ? 0 : 1;
}
