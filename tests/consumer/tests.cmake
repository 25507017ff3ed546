# Projects of a user's own that take the generator in and generate the header
# in their builds (consumer/CMakeLists.txt), configured with this build's
# generator and toolchain, under the toolchain's emulator in a cross build.
# Their driver reads this build's settings from one file per configuration.
function(roundoff_setting name)
    set(value "")
    foreach(item IN LISTS ARGN)
        string(APPEND value " [==[${item}]==]")
    endforeach()
    set(settings "${settings}set(${name}${value})\n" PARENT_SCOPE)
endfunction()
set(settings "# This build's settings, for the consumer tests' driver (consumer/consumer_test.cmake).\n")
roundoff_setting(SOURCE_DIR "${PROJECT_SOURCE_DIR}")
roundoff_setting(BUILD_DIR "${PROJECT_BINARY_DIR}")
roundoff_setting(CONFIG "$<CONFIG>")
roundoff_setting(GENERATOR "${CMAKE_GENERATOR}")
roundoff_setting(TOOLCHAIN "${CMAKE_TOOLCHAIN_FILE}")
roundoff_setting(C_COMPILER "${CMAKE_C_COMPILER}")
roundoff_setting(CXX_COMPILER "${CMAKE_CXX_COMPILER}")
roundoff_setting(CROSSCOMPILING "${CMAKE_CROSSCOMPILING}")
roundoff_setting(COMPILER_TARGET "${CMAKE_C_COMPILER_TARGET}")
roundoff_setting(SYSTEM_PROCESSOR "${CMAKE_SYSTEM_PROCESSOR}")
roundoff_setting(AR "${CMAKE_AR}")
roundoff_setting(STRIP "${CMAKE_STRIP}")
roundoff_setting(WINE_PREFIX "${ROUNDOFF_BOUNDS_WINE_PREFIX}")
roundoff_setting(EXPECTED "${CMAKE_CURRENT_SOURCE_DIR}/expected_header.txt")
roundoff_setting(LINE_ENDING "${line_ending}")
roundoff_setting(EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})
set(consumer_settings "${CMAKE_CURRENT_BINARY_DIR}/consumer-settings-$<CONFIG>.cmake")
file(GENERATE OUTPUT "${consumer_settings}" CONTENT "${settings}")

# What each configuration runs (CONTRIBUTING.md has the table): everywhere,
# what depends on the arithmetic, the header measured and the consumer's
# orientation under the emulator (subdirectory); the plumbing, which does
# not, where ROUNDOFF_BOUNDS_PLUMBING_TESTS is on, once per toolchain
# family.
set(consumer_modes subdirectory)
if(ROUNDOFF_BOUNDS_PLUMBING_TESTS)
    list(APPEND consumer_modes fetchcontent given-header)
    if(CMAKE_CROSSCOMPILING)
        # Without an emulator the header cannot be generated.
        list(APPEND consumer_modes without-emulator)
    else()
        # The installed package, found by a build for this processor and by
        # one for another, a library installed with its header, a generator
        # that fails halfway through, and Meson. A cross build would need
        # the packages installed for the target.
        list(APPEND consumer_modes package wrong-processor installed-library failing-generator
            meson meson-failing-generator)
        # A strict project's compilers and flags (and one with a warning
        # option its compiler does not know), a rebuilt generator, every
        # configuration in one build, and code built by compilers that fuse
        # multiply-adds or reassociate (GCC for x86-64-v3 and for 64-bit ARM,
        # Intel's icx), under flags, late options and launchers that ask for
        # it: each brings compilers or a generator of its own, so only where
        # this build brings none.
        if(NOT CMAKE_TOOLCHAIN_FILE)
            list(APPEND consumer_modes strict-gcc strict-everything strict-aarch64 unknown-warning-flag
                rebuild multi-config-all x86-64-v3 fast-flags gcc-aarch64 meson-x86-64-v3 intel-llvm
                late-options other-folder launcher environment)
        endif()
    endif()
endif()
# Meson's cross build, with this build's compilers and emulator, for 64-bit
# ARM and for the units with excess precision (x87, m68k), whose options the
# recipe gives; and there, a launcher that takes those options back is
# stopped by the check.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|i686|m68k)$")
    list(APPEND consumer_modes meson)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i686|m68k)$")
    list(APPEND consumer_modes launcher)
endif()
# Programs that change their own floating-point environment as they start,
# which the in-place check names: natively (above), on the x87 and m68k
# units, on 64-bit ARM and in the MSVC dialect.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i686|m68k|aarch64)$" OR CMAKE_C_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
    list(APPEND consumer_modes environment)
endif()
# The MSVC dialect refuses /fp:fast for the code that takes the header, and
# compiles the checks under /W4 /WX; an Emscripten user configures with
# emcmake.
if(CMAKE_C_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
    list(APPEND consumer_modes msvc-fast msvc-strict)
elseif(EMSCRIPTEN)
    list(APPEND consumer_modes emcmake)
endif()
list(REMOVE_DUPLICATES consumer_modes)
set(skipped "is not installed \\([^\n]*\\): nothing checked")
function(roundoff_consumer_test name mode)
    add_test(NAME consumer_${name}
        COMMAND "${CMAKE_COMMAND}" "-DSETTINGS=${consumer_settings}" "-DMODE=${mode}"
                "-DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/consumer_${name}" ${ARGN}
                -P "${CMAKE_CURRENT_SOURCE_DIR}/consumer/consumer_test.cmake")
    set_tests_properties(consumer_${name} PROPERTIES SKIP_REGULAR_EXPRESSION "${skipped}")
endfunction()
foreach(mode IN LISTS consumer_modes)
    roundoff_consumer_test(${mode} ${mode})
endforeach()
# Each call of the function, right or wrong, a test of its own.
if(ROUNDOFF_BOUNDS_PLUMBING_TESTS AND NOT CMAKE_CROSSCOMPILING)
    include(consumer/wrong_calls.cmake)
    foreach(call IN LISTS roundoff_bounds_calls)
        string(REGEX REPLACE "[|].*" "" call "${call}")
        roundoff_consumer_test(calls_${call} calls "-DCASE=${call}")
    endforeach()
endif()
