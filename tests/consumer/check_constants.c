/* Includes the generated header that the build names in ROUNDOFF_BOUNDS_INCLUDE
 * and checks every constant in it, compiled as C99 and as C++. Each constant is
 * compared with the double that its expected decimal text reads as, so a
 * wrong digit anywhere in a line fails. */
#include ROUNDOFF_BOUNDS_INCLUDE

#include <stdio.h>

struct constant {
    const char* name;
    double value;
    double expected;
};

int main(void)
{
    const struct constant constants[] = {
        {"splitter", splitter, 134217729.0},
        {"resulterrbound", resulterrbound, 3.330669073875471e-16},
        {"ccwerrboundA", ccwerrboundA, 3.330669073875472e-16},
        {"ccwerrboundB", ccwerrboundB, 2.220446049250315e-16},
        {"ccwerrboundC", ccwerrboundC, 1.109335647967049e-31},
        {"o3derrboundA", o3derrboundA, 7.771561172376103e-16},
        {"o3derrboundB", o3derrboundB, 3.330669073875473e-16},
        {"o3derrboundC", o3derrboundC, 3.204747427460364e-31},
        {"iccerrboundA", iccerrboundA, 1.110223024625158e-15},
        {"iccerrboundB", iccerrboundB, 4.440892098500632e-16},
        {"iccerrboundC", iccerrboundC, 5.423418723394464e-31},
        {"isperrboundA", isperrboundA, 1.776356839400253e-15},
        {"isperrboundB", isperrboundB, 5.551115123125792e-16},
        {"isperrboundC", isperrboundC, 8.751425667295619e-31},
    };
    const unsigned count = sizeof constants / sizeof constants[0];
    unsigned failures = 0;
    unsigned i;

    for (i = 0; i < count; ++i) {
        if (constants[i].value != constants[i].expected) {
            printf("%s is %.17g, expected %.17g\n", constants[i].name, constants[i].value,
                   constants[i].expected);
            ++failures;
        }
    }
    printf("%u constants checked, %u wrong\n", count, failures);
    return failures == 0 ? 0 : 1;
}
