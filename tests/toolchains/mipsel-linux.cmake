# 32-bit little-endian MIPS Linux: doubles in the FPU of a 32-bit processor,
# its rounding direction in the FCSR.
set(CMAKE_SYSTEM_PROCESSOR mips)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE mipsel-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-mipsel)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
