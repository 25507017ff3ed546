/* orient, started by a routine of the program's own that first changes the
 * floating-point environment of its process, as a library's initialisation
 * may: the change that CHANGE_<name> picks. The in-place check that orient
 * calls must name it. */
#define main orient_main
#include "orient.c"
#undef main

#if defined(CHANGE_upward) || defined(CHANGE_downward) || defined(CHANGE_toward_zero)
#include <fenv.h>
#elif defined(CHANGE_flush_to_zero) || defined(CHANGE_denormals_are_zero)
#include <xmmintrin.h>
#endif

static void change_environment(void)
{
#if defined(CHANGE_upward)
    fesetround(FE_UPWARD);
#elif defined(CHANGE_downward)
    fesetround(FE_DOWNWARD);
#elif defined(CHANGE_toward_zero)
    fesetround(FE_TOWARDZERO);
#elif defined(CHANGE_flush_to_zero)
    _mm_setcsr(_mm_getcsr() | 0x8000u); /* the MXCSR's FTZ bit */
#elif defined(CHANGE_denormals_are_zero)
    _mm_setcsr(_mm_getcsr() | 0x0040u); /* the MXCSR's DAZ bit */
#elif defined(CHANGE_x87_24_bits)
    /* The precision field of the x87 control word, bits 8 and 9: 00 rounds
     * to 24-bit significands. */
    unsigned short word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    word = (unsigned short)(word & ~0x300u);
    __asm__ __volatile__("fldcw %0" : : "m"(word));
#else
#error "CHANGE_<name> names no change"
#endif
}

int main(void)
{
    change_environment();
    return orient_main();
}
