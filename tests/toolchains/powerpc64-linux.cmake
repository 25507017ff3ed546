# 64-bit big-endian POWER Linux, with fused multiply-add instructions.
set(CMAKE_SYSTEM_PROCESSOR ppc64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE powerpc64-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-ppc64)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
