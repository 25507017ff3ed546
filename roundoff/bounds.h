#ifndef ROUNDOFF_BOUNDS_H
#define ROUNDOFF_BOUNDS_H

namespace roundoff {

// How many factors of epsilon a bound carries.
enum class Order { first, second };

// One error bound of the header: the line that defines it and the
// polynomial (k0 + k1 * epsilon) * epsilon^order that gives its value.
struct BoundRow {
    const char* format;
    double k0;
    double k1;
    Order order;
};

// The bounds in the order the header defines them. Each format string is the
// whole line, so a line cannot pick up another row's name or number format.
inline constexpr BoundRow bound_rows[] = {
    {"static double resulterrbound = %.16g;\n", 3.0, 8.0, Order::first},
    {"static double ccwerrboundA = %.16g;\n", 3.0, 16.0, Order::first},
    {"static double ccwerrboundB = %.16g;\n", 2.0, 12.0, Order::first},
    {"static double ccwerrboundC = %.16g;\n", 9.0, 64.0, Order::second},
    {"static double o3derrboundA = %.16g;\n", 7.0, 56.0, Order::first},
    {"static double o3derrboundB = %.16g;\n", 3.0, 28.0, Order::first},
    {"static double o3derrboundC = %.16g;\n", 26.0, 288.0, Order::second},
    {"static double iccerrboundA = %.16g;\n", 10.0, 96.0, Order::first},
    {"static double iccerrboundB = %.16g;\n", 4.0, 48.0, Order::first},
    {"static double iccerrboundC = %.16g;\n", 44.0, 576.0, Order::second},
    {"static double isperrboundA = %.16g;\n", 16.0, 224.0, Order::first},
    {"static double isperrboundB = %.16g;\n", 5.0, 72.0, Order::first},
    {"static double isperrboundC = %.16g;\n", 71.0, 1408.0, Order::second},
};

// Evaluates the row's bound for the measured epsilon, one rounded double
// operation at a time: epsilon * k1, + k0, * epsilon, and * epsilon again
// for a second-order row.
double bound(const BoundRow& row, double epsilon);

} // namespace roundoff

#endif
