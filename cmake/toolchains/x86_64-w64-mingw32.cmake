# Windows on x64, cross-built with MinGW-w64 and run under Wine. Its C runtime
# must never be handed the precision-control mask, and its text streams end
# lines with a carriage return and a line feed.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ROUNDOFF_MINGW_TRIPLET x86_64-w64-mingw32)
set(ROUNDOFF_MINGW_PACKAGE g++-mingw-w64-x86-64-posix)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")

# Wine, quiet, with a prefix of this build's own and without offering to
# install its .NET and browser add-ons.
roundoff_require_program(ROUNDOFF_WINE wine wine wine64)
roundoff_default_emulator(
    env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=" "WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix"
    "${ROUNDOFF_WINE}")
