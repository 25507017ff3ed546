#ifndef GENERATOR_HEADER_TEXT_H
#define GENERATOR_HEADER_TEXT_H

namespace generator {

// What became of the text handed to standard output so far: 0 while every
// write has succeeded, otherwise the system's error code of the first one
// that failed. A failed write does not stop the run; it is reported at the end.
struct WriteStatus {
    int error = 0;
};

// The comment banner and the empty line after it.
void write_banner(WriteStatus& status);

// Every line's digits are rounded to nearest, whatever rounding direction
// the run measures under.
void write_splitter_line(WriteStatus& status, double splitter);

// Every error-bound line, each value computed from epsilon just before its
// line is written, under whatever arithmetic is in force.
void write_bound_lines(WriteStatus& status, double epsilon);

// Pushes everything written so far out of the stream's buffer, where a full
// disk or a closed descriptor finally shows.
void flush_output(WriteStatus& status);

} // namespace generator

#endif
