# 64-bit RISC-V Linux: a rounding direction held in a control register of
# its own (frm), which the guard's generic branch saves and restores, and
# fused multiply-add instructions.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(ROUNDOFF_BOUNDS_CROSS_TRIPLE riscv64-linux-gnu)
set(ROUNDOFF_BOUNDS_QEMU qemu-riscv64)
include("${CMAKE_CURRENT_LIST_DIR}/clang-qemu-user.cmake")
