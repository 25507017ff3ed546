#include "roundoff/probe.h"

#include "roundoff/rounded.h"

namespace roundoff {

Measurement probe()
{
    double epsilon = 1.0;
    double splitter = 1.0;
    double sum = 1.0;
    double previous_sum;
    bool every_other = true;

    // Halve epsilon until 1 + epsilon no longer changes: it falls back to 1.0
    // when rounding to nearest, toward zero or downward, and sticks at the
    // previous sum when rounding upward, where it never falls back to 1.0.
    // Each sum is rounded to a double before it is compared, so registers
    // wider than a double cannot add rounds.
    do {
        previous_sum = sum;
        epsilon *= 0.5;
        if (every_other) {
            splitter *= 2.0;
        }
        every_other = !every_other;
        sum = rounded(1.0 + epsilon);
        // Exact equality of doubles is the measurement itself: the loop ends
        // on the round whose sum can no longer be told from 1.0 or from the
        // sum before it.
#if defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wfloat-equal"
#endif
    } while (sum != 1.0 && sum != previous_sum);
#if defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic pop
#endif

    splitter += 1.0;
    return {epsilon, splitter};
}

} // namespace roundoff
