#include "generator/header_text.h"

#include "generator/fpu_control.h"
#include "roundoff/bounds.h"

#include <cerrno>
#include <cstdio>

namespace generator {
namespace {

// Runs one write, which returns true when it failed, and keeps the system's
// reason for the first failure. errno is cleared first so that a stale value
// is never reported, and a C library that fails without setting it still
// gets a reason.
template <typename Write>
void attempt(WriteStatus& status, Write write)
{
    errno = 0;
    if (write() && status.error == 0) {
        status.error = errno != 0 ? errno : EIO;
    }
}

// Each line's whole format string comes from a table, so the compiler cannot
// see it here: not that it takes exactly one double, as every one of them
// does, nor, for Clang's buffer-safety warnings, that it ends, as each is a
// string literal.
#if defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
#if defined(__clang__) && defined(__has_warning)
#if __has_warning("-Wunsafe-buffer-usage-in-libc-call")
#pragma clang diagnostic ignored "-Wunsafe-buffer-usage-in-libc-call"
#endif
#endif
// The value was computed in the rounding direction the process started with;
// its digits are rounded to nearest, since a C library's printf rounds them
// in the direction in force. That direction is back before the next value is
// computed.
void write_constant_line(WriteStatus& status, const char* format, double value)
{
    const Rounding measured_in = round_to_nearest();
    attempt(status, [&] { return std::printf(format, value) < 0; });
    restore_rounding(measured_in);
}
#if defined(__GNUC__) || defined(__clang__)
#pragma GCC diagnostic pop
#endif

} // namespace

// One string, so the banner is one write; puts adds the empty line after it.
void write_banner(WriteStatus& status)
{
    attempt(status, [] {
        return std::puts("/* This file was generated automatically by roundoff_bounds\n"
                         " *\n"
                         " \n"
                         " \n"
                         " \n"
                         " \n"
                         " *\n"
                         " \n"
                         " \n"
                         " \n"
                         " */\n") == EOF;
    });
}

void write_splitter_line(WriteStatus& status, double splitter)
{
    write_constant_line(status, "static double splitter = %f;\n", splitter);
}

void write_bound_lines(WriteStatus& status, double epsilon)
{
    for (const roundoff::BoundRow& row : roundoff::bound_rows) {
        write_constant_line(status, row.format, roundoff::bound(row, epsilon));
    }
}

void flush_output(WriteStatus& status)
{
    attempt(status, [] { return std::fflush(stdout) == EOF || std::ferror(stdout) != 0; });
}

} // namespace generator
