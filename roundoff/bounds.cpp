#include "roundoff/bounds.h"

#include "roundoff/rounded.h"

namespace roundoff {

double bound(const BoundRow& row, double epsilon)
{
    double value = rounded(epsilon * row.k1);
    value = rounded(value + row.k0);
    value = rounded(value * epsilon);
    if (row.order == Order::second) {
        value = rounded(value * epsilon);
    }
    return value;
}

} // namespace roundoff
