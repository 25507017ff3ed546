# 32-bit big-endian POWER Linux, with fused multiply-add instructions.
set(CMAKE_SYSTEM_PROCESSOR ppc)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE powerpc-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-ppc)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
