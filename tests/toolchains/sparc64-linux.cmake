# 64-bit SPARC Linux: big-endian, with fused multiply-add instructions on
# newer processors and its rounding direction in the FSR.
set(CMAKE_SYSTEM_PROCESSOR sparc64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE sparc64-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-sparc64)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
