# 32-bit x86 Linux with double arithmetic on the x87 unit, whose registers
# hold 64-bit significands: the arithmetic the precision guard exists for.
include("${CMAKE_CURRENT_LIST_DIR}/../require.cmake")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

roundoff_require_program(ROUNDOFF_GCC gcc gcc)
roundoff_require_program(ROUNDOFF_GXX g++ g++)
set(CMAKE_C_COMPILER "${ROUNDOFF_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_GXX}")
set(x87_flags -m32 -mfpmath=387)
roundoff_require_compiles("${CMAKE_CXX_COMPILER}" "${x87_flags}" g++-multilib)
list(JOIN x87_flags " " x87_flags)
set(CMAKE_C_FLAGS_INIT "${x87_flags}")
set(CMAKE_CXX_FLAGS_INIT "${x87_flags}")

# Every test program runs through run-i386.sh, which decides at each run
# whether the processor runs it or qemu-i386 does. Deciding here instead would
# make the configuration differ between machines whose kernels run 32-bit
# programs and machines whose kernels refuse them.
set(ROUNDOFF_X87_RUNNER "${CMAKE_CURRENT_LIST_DIR}/run-i386.sh")
roundoff_default_emulator(/bin/sh "${ROUNDOFF_X87_RUNNER}")
