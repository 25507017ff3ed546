# The consumer built by Meson (its meson.build) with a strict project's
# flags and warnings as errors, natively or, in a cross build, as a cross
# build with the same compilers and emulator: the expected header, the
# arithmetic check passed before the consumer's code compiled, and the
# consumer's tests pass.
meson_setup(MESON)
expect_meson_build("${MESON}")
