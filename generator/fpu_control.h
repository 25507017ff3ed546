#ifndef GENERATOR_FPU_CONTROL_H
#define GENERATOR_FPU_CONTROL_H

// The precision guard: everything this program knows about floating-point
// control words lives here, one branch per platform. The run saves the
// control word, sets double arithmetic to round to 53-bit significands,
// measures, and writes the saved word back, so that a unit whose default
// precision is wider than a double (x87 in extended precision) is measured
// as the double arithmetic that compiled code will use.
//
// Each branch provides FpuControl (the saved state), read_fpu_control,
// set_double_precision and write_fpu_control, and names where precision
// control sits in its word: precision_field with its 53- and 64-bit settings,
// an empty mask where the platform has no field to set. It also provides
// round_to_nearest, which returns the rounding direction in force (a
// Rounding) and sets rounding to nearest, and restore_rounding, which puts
// that direction back: the header's digits are rounded to nearest while its
// values are computed in the direction the process started with. Neither
// needs the maths library where the program's start-up cost is measured.

#if defined(_WIN32) && (defined(_M_IX86) || defined(__i386__))

// 32-bit Windows computes doubles on the x87 unit. The C runtime's
// _controlfp reaches its precision-control field directly.
#include <float.h>

namespace generator {

using FpuControl = unsigned int;

inline constexpr FpuControl precision_field = _MCW_PC;
inline constexpr FpuControl precision_53 = _PC_53;
inline constexpr FpuControl precision_64 = _PC_64;

inline FpuControl read_fpu_control() { return _controlfp(0, 0); }

inline void set_double_precision() { _controlfp(_PC_53, _MCW_PC); }

// 0xFFFFF spans the exception masks, rounding, precision and infinity
// control; denormal control is left as it stands.
inline void write_fpu_control(FpuControl saved) { _controlfp(saved, 0xFFFFF); }

using Rounding = FpuControl;

inline Rounding round_to_nearest()
{
    const Rounding saved = _controlfp(0, 0);
    _controlfp(_RC_NEAR, _MCW_RC);
    return saved;
}

inline void restore_rounding(Rounding saved) { _controlfp(saved, _MCW_RC); }

} // namespace generator

#elif defined(_WIN32)

// Windows on x64 and ARM64: doubles already round to 53 bits, and the C
// runtime treats the precision-control and infinity-control masks as invalid
// parameters there, which ends the process. So precision is left alone, and
// the restore covers every other field under 0xFFFFF.
#include <float.h>

namespace generator {

using FpuControl = unsigned int;

// No precision field that may be touched: an empty mask.
inline constexpr FpuControl precision_field = 0;
inline constexpr FpuControl precision_53 = 0;
inline constexpr FpuControl precision_64 = 0;

inline FpuControl read_fpu_control() { return _controlfp(0, 0); }

inline void set_double_precision() {}

inline void write_fpu_control(FpuControl saved)
{
    _controlfp(saved, 0xFFFFFu & ~static_cast<FpuControl>(_MCW_PC | _MCW_IC));
}

using Rounding = FpuControl;

inline Rounding round_to_nearest()
{
    const Rounding saved = _controlfp(0, 0);
    _controlfp(_RC_NEAR, _MCW_RC);
    return saved;
}

inline void restore_rounding(Rounding saved) { _controlfp(saved, _MCW_RC); }

} // namespace generator

#elif (defined(__GNUC__) || defined(__clang__)) && (defined(__i386__) || defined(__x86_64__))

// Other x86 systems, 32- and 64-bit. A 32-bit build may compute doubles on
// the x87 unit, whose precision-control field (bits 8-9 of its control
// word) usually starts at 64-bit significands. On x86-64 doubles use SSE and
// the field changes nothing for them, but setting it anyway keeps one code
// path for every x86 build.
namespace generator {

using FpuControl = unsigned short;

inline constexpr FpuControl precision_field = 0x300;
inline constexpr FpuControl precision_53 = 0x200;
inline constexpr FpuControl precision_64 = 0x300;

inline FpuControl read_fpu_control()
{
    FpuControl word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

inline void write_fpu_control(FpuControl word)
{
    __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory");
}

inline void set_double_precision()
{
    write_fpu_control(
        static_cast<FpuControl>((read_fpu_control() & ~precision_field) | precision_53));
}

// The direction sits in two places: the x87 control word (bits 10-11), which
// the C library reads when it rounds printf's digits, and, where there is
// SSE, the MXCSR (bits 13-14), which rounds SSE arithmetic. Both are set, and
// both put back.
struct Rounding {
    FpuControl x87;
    unsigned int sse;
};

inline Rounding round_to_nearest()
{
    Rounding saved{read_fpu_control(), 0};
    write_fpu_control(static_cast<FpuControl>(saved.x87 & ~0xC00u));
#if defined(__SSE__)
    __asm__ __volatile__("stmxcsr %0" : "=m"(saved.sse) : : "memory");
    const unsigned int nearest = saved.sse & ~0x6000u;
    __asm__ __volatile__("ldmxcsr %0" : : "m"(nearest) : "memory");
#endif
    return saved;
}

inline void restore_rounding(Rounding saved)
{
    write_fpu_control(saved.x87);
#if defined(__SSE__)
    __asm__ __volatile__("ldmxcsr %0" : : "m"(saved.sse) : "memory");
#endif
}

} // namespace generator

#elif defined(__GNUC__) && defined(__m68k__) && defined(__HAVE_68881__)

// m68k with a floating-point unit (68881/68882, or the one inside a 68040 or
// 68060) computes in extended precision, with 64-bit significands, as x87
// does; GCC says so by evaluating doubles at long double precision. The
// rounding-precision field of its FPCR (bits 6-7: 00 extended, 01 single,
// 10 double) makes additions and multiplications round to 53 bits.
namespace generator {

using FpuControl = unsigned int;

inline constexpr FpuControl precision_field = 0xC0;
inline constexpr FpuControl precision_53 = 0x80;
inline constexpr FpuControl precision_64 = 0x00;

// %! names the FPCR, and %. the size suffix's separator, in whichever
// assembler syntax GCC emits.
inline FpuControl read_fpu_control()
{
    FpuControl word;
    __asm__ __volatile__("fmove%.l %!, %0" : "=dm"(word) : : "memory");
    return word;
}

inline void write_fpu_control(FpuControl word)
{
    __asm__ __volatile__("fmove%.l %0, %!" : : "dm"(word) : "memory");
}

inline void set_double_precision()
{
    write_fpu_control((read_fpu_control() & ~precision_field) | precision_53);
}

// The direction is the FPCR's bits 4-5, 00 for nearest.
using Rounding = FpuControl;

inline Rounding round_to_nearest()
{
    const Rounding saved = read_fpu_control();
    write_fpu_control(saved & ~0x30u);
    return saved;
}

inline void restore_rounding(Rounding saved) { write_fpu_control(saved); }

} // namespace generator

#elif defined(__GNUC__) && defined(__sh__) && defined(__SH_FPU_DOUBLE__)

// SuperH with a double-precision unit (sh4): the PR bit of its FPSCR (bit
// 19) selects whether the arithmetic instructions work on doubles or on
// singles. GCC's code for doubles runs with it set and switches it only
// around the single-precision operations it emits; the guard sets it all the
// same, since a double computed under PR clear is not a double. The
// unit has nothing wider than a double, so its wide setting is the double
// one. GCC's __builtin_sh_set_fpscr keeps PR as it finds it, so the FPSCR is
// read and written directly.
namespace generator {

using FpuControl = unsigned int;

inline constexpr FpuControl precision_field = 0x80000;
inline constexpr FpuControl precision_53 = 0x80000;
inline constexpr FpuControl precision_64 = 0x80000;

inline FpuControl read_fpu_control()
{
    FpuControl word;
    __asm__ __volatile__("sts fpscr, %0" : "=r"(word) : : "memory");
    return word;
}

inline void write_fpu_control(FpuControl word)
{
    __asm__ __volatile__("lds %0, fpscr" : : "r"(word) : "memory");
}

inline void set_double_precision() { write_fpu_control(read_fpu_control() | precision_53); }

// The direction is the FPSCR's bits 0-1: 00 to nearest, 01 toward zero.
using Rounding = FpuControl;

inline Rounding round_to_nearest()
{
    const Rounding saved = read_fpu_control();
    write_fpu_control(saved & ~0x3u);
    return saved;
}

inline void restore_rounding(Rounding saved) { write_fpu_control(saved); }

} // namespace generator

#else

// Every other unit computes doubles as doubles, rounding to 53 bits with no
// precision to set: ARM (VFP and AArch64), POWER, IBM Z, RISC-V, MIPS, SPARC,
// PA-RISC, Alpha, and SSE where a compiler other than GCC or Clang targets
// x86. The rounding direction is the part of the state every platform
// offers, so that is what is saved and put back. Two have less: ARM's
// soft-float ABI (armel) computes doubles in software that rounds to
// nearest whatever direction the C library records, and WebAssembly has no
// control word at all, only doubles rounded to nearest; the C library's
// calls cost nothing there.
#include <cfenv>

namespace generator {

using FpuControl = int;

// No precision field: an empty mask.
inline constexpr FpuControl precision_field = 0;
inline constexpr FpuControl precision_53 = 0;
inline constexpr FpuControl precision_64 = 0;

inline FpuControl read_fpu_control() { return std::fegetround(); }

inline void set_double_precision() {}

inline void write_fpu_control(FpuControl saved) { std::fesetround(saved); }

using Rounding = int;

inline Rounding round_to_nearest()
{
    const Rounding saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    return saved;
}

inline void restore_rounding(Rounding saved) { std::fesetround(saved); }

} // namespace generator

#endif

#endif
