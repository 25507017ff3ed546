# 64-bit ARM Linux, cross-built and run under qemu-aarch64. It has no
# precision field to set, so it runs the guard's branch for every other unit,
# and its fused multiply-add is what the build's -ffp-contract=off keeps out
# of the bounds.
include("${CMAKE_CURRENT_LIST_DIR}/../require.cmake")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

roundoff_require_program(ROUNDOFF_ARM_GCC aarch64-linux-gnu-gcc g++-aarch64-linux-gnu)
roundoff_require_program(ROUNDOFF_ARM_GXX aarch64-linux-gnu-g++ g++-aarch64-linux-gnu)
set(CMAKE_C_COMPILER "${ROUNDOFF_ARM_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_ARM_GXX}")
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

roundoff_require_program(ROUNDOFF_QEMU_AARCH64 qemu-aarch64 qemu-user)
set(CMAKE_CROSSCOMPILING_EMULATOR "${ROUNDOFF_QEMU_AARCH64}" -L /usr/aarch64-linux-gnu)
