# Shared by the Windows toolchain files: the build's programs run here under
# Wine, quiet, in a prefix of the build's own, and without offering to install
# Wine's .NET and browser add-ons.
include_guard(GLOBAL)
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")
set(ROUNDOFF_BOUNDS_WINE_TOOLCHAINS "${CMAKE_CURRENT_LIST_DIR}")

# roundoff_wine_emulator(64): 64-bit programs, under Wine's 64-bit loader,
# named directly: Debian's wine command prefers the 32-bit loader once wine32
# is installed, and that loader cannot start where the kernel refuses 32-bit
# programs.
#
# roundoff_wine_emulator(32): 32-bit programs, under Wine's 32-bit loader,
# through run-wine32.sh, which decides at each run whether that loader can
# start here; the toolchain's ROUNDOFF_BOUNDS_WINE32_RUNNER names the script.
#
# ROUNDOFF_BOUNDS_WINE_PREFIX is the prefix; a build that configures others, such as
# the tests' consumer projects, hands its own on, since setting one up takes
# Wine many seconds. The build's tests make it once, before anything runs in
# it (tests/CMakeLists.txt), so that its programs can run side by side.
macro(roundoff_wine_emulator bits)
    set(ROUNDOFF_BOUNDS_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine-prefix" CACHE PATH "The Wine prefix the build's programs run in")
    # Wine 10 also tries its Wayland driver, whose library complains on
    # standard error where no desktop session sets XDG_RUNTIME_DIR; these
    # programs draw nothing, so it stays out.
    set(ROUNDOFF_BOUNDS_WINE_ENVIRONMENT env WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml,winewayland.drv="
        "WINEPREFIX=${ROUNDOFF_BOUNDS_WINE_PREFIX}")
    if("${bits}" STREQUAL 64)
        find_program(ROUNDOFF_BOUNDS_WINE64 NAMES wine64 PATHS /usr/lib/wine)
        if(NOT ROUNDOFF_BOUNDS_WINE64)
            roundoff_unavailable_without(wine64 wine wine64)
            roundoff_stop("wine64 not found: install the Debian packages: wine wine64")
        endif()
        roundoff_default_emulator(${ROUNDOFF_BOUNDS_WINE_ENVIRONMENT} "${ROUNDOFF_BOUNDS_WINE64}")
    else()
        find_program(ROUNDOFF_BOUNDS_WINE32 NAMES wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
        if(NOT ROUNDOFF_BOUNDS_WINE32)
            roundoff_unavailable_without("Wine's 32-bit loader" wine wine32:i386)
            roundoff_stop("Wine's 32-bit loader not found: as root, run "
                "dpkg --add-architecture i386 && apt-get update && apt-get install wine wine32:i386")
        endif()
        set(ROUNDOFF_BOUNDS_WINE32_RUNNER "${ROUNDOFF_BOUNDS_WINE_TOOLCHAINS}/run-wine32.sh")
        roundoff_default_emulator(${ROUNDOFF_BOUNDS_WINE_ENVIRONMENT}
            /bin/sh "${ROUNDOFF_BOUNDS_WINE32_RUNNER}" "${ROUNDOFF_BOUNDS_WINE32}")
    endif()
endmacro()
