/* Preloaded into the program by the test that starts it in each rounding
 * direction: before main runs, sets the direction that
 * ROUNDOFF_BOUNDS_START_DIRECTION names (upward, downward, towardzero, tonearest),
 * as a process started in that direction would have it. A direction that
 * cannot be set, or does not hold once set, ends the process, so that the
 * test cannot pass without having run in it. */
#include <fenv.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct direction {
    const char* name;
    int mode;
};

static const struct direction directions[] = {
#ifdef FE_UPWARD
    {"upward", FE_UPWARD},
#endif
#ifdef FE_DOWNWARD
    {"downward", FE_DOWNWARD},
#endif
#ifdef FE_TOWARDZERO
    {"towardzero", FE_TOWARDZERO},
#endif
    {"tonearest", FE_TONEAREST},
};

__attribute__((constructor)) static void start_in_direction(void)
{
    const char* wanted = getenv("ROUNDOFF_BOUNDS_START_DIRECTION");
    size_t i;

    if (wanted == NULL) {
        return;
    }
    for (i = 0; i < sizeof directions / sizeof directions[0]; ++i) {
        if (strcmp(wanted, directions[i].name) == 0) {
            if (fesetround(directions[i].mode) != 0 || fegetround() != directions[i].mode) {
                fprintf(stderr, "start_direction: cannot start in direction %s\n", wanted);
                abort();
            }
            return;
        }
    }
    fprintf(stderr, "start_direction: no direction %s here\n", wanted);
    exit(77);
}
