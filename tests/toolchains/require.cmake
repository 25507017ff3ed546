# Checks for the tools a build configuration needs, so that a missing one
# stops the configuration with the Debian packages that provide it instead of
# an error deep inside compiler detection.

# roundoff_stop(TEXT...): stops the configuration with TEXT alone. CMake reads
# a toolchain file before it looks for the build program and the compilers,
# and once an error has stopped the reading it no longer looks, then adds
# false errors of its own that they are missing. So the build program is
# looked for first, as CMake itself would, and compilers that the toolchain
# file had not named yet are given a name for this run alone (not cached).
# A macro, as is roundoff_require_program, so that the names land in the
# toolchain file's own scope.
macro(roundoff_stop)
    if(NOT CMAKE_MAKE_PROGRAM)
        if(CMAKE_GENERATOR MATCHES "Ninja")
            find_program(CMAKE_MAKE_PROGRAM NAMES ninja-build ninja samu NAMES_PER_DIR)
        elseif(CMAKE_GENERATOR MATCHES "Makefiles")
            find_program(CMAKE_MAKE_PROGRAM NAMES gmake make NAMES_PER_DIR)
        endif()
    endif()
    foreach(roundoff_language IN ITEMS C CXX)
        if(NOT CMAKE_${roundoff_language}_COMPILER)
            set(CMAKE_${roundoff_language}_COMPILER roundoff-configuration-stopped)
        endif()
    endforeach()
    string(CONCAT roundoff_text ${ARGN})
    message(FATAL_ERROR "${roundoff_text}")
endmacro()

# roundoff_require_program(VAR NAMES PACKAGES...): finds the program under the
# first of NAMES (one name, or a list of them) that exists, sets VAR to it.
# Missing, it names the Debian packages to install; where this release has
# no such package at all, the configuration cannot run here.
macro(roundoff_require_program var names)
    find_program(${var} NAMES ${names})
    if(NOT ${var})
        set(roundoff_names ${names})
        list(GET roundoff_names 0 roundoff_name)
        roundoff_unavailable_without(${roundoff_name} ${ARGN})
        set(roundoff_packages ${ARGN})
        list(JOIN roundoff_packages " " roundoff_packages)
        roundoff_stop("${roundoff_name} not found: install the Debian packages: ${roundoff_packages}")
    endif()
endmacro()

# roundoff_unavailable_without(WHAT PACKAGES...): where apt cannot install
# some package of PACKAGES, which WHAT needs (this release of Debian has none,
# or a mirror caught mid-sync left it dependencies apt cannot meet), the
# configuration cannot run on this machine (roundoff_unavailable), and says
# why in apt's words; otherwise nothing.
set(ROUNDOFF_BOUNDS_APT_CANNOT_INSTALL "${CMAKE_CURRENT_LIST_DIR}/apt-cannot-install.sh")
macro(roundoff_unavailable_without roundoff_what)
    find_program(ROUNDOFF_BOUNDS_APT_GET apt-get)
    foreach(roundoff_package IN ITEMS ${ARGN})
        if(ROUNDOFF_BOUNDS_APT_GET)
            execute_process(COMMAND sh "${ROUNDOFF_BOUNDS_APT_CANNOT_INSTALL}" "${roundoff_package}"
                RESULT_VARIABLE roundoff_installable OUTPUT_VARIABLE roundoff_why
                OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT roundoff_installable EQUAL 0)
                roundoff_unavailable("${roundoff_what} comes from ${roundoff_package}, and ${roundoff_why}")
            endif()
        endif()
    endforeach()
endmacro()

# roundoff_require_compiles(COMPILER FLAGS PACKAGES...): links a trivial C++
# program with COMPILER and the given flags (a list).
function(roundoff_require_compiles compiler flags)
    set(dir "${CMAKE_BINARY_DIR}/roundoff-require")
    file(MAKE_DIRECTORY "${dir}")
    file(WRITE "${dir}/probe.cpp" "int main() { return 0; }\n")
    execute_process(
        COMMAND "${compiler}" ${flags} "${dir}/probe.cpp" -o "${dir}/probe"
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " packages)
        list(JOIN flags " " shown)
        roundoff_stop("${compiler} cannot build with ${shown}: install the Debian packages: ${packages}")
    endif()
endfunction()

# roundoff_default_emulator(COMMAND...): runs the build's programs through
# COMMAND, unless whoever configures the build chose an emulator of their own,
# or none at all with -DCMAKE_CROSSCOMPILING_EMULATOR= and an empty value.
macro(roundoff_default_emulator)
    if(NOT DEFINED CACHE{CMAKE_CROSSCOMPILING_EMULATOR})
        set(CMAKE_CROSSCOMPILING_EMULATOR ${ARGN})
    endif()
endmacro()

# roundoff_unavailable(WHY...): stops a configuration that cannot run on
# this machine whatever is installed (its emulator is too old, say), with
# one line that says why. CI takes that line as the configuration's verdict
# here, and goes on.
macro(roundoff_unavailable)
    string(CONCAT roundoff_why ${ARGN})
    message(NOTICE "not on this machine: ${roundoff_why}")
    roundoff_stop("This configuration cannot run on this machine (see above).")
endmacro()

# roundoff_require_runs(WHY COMPILER EMULATOR...): builds a plain C program
# with COMPILER and runs it under EMULATOR; where it does not start, the
# configuration is unavailable for the reason WHY.
macro(roundoff_require_runs roundoff_why roundoff_compiler)
    set(roundoff_dir "${CMAKE_BINARY_DIR}/roundoff-require")
    file(MAKE_DIRECTORY "${roundoff_dir}")
    file(WRITE "${roundoff_dir}/runs.c" "int main(void) { return 0; }\n")
    execute_process(COMMAND "${roundoff_compiler}" "${roundoff_dir}/runs.c" -o "${roundoff_dir}/runs"
        RESULT_VARIABLE roundoff_status OUTPUT_QUIET ERROR_QUIET)
    if(roundoff_status EQUAL 0)
        execute_process(COMMAND ${ARGN} "${roundoff_dir}/runs" TIMEOUT 60
            RESULT_VARIABLE roundoff_status OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(NOT roundoff_status EQUAL 0)
        roundoff_unavailable("${roundoff_why}")
    endif()
endmacro()
