# Windows on x64, cross-built with MinGW-w64 and run under Wine. Its C runtime
# must never be handed the precision-control mask, and its text streams end
# lines with a carriage return and a line feed.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ROUNDOFF_BOUNDS_MINGW_TRIPLET x86_64-w64-mingw32)
set(ROUNDOFF_BOUNDS_MINGW_PACKAGE g++-mingw-w64-x86-64-posix)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/wine.cmake")
roundoff_wine_emulator(64)
