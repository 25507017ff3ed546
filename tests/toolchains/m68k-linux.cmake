# m68k Linux: a unit that computes in extended precision, as x87 does, whose
# FPCR precision field the guard sets to double and puts back.
set(CMAKE_SYSTEM_PROCESSOR m68k)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE m68k-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-m68k)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
