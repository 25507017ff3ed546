# Shared by the toolchain files for processors that Debian's GCC cross
# compilers build for and Clang does not (m68k, Alpha, PA-RISC), or that
# these builds give to GCC (SPARC, MIPS, big-endian POWER): a cross build with
# the g++ of the target triple in ROUNDOFF_BOUNDS_CROSS_TRIPLE (whichever
# version the release in use brings, under Debian's unversioned name), run under
# qemu-user (qemu-user.cmake). These compilers stand beside each other and
# beside the i686 one of the x87 build.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(cross_package g++-${ROUNDOFF_BOUNDS_CROSS_TRIPLE})
roundoff_require_program(ROUNDOFF_BOUNDS_CROSS_GCC ${ROUNDOFF_BOUNDS_CROSS_TRIPLE}-gcc ${cross_package})
roundoff_require_program(ROUNDOFF_BOUNDS_CROSS_GXX ${ROUNDOFF_BOUNDS_CROSS_TRIPLE}-g++ ${cross_package})
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_CROSS_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_CROSS_GXX}")

include("${CMAKE_CURRENT_LIST_DIR}/qemu-user.cmake")
