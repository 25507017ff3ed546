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

# Where the kernel runs 32-bit programs (the loader answers), tests run them
# directly on the processor's own x87 unit. Where it does not (a sandbox
# without 32-bit support), qemu-i386 runs them; it models the x87 precision
# control field.
execute_process(COMMAND /lib/ld-linux.so.2 --version
    RESULT_VARIABLE native_status OUTPUT_QUIET ERROR_QUIET)
if(NOT native_status EQUAL 0)
    roundoff_require_program(ROUNDOFF_QEMU_I386 qemu-i386 qemu-user)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ROUNDOFF_QEMU_I386}")
endif()
