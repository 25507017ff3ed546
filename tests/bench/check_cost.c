/* The benchmark of the in-place check: one run does nothing, calls the check
 * CALLS times, or runs the consumer's orient (60,000 exact orientations and
 * one check), as its argument says; check_cost.sh counts each run's
 * instructions and takes the differences. */
#define main orient_main
#include "orient.c"
#undef main

#include <stdlib.h>
#include <string.h>

enum { calls = 1000 };

int main(int argc, char** argv)
{
    int i, broken = 0;
    if (argc > 1 && strcmp(argv[1], "check") == 0) {
        for (i = 0; i < calls; ++i) {
            broken += roundoff_bounds_check_arithmetic() != NULL;
        }
    } else if (argc > 1 && strcmp(argv[1], "orient") == 0) {
        broken = orient_main();
    }
    return broken == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
