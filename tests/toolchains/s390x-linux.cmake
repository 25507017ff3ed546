# IBM Z Linux: big-endian, with fused multiply-add instructions that a
# compiler may use for epsilon * k1 + k0.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE s390x-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-s390x)
include("${CMAKE_CURRENT_LIST_DIR}/clang-qemu-user.cmake")
