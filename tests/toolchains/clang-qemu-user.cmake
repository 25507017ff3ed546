# Shared by the toolchain files for the ARM, little-endian POWER, IBM Z and
# RISC-V builds: a cross build with Clang against the C++ library and
# binutils of Debian's GCC cross compiler for the target triple in
# ROUNDOFF_BOUNDS_CROSS_TRIPLE (Clang finds the newest it has), run under
# qemu-user (qemu-user.cmake).
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(cross_packages
    clang
    g++-${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
roundoff_require_program(ROUNDOFF_BOUNDS_CLANG clang ${cross_packages})
roundoff_require_program(ROUNDOFF_BOUNDS_CLANGXX clang++ ${cross_packages})
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_CLANG}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_CLANGXX}")
set(CMAKE_C_COMPILER_TARGET ${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
roundoff_require_compiles("${CMAKE_CXX_COMPILER}" --target=${ROUNDOFF_BOUNDS_CROSS_TRIPLE} ${cross_packages})

include("${CMAKE_CURRENT_LIST_DIR}/qemu-user.cmake")
