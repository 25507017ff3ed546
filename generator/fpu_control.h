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
// an empty mask where the platform has no field to set.

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
    write_fpu_control(static_cast<FpuControl>(
        (read_fpu_control() & ~precision_field) | precision_53));
}

} // namespace generator

#else

// Any other unit computes doubles as doubles: there is no precision to set.
// The rounding direction is the part of the state every platform offers,
// so that is what is saved and put back.
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

} // namespace generator

#endif

#endif
