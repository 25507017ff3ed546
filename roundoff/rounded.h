#ifndef ROUNDOFF_ROUNDED_H
#define ROUNDOFF_ROUNDED_H

namespace roundoff {

// Returns x as a double variable holds it. An x87 unit keeps intermediate
// results in 80-bit registers; passing the value through a volatile double
// forces the store that rounds it to a 53-bit significand, and stops the
// compiler from comparing or reusing the wider register value instead.
// On units that compute doubles in double registers this is a plain copy.
inline double rounded(double x)
{
    volatile double stored = x;
    return stored;
}

} // namespace roundoff

#endif
