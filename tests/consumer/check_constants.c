/* Includes the generated header that the build names in ROUNDOFF_BOUNDS_INCLUDE
 * and checks every constant in it, compiled as C99 and as C++. Each constant is
 * compared with the double that the expected header's decimal text reads as
 * (expected_constants.h, made from it by the build), so a wrong digit anywhere
 * in a line fails. The in-place check must find nothing wrong. */
#include ROUNDOFF_BOUNDS_INCLUDE
#include "expected_constants.h"
#include "roundoff_bounds_check.h"

#include <stdio.h>

struct constant {
    const char* name;
    double value;
    double expected;
};

/* The formatter takes the # of the name for a directive. */
/* clang-format off */
#define CONSTANT(name) {#name, name, expected_##name}
/* clang-format on */

int main(void)
{
    /* Three constants a row, as the header lists them. */
    /* clang-format off */
    const struct constant constants[] = {
        CONSTANT(splitter),     CONSTANT(resulterrbound), CONSTANT(ccwerrboundA),
        CONSTANT(ccwerrboundB), CONSTANT(ccwerrboundC),   CONSTANT(o3derrboundA),
        CONSTANT(o3derrboundB), CONSTANT(o3derrboundC),   CONSTANT(iccerrboundA),
        CONSTANT(iccerrboundB), CONSTANT(iccerrboundC),   CONSTANT(isperrboundA),
        CONSTANT(isperrboundB), CONSTANT(isperrboundC),
    };
    /* clang-format on */
    const unsigned count = sizeof constants / sizeof constants[0];
    unsigned failures = 0;
    unsigned i;
    const char* why;

    for (i = 0; i < count; ++i) {
        if (constants[i].value != constants[i].expected) {
            printf("%s is %.17g, expected %.17g\n", constants[i].name, constants[i].value,
                constants[i].expected);
            ++failures;
        }
    }
    printf("%u constants checked, %u wrong\n", count, failures);
    why = roundoff_bounds_check_arithmetic();
    printf("arithmetic: %s\n", why ? why : "as the constants assume");
    return failures == 0 && !why ? 0 : 1;
}
