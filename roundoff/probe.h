#ifndef ROUNDOFF_PROBE_H
#define ROUNDOFF_PROBE_H

namespace roundoff {

struct Measurement {
    // Half the spacing of doubles just above 1.0: 2^-53 for binary64.
    double epsilon;
    // 2^ceil(p/2) + 1 for a p-bit significand: 2^27 + 1 for binary64.
    double splitter;
};

// Measures the double arithmetic in force when it is called: the precision
// and the rounding direction of the floating-point unit at that moment.
Measurement probe();

} // namespace roundoff

#endif
