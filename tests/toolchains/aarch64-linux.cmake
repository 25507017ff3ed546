# 64-bit ARM Linux. It has no precision field to set, so it runs the guard's
# branch for every other unit, and its compilers like to fuse a multiply and
# an add, which the per-step rounding and -ffp-contract=off keep out of the
# bounds.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE aarch64-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-aarch64)
include("${CMAKE_CURRENT_LIST_DIR}/clang-qemu-user.cmake")
