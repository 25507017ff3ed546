# Shared by clang-qemu-user.cmake and gcc-qemu-user.cmake: a Linux target
# whose libraries, headers and packages come from Debian's folder for the
# triple in ROUNDOFF_BOUNDS_CROSS_TRIPLE, and whose programs run here under
# qemu-user's ROUNDOFF_BOUNDS_QEMU, on the CPU model in ROUNDOFF_BOUNDS_QEMU_CPU where
# qemu's default model falls short. Included once the compilers are set, so
# that a missing emulator is the only error.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_FIND_ROOT_PATH /usr/${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

roundoff_require_program(ROUNDOFF_BOUNDS_QEMU_USER ${ROUNDOFF_BOUNDS_QEMU} qemu-user)
set(qemu_cpu "")
if(ROUNDOFF_BOUNDS_QEMU_CPU)
    set(qemu_cpu -cpu ${ROUNDOFF_BOUNDS_QEMU_CPU})
endif()
roundoff_default_emulator("${ROUNDOFF_BOUNDS_QEMU_USER}" ${qemu_cpu} -L /usr/${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
