# 32-bit x86 Linux with double arithmetic on the x87 unit, whose registers
# hold 64-bit significands: the arithmetic the precision guard exists for.
# Built by Debian's i686 cross compiler, which, unlike the 32-bit multilib of
# the native compiler, can stand beside the cross compilers of the other
# configurations.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

roundoff_require_program(ROUNDOFF_BOUNDS_GCC i686-linux-gnu-gcc g++-i686-linux-gnu)
roundoff_require_program(ROUNDOFF_BOUNDS_GXX i686-linux-gnu-g++ g++-i686-linux-gnu)
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_GXX}")
set(CMAKE_C_FLAGS_INIT -mfpmath=387)
set(CMAKE_CXX_FLAGS_INIT -mfpmath=387)
set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every test program runs through run-i386.sh, which decides at each run
# whether the processor runs it or qemu-i386 does. Deciding here instead would
# make the configuration differ between machines whose kernels run 32-bit
# programs and machines whose kernels refuse them.
set(ROUNDOFF_BOUNDS_X87_RUNNER "${CMAKE_CURRENT_LIST_DIR}/run-i386.sh")
roundoff_default_emulator(/bin/sh "${ROUNDOFF_BOUNDS_X87_RUNNER}")
