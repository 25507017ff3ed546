# 32-bit ARM Linux with soft-float doubles (armel): the compiler's run-time
# library computes every double in software, to nearest, whatever direction
# fesetround reports as set.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE arm-linux-gnueabi)
set(ROUNDOFF_BOUNDS_QEMU qemu-arm)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
