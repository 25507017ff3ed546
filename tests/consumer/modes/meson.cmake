# The consumer built by Meson (its meson.build) with a strict project's
# flags and warnings as errors, natively or, in a cross build, as a cross
# build with the same compilers and emulator: the expected header, and the
# consumer's tests pass.
meson_setup()
must_pass("meson compile" "${MESON}" compile -C "${build}")
expect_header("${build}/roundoff_bounds.h")
must_pass("meson test" "${MESON}" test -C "${build}")
