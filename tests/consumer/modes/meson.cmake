# The consumer built by Meson (its meson.build) with a strict project's
# flags and warnings as errors, natively or, in a cross build, as a cross
# build with the same compilers and emulator: the expected header, the
# arithmetic check passed before the consumer's code compiled, and the
# consumer's tests pass.
meson_setup()
must_pass("meson compile" "${MESON}" compile -C "${build}")
expect_header("${build}/roundoff_bounds.h")
file(READ "${build}/roundoff_bounds_checked" checked)
if(NOT checked MATCHES "^ok: ")
    fail("the arithmetic check did not pass: ${checked}")
endif()
must_pass("meson test" "${MESON}" test -C "${build}")
