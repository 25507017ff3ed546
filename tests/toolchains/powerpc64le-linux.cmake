# 64-bit little-endian POWER Linux: fused multiply-add instructions that a
# compiler may use for epsilon * k1 + k0, and the guard's generic branch.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE powerpc64le-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-ppc64le)
include("${CMAKE_CURRENT_LIST_DIR}/clang-qemu-user.cmake")
