# Alpha Linux: a rounding direction that compilers fix into each instruction
# unless told to read it from the control register, which the project's own
# CMake tells GCC for the measuring library.
set(CMAKE_SYSTEM_PROCESSOR alpha)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE alpha-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-alpha)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
