# 64-bit LoongArch Linux: a processor with fused multiply-add instructions,
# which GCC contracts into by default, cross-built with Debian's GCC and run
# under qemu-loongarch64. Debian's GCC cross compiler for it comes with
# Debian 13 and testing.
set(CMAKE_SYSTEM_PROCESSOR loongarch64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE loongarch64-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-loongarch64)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
