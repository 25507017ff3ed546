# SuperH (sh4) Linux: a unit whose FPSCR selects single or double operations
# (PR) and rounds to nearest or toward zero (RM), the only directions its C
# library offers.
set(CMAKE_SYSTEM_PROCESSOR sh4)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE sh4-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-sh4)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")

# qemu-sh4 before version 10 (Debian 12's is 7.2) starts no glibc program.
# A build given no emulator runs nothing here, and has nothing to check.
if(CMAKE_CROSSCOMPILING_EMULATOR)
    roundoff_require_runs("qemu-sh4 starts no glibc program here (it needs qemu 10, as in Debian 13)"
        "${CMAKE_C_COMPILER}" ${CMAKE_CROSSCOMPILING_EMULATOR})
endif()
