# Shared by the Linux toolchain files for processors that Debian's GCC cross
# compilers build for and Clang 14 does not, or not as Debian does: a cross
# build with the g++-12 of the target triple in ROUNDOFF_CROSS_TRIPLE, whose
# programs run here under qemu-user's ROUNDOFF_QEMU, on the CPU model in
# ROUNDOFF_QEMU_CPU where qemu's default model falls short. These compilers
# stand beside each other and beside the i686 one of the x87 build.
include("${CMAKE_CURRENT_LIST_DIR}/../require.cmake")

set(CMAKE_SYSTEM_NAME Linux)

set(cross_package g++-12-${ROUNDOFF_CROSS_TRIPLE})
roundoff_require_program(ROUNDOFF_CROSS_GCC ${ROUNDOFF_CROSS_TRIPLE}-gcc-12 ${cross_package})
roundoff_require_program(ROUNDOFF_CROSS_GXX ${ROUNDOFF_CROSS_TRIPLE}-g++-12 ${cross_package})
set(CMAKE_C_COMPILER "${ROUNDOFF_CROSS_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_CROSS_GXX}")
set(CMAKE_FIND_ROOT_PATH /usr/${ROUNDOFF_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

roundoff_require_program(ROUNDOFF_QEMU_USER ${ROUNDOFF_QEMU} qemu-user)
set(qemu_cpu "")
if(ROUNDOFF_QEMU_CPU)
    set(qemu_cpu -cpu ${ROUNDOFF_QEMU_CPU})
endif()
roundoff_default_emulator("${ROUNDOFF_QEMU_USER}" ${qemu_cpu} -L /usr/${ROUNDOFF_CROSS_TRIPLE})
