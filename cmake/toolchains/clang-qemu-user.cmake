# Shared by the Linux toolchain files for other processors: a cross build with
# Clang against Debian's cross libraries for the target triple in
# ROUNDOFF_CROSS_TRIPLE (Debian architecture ROUNDOFF_CROSS_DEBIAN_ARCH), whose
# programs run here under qemu-user's ROUNDOFF_QEMU. Clang rather than
# Debian's GCC cross compilers, whose packages conflict with the 32-bit x86
# multilib that the x87 build needs.
include("${CMAKE_CURRENT_LIST_DIR}/../require.cmake")

set(CMAKE_SYSTEM_NAME Linux)

set(cross_packages
    clang
    libstdc++-12-dev-${ROUNDOFF_CROSS_DEBIAN_ARCH}-cross
    libgcc-12-dev-${ROUNDOFF_CROSS_DEBIAN_ARCH}-cross
    binutils-${ROUNDOFF_CROSS_TRIPLE})
roundoff_require_program(ROUNDOFF_CLANG clang ${cross_packages})
roundoff_require_program(ROUNDOFF_CLANGXX clang++ ${cross_packages})
set(CMAKE_C_COMPILER "${ROUNDOFF_CLANG}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_CLANGXX}")
set(CMAKE_C_COMPILER_TARGET ${ROUNDOFF_CROSS_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${ROUNDOFF_CROSS_TRIPLE})
roundoff_require_compiles("${CMAKE_CXX_COMPILER}" --target=${ROUNDOFF_CROSS_TRIPLE} ${cross_packages})
set(CMAKE_FIND_ROOT_PATH /usr/${ROUNDOFF_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

roundoff_require_program(ROUNDOFF_QEMU_USER ${ROUNDOFF_QEMU} qemu-user)
roundoff_default_emulator("${ROUNDOFF_QEMU_USER}" -L /usr/${ROUNDOFF_CROSS_TRIPLE})
