# Shared by the MinGW-w64 toolchain files: a cross build for Windows with the
# compilers of the target triplet in ROUNDOFF_BOUNDS_MINGW_TRIPLET, which come from
# the Debian package ROUNDOFF_BOUNDS_MINGW_PACKAGE. The compilers of the posix thread
# model are used: GoogleTest needs std::mutex, which the win32 model lacks.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(CMAKE_SYSTEM_NAME Windows)

roundoff_require_program(ROUNDOFF_BOUNDS_MINGW_GCC ${ROUNDOFF_BOUNDS_MINGW_TRIPLET}-gcc-posix ${ROUNDOFF_BOUNDS_MINGW_PACKAGE})
roundoff_require_program(ROUNDOFF_BOUNDS_MINGW_GXX ${ROUNDOFF_BOUNDS_MINGW_TRIPLET}-g++-posix ${ROUNDOFF_BOUNDS_MINGW_PACKAGE})
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_MINGW_GCC}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_MINGW_GXX}")
set(CMAKE_RC_COMPILER ${ROUNDOFF_BOUNDS_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ROUNDOFF_BOUNDS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no MinGW runtime DLLs to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
