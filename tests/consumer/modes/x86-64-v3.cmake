# GCC for x86-64-v3, which contracts into fused multiply-adds by default:
# the target that takes the header gets the orientation right; given
# NO_FLOATING_POINT_OPTIONS, the same code fuses multiply-adds.
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
x86_64_v3(v3)
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3})
expect_consumer_tests_pass("${build}")

file(REMOVE_RECURSE "${build}")
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3}
    -DGEOM_HEADER_OPTIONS=NO_FLOATING_POINT_OPTIONS -DARITHMETIC_TEST=ON)
expect_arithmetic_broken("${build}" "a multiply fused into an add")
