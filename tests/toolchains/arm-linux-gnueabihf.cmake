# 32-bit ARM Linux with hard-float VFP: a rounding direction held in the
# FPSCR, which the guard's generic branch saves and restores.
set(CMAKE_SYSTEM_PROCESSOR armv7)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE arm-linux-gnueabihf)
set(ROUNDOFF_BOUNDS_QEMU qemu-arm)
include("${CMAKE_CURRENT_LIST_DIR}/clang-qemu-user.cmake")
