# 64-bit little-endian MIPS Linux. qemu's default CPU model for it (5KEf)
# ignores writes to the FCSR's rounding bits, so a direction could never be
# set; a MIPS64 release 2 model honours them.
set(CMAKE_SYSTEM_PROCESSOR mips64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE mips64el-linux-gnuabi64)
set(ROUNDOFF_BOUNDS_QEMU qemu-mips64el)
set(ROUNDOFF_BOUNDS_QEMU_CPU MIPS64R2-generic)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
