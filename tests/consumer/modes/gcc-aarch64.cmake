# Debian's GCC for 64-bit ARM, which contracts by default, with a plain
# toolchain file of the user's own, run under qemu-aarch64: the check passes
# and the orientation is right; given NO_FLOATING_POINT_OPTIONS, the same
# code fuses multiply-adds, which the build's check and the in-place check
# both name.
need_tool(ARM_GCC aarch64-linux-gnu-gcc gcc-aarch64-linux-gnu)
need_tool(ARM_GXX aarch64-linux-gnu-g++ g++-aarch64-linux-gnu)
need_tool(ARM_QEMU qemu-aarch64 qemu-user)
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_(C|CXX)_COMPILER=")
list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory
    "-DCMAKE_TOOLCHAIN_FILE=${consumer_dir}/aarch64-gcc-plain.cmake")
configure_and_build(header "${build}" ${configure})
expect_consumer_tests_pass("${build}")

file(REMOVE_RECURSE "${build}")
configure_and_build(header "${build}" ${configure} -DGEOM_HEADER_OPTIONS=NO_FLOATING_POINT_OPTIONS
    -DARITHMETIC_TEST=ON)
expect_arithmetic_broken("${build}" "a multiply fused into an add")
