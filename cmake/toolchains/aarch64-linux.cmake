# 64-bit ARM Linux, cross-built with Clang and run under qemu-aarch64. It has
# no precision field to set, so it runs the guard's branch for every other
# unit, and its fused multiply-add is what the per-step rounding and
# -ffp-contract=off keep out of the bounds. Clang rather than Debian's GCC
# cross compiler, whose package conflicts with the 32-bit x86 multilib that
# the x87 build needs.
include("${CMAKE_CURRENT_LIST_DIR}/../require.cmake")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(arm_packages clang libstdc++-12-dev-arm64-cross libgcc-12-dev-arm64-cross binutils-aarch64-linux-gnu)
roundoff_require_program(ROUNDOFF_CLANG clang ${arm_packages})
roundoff_require_program(ROUNDOFF_CLANGXX clang++ ${arm_packages})
set(CMAKE_C_COMPILER "${ROUNDOFF_CLANG}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_CLANGXX}")
set(CMAKE_C_COMPILER_TARGET aarch64-linux-gnu)
set(CMAKE_CXX_COMPILER_TARGET aarch64-linux-gnu)
roundoff_require_compiles("${CMAKE_CXX_COMPILER}" --target=aarch64-linux-gnu ${arm_packages})
# Clang 14 honours -frounding-math on x86 only; here it warns and ignores it.
# The measurement does not lean on it: every value it compares or returns
# passes through a volatile double and depends on run-time operands, so
# nothing can be folded under an assumed rounding direction. The probe test
# under all four directions is what shows it on this target.
set(CMAKE_CXX_FLAGS_INIT -Wno-unsupported-floating-point-opt)
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

roundoff_require_program(ROUNDOFF_QEMU_AARCH64 qemu-aarch64 qemu-user)
roundoff_default_emulator("${ROUNDOFF_QEMU_AARCH64}" -L /usr/aarch64-linux-gnu)
