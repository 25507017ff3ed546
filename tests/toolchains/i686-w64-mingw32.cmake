# 32-bit Windows, cross-built with MinGW-w64: doubles on the x87 unit, whose
# precision the guard sets through the C runtime's _controlfp. Its programs
# run under 32-bit Wine, which starts only where the kernel runs 32-bit
# programs; elsewhere its tests report that they were not run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ROUNDOFF_BOUNDS_MINGW_TRIPLET i686-w64-mingw32)
set(ROUNDOFF_BOUNDS_MINGW_PACKAGE g++-mingw-w64-i686-posix)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/wine.cmake")
roundoff_wine_emulator(32)
