# PA-RISC Linux: big-endian, with its rounding direction in the status
# register, which the guard's generic branch saves and restores.
set(CMAKE_SYSTEM_PROCESSOR parisc)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE hppa-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-hppa)
include("${CMAKE_CURRENT_LIST_DIR}/gcc-qemu-user.cmake")
