// roundoff_bounds: measures how this machine rounds double arithmetic and
// writes the constants that follow from it as a C/C++ header on standard
// output. It reads no arguments, environment or files.

#include "generator/fpu_control.h"
#include "generator/header_text.h"
#include "roundoff/probe.h"

#include <cerrno>
#include <cstdio>

int main()
{
    const generator::FpuControl saved = generator::read_fpu_control();
    generator::set_double_precision();

    const roundoff::Measurement measured = roundoff::probe();

    generator::WriteStatus status;
    generator::write_banner(status);
    generator::write_splitter_line(status, measured.splitter);
    generator::write_bound_lines(status, measured.epsilon);

    generator::write_fpu_control(saved);

    // A header cut short by a full disk or a closed standard output must fail
    // the build that asked for it, not pass as a good one.
    generator::flush_output(status);
    if (status.error != 0) {
        errno = status.error;
        std::perror("roundoff_bounds: cannot write the header to standard output");
        return 1;
    }
    return 0;
}
