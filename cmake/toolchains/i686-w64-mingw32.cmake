# 32-bit Windows, cross-built with MinGW-w64: the build whose precision guard
# sets the x87 precision through _controlfp. Built, not run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ROUNDOFF_MINGW_TRIPLET i686-w64-mingw32)
set(ROUNDOFF_MINGW_PACKAGE g++-mingw-w64-i686-posix)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
