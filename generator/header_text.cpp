#include "generator/header_text.h"

#include "roundoff/bounds.h"

#include <cerrno>
#include <cstdio>

namespace generator {
namespace {

// One string, so the banner is one write; puts adds the empty line after it.
constexpr char banner[] =
    "/* This file was generated automatically by roundoff_bounds\n"
    " *\n"
    " \n"
    " \n"
    " \n"
    " \n"
    " *\n"
    " \n"
    " \n"
    " \n"
    " */\n";

void record(WriteStatus& status, bool failed)
{
    if (failed && status.error == 0) {
        // Some C libraries report a failed write without setting errno.
        status.error = errno != 0 ? errno : EIO;
    }
}

void write_constant_line(WriteStatus& status, const char* format, double value)
{
    record(status, std::printf(format, value) < 0);
}

} // namespace

void write_banner(WriteStatus& status)
{
    record(status, std::puts(banner) == EOF);
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
    record(status, std::fflush(stdout) == EOF || std::ferror(stdout) != 0);
}

} // namespace generator
