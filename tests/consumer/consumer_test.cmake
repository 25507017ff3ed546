# Configures and builds the project in this folder, a user's own, with the
# generator taken in as MODE says, and checks the header its build gets.
#
#   cmake -DMODE=... -DSOURCE_DIR=... -DBUILD_DIR=... -DCONFIG=... -DWORK_DIR=...
#         -DGENERATOR=... -DTOOLCHAIN=... -DC_COMPILER=... -DCXX_COMPILER=...
#         -DCROSSCOMPILING=... -DCOMPILER_TARGET=... -DSYSTEM_PROCESSOR=... -DAR=... -DSTRIP=...
#         -DEMULATOR=... -DWINE_PREFIX=...
#         -DEXPECTED=... -DLINE_ENDING=lf|crlf [-DPREFIX=...|-DPACKAGE_DIR=...]
#         -P consumer_test.cmake
#
# MODE is one of
#   subdirectory, fetchcontent, package (the installed package): the build,
#       in parallel, must generate the expected header and list only the
#       consumer's own test; taken in by FetchContent, the project must also
#       answer find_package with its version;
#   strict-gcc, strict-clang, strict-everything, strict-aarch64: the same
#       from a subdirectory, built with a strict project's warning flags and
#       warnings as errors, by GCC, Clang, Clang with every warning, and Clang
#       for 64-bit ARM with a plain toolchain file of the user's own (run
#       under qemu-aarch64);
#   rebuild: the generator rebuilt, writing the same header, must recompile
#       nothing that includes it, and leave Ninja nothing to do afterwards;
#   multi-config-all: Ninja Multi-Config building every configuration at
#       once must give each one the expected header;
#   wrong-processor: the installed package, found by a build for another
#       processor, must be refused with a message that names both;
#   installed-library: the same from a subdirectory, with nothing in the
#       build linking geom, then installed, and a second project that finds
#       geom as installed compiles against its header;
#   without-emulator: a cross build without an emulator, which must stop with
#       a message that says what to do;
#   given-header: a build with ROUNDOFF_BOUNDS_HEADER, whose file must be
#       taken, and taken again once it changes, and stop the build once it is
#       cut short; no object of the generator may be compiled;
#   failing-generator: a generator that fails halfway through, which must fail
#       the build and leave no header behind;
#   calls: calls of roundoff_bounds_add_header that must each stop the
#       configuration with a message naming it, and calls that must not;
#   meson, meson-failing-generator: the same project built by Meson (its
#       meson.build) with a strict project's flags and warnings as errors,
#       natively or, in a cross build (CROSSCOMPILING), as a cross build with
#       the same compilers and emulator; with a generator that fails, the
#       build must fail, and fail again on the next build.

file(REMOVE_RECURSE "${WORK_DIR}")
set(build "${WORK_DIR}/build")

# One argument, taken whole: what a step printed may hold semicolons.
function(fail text)
    message(FATAL_ERROR "FAIL (${MODE}): ${text}")
endfunction()

# Runs a step that must succeed, keeping its output for the message if not.
function(must_pass what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
endfunction()

# After a configuration step, with its status and out in the caller's scope:
# it must have succeeded without printing WARNING (a regular expression).
function(expect_configured what warning)
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
    if(out MATCHES "${warning}")
        fail("${what} warned:\n${out}")
    endif()
endfunction()

# Byte for byte, in the line endings of the target's text streams.
function(expect_header header)
    file(READ "${EXPECTED}" expected)
    if(LINE_ENDING STREQUAL "crlf")
        string(REPLACE "\n" "\r\n" expected "${expected}")
    endif()
    file(WRITE "${WORK_DIR}/expected.h" "${expected}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/expected.h" "${header}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        fail("the header ${header} differs from ${EXPECTED}")
    endif()
endfunction()

# A tool that only some modes need: where it is missing, the mode reports
# itself as not run (a CTest skip), except in CI, which must run everything.
function(not_installed name package)
    if("$ENV{CI}" STREQUAL "true")
        fail("${name} is not installed")
    endif()
    # On a line of its own, unwrapped, for the test's skip expression.
    message(NOTICE "${name} is not installed (Debian package ${package}): nothing checked")
    message(FATAL_ERROR "not run")
endfunction()
function(need_tool var name package)
    find_program(${var} ${name})
    if(NOT ${var})
        not_installed(${name} ${package})
    endif()
endfunction()

# The warning flags of a strict project, which this project's code must pass
# as errors.
set(strict -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wformat=2
    -Wfloat-equal -Wold-style-cast -Wcast-qual -Wundef -Wdouble-promotion)

if(MODE MATCHES "^meson")
    need_tool(MESON meson meson)
    set(project "${WORK_DIR}/project")
    file(COPY "${CMAKE_CURRENT_LIST_DIR}/meson.build" "${CMAKE_CURRENT_LIST_DIR}/check_constants.c"
        DESTINATION "${project}")
    file(MAKE_DIRECTORY "${project}/subprojects")
    file(CREATE_LINK "${SOURCE_DIR}" "${project}/subprojects/roundoff_bounds" SYMBOLIC)

    # A cross file: the build's own compilers and emulator, or, for the
    # failing generator, this machine under another name, so that Meson runs
    # the generator through the stand-in emulator.
    # A strict project: its C++ flags reach the generator's sources, warnings
    # as errors.
    list(JOIN strict " " cpp_args)
    set(setup "${MESON}" setup "${build}" "${project}" -Dwerror=true "-Dcpp_args=${cpp_args}")
    if(CROSSCOMPILING OR MODE STREQUAL "meson-failing-generator")
        if(MODE STREQUAL "meson-failing-generator")
            set(target_args "")
            set(EMULATOR "${CMAKE_CURRENT_LIST_DIR}/fail_halfway.sh")
            string(CONCAT machine "system = 'linux'\ncpu_family = 'x86_64'\ncpu = 'stand-in'\nendian = 'little'\n"
                "[properties]\nneeds_exe_wrapper = true\n")
        elseif(SYSTEM_PROCESSOR STREQUAL "aarch64")
            set(target_args ", '--target=${COMPILER_TARGET}'")
            set(machine "system = 'linux'\ncpu_family = 'aarch64'\ncpu = 'aarch64'\nendian = 'little'\n")
        else()
            fail("no Meson cross file for ${SYSTEM_PROCESSOR}")
        endif()
        list(JOIN EMULATOR "', '" wrapper)
        file(WRITE "${WORK_DIR}/cross.ini"
            "[binaries]\n"
            "c = ['${C_COMPILER}'${target_args}]\n"
            "cpp = ['${CXX_COMPILER}'${target_args}]\n"
            "ar = '${AR}'\n"
            "strip = '${STRIP}'\n"
            "exe_wrapper = ['${wrapper}']\n"
            "[host_machine]\n${machine}")
        list(APPEND setup --cross-file "${WORK_DIR}/cross.ini")
    else()
        set(setup "${CMAKE_COMMAND}" -E env "CC=${C_COMPILER}" "CXX=${CXX_COMPILER}" ${setup})
    endif()
    execute_process(COMMAND ${setup} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    expect_configured("meson setup" "WARNING")

    set(header "${build}/roundoff_bounds.h")
    if(MODE STREQUAL "meson-failing-generator")
        foreach(attempt IN ITEMS first next)
            execute_process(COMMAND "${MESON}" compile -C "${build}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
            if(status EQUAL 0)
                fail("the ${attempt} build succeeded with a failing generator:\n${out}")
            endif()
            if(NOT out MATCHES "Generating roundoff_bounds.h")
                fail("the ${attempt} build did not run the generator:\n${out}")
            endif()
            if(EXISTS "${header}")
                fail("the ${attempt} failed build left a header behind")
            endif()
        endforeach()
        return()
    endif()
    must_pass("meson compile" "${MESON}" compile -C "${build}")
    expect_header("${header}")
    must_pass("meson test" "${MESON}" test -C "${build}")
    return()
endif()

set(configure
    "${CMAKE_COMMAND}" -S "${CMAKE_CURRENT_LIST_DIR}" -B "${build}" -G "${GENERATOR}" --no-warn-unused-cli
    -DCMAKE_BUILD_TYPE=Release
    "-DROUNDOFF_BOUNDS_SOURCE_DIR=${SOURCE_DIR}"
    "-DFETCHCONTENT_SOURCE_DIR_ROUNDOFF_BOUNDS=${SOURCE_DIR}"
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON)
if(TOOLCHAIN)
    list(APPEND configure "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}")
    if(WINE_PREFIX)
        list(APPEND configure "-DROUNDOFF_WINE_PREFIX=${WINE_PREFIX}")
    endif()
elseif(NOT MODE MATCHES "^strict-")
    list(APPEND configure "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()
# Where packages are looked for: a prefix of this test's own, into which
# install_this_build installs, or the tree of a package made by CPack
# (PREFIX), and nowhere else.
set(prefix "${WORK_DIR}/prefix")
if(PREFIX AND NOT PREFIX STREQUAL "system")
    set(prefix "${PREFIX}")
endif()
set(only_this_prefix "-DCMAKE_PREFIX_PATH=${prefix}"
    -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
function(install_this_build)
    execute_process(
        COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --config "${CONFIG}" --prefix "${prefix}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endfunction()

if(MODE STREQUAL "subdirectory")
    list(APPEND configure "-DROUNDOFF_BOUNDS_FROM=${MODE}")
elseif(MODE STREQUAL "fetchcontent")
    # No installed package to be found, so the source under test is taken
    # (and then answers find_package: CMakeLists.txt checks the answers).
    list(APPEND configure "-DROUNDOFF_BOUNDS_FROM=${MODE}" ${only_this_prefix})
elseif(MODE MATCHES "^strict-")
    # The strict project's flags in CMAKE_CXX_FLAGS, where such a project
    # keeps them, with warnings as errors.
    if(MODE STREQUAL "strict-gcc")
        need_tool(STRICT_CXX g++ g++)
        need_tool(STRICT_CC gcc gcc)
    else()
        need_tool(STRICT_CXX clang++ clang)
        need_tool(STRICT_CC clang clang)
        if(MODE STREQUAL "strict-everything")
            set(strict -Weverything -Wno-c++98-compat -Wno-c++98-compat-pedantic -Wno-padded)
        elseif(MODE STREQUAL "strict-aarch64")
            need_tool(STRICT_QEMU qemu-aarch64 qemu-user)
            need_tool(STRICT_CROSS_LD aarch64-linux-gnu-ld binutils-aarch64-linux-gnu)
            if(NOT EXISTS /usr/lib/gcc-cross/aarch64-linux-gnu/12/libstdc++.so)
                not_installed("the C++ library for 64-bit ARM" libstdc++-12-dev-arm64-cross)
            endif()
            list(APPEND configure "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_LIST_DIR}/aarch64-plain.cmake")
        endif()
    endif()
    list(JOIN strict " " strict)
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
        "-DCMAKE_C_COMPILER=${STRICT_CC}" "-DCMAKE_CXX_COMPILER=${STRICT_CXX}" "-DCMAKE_CXX_FLAGS=${strict}")
elseif(MODE STREQUAL "rebuild")
    # A copy of the source, so that touching it changes nothing of the tree
    # under test.
    set(copy "${WORK_DIR}/source")
    file(MAKE_DIRECTORY "${copy}")
    file(COPY "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/cmake" "${SOURCE_DIR}/generator"
        "${SOURCE_DIR}/roundoff" DESTINATION "${copy}")
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory "-DROUNDOFF_BOUNDS_SOURCE_DIR=${copy}")
elseif(MODE STREQUAL "multi-config-all")
    list(FILTER configure EXCLUDE REGEX "^(-G|${GENERATOR}|-DCMAKE_BUILD_TYPE=.*)$")
    list(APPEND configure -G "Ninja Multi-Config" -DROUNDOFF_BOUNDS_FROM=subdirectory
        -DCMAKE_CROSS_CONFIGS=all -DCMAKE_DEFAULT_CONFIGS=all)
elseif(MODE STREQUAL "wrong-processor")
    # This machine's package, found by a build for another processor; the
    # compilers need not build for it, as nothing is built.
    install_this_build()
    if(SYSTEM_PROCESSOR STREQUAL "aarch64")
        set(other x86_64)
    else()
        set(other aarch64)
    endif()
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=package ${only_this_prefix}
        "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}" "-DCMAKE_SYSTEM_PROCESSOR=${other}")
elseif(MODE STREQUAL "calls")
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory)
elseif(MODE STREQUAL "installed-library")
    # Nothing in the build links geom, as in a library's own project.
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory
        "-DEXTRA_CALLS=set_target_properties(uses_header PROPERTIES EXCLUDE_FROM_ALL ON)")
elseif(MODE STREQUAL "package")
    # This build installed in a prefix of its own; or, for a package made by
    # CPack, the package's tree (PREFIX), the package's CMake folder
    # (PACKAGE_DIR), or wherever the system has it (PREFIX=system).
    if(PACKAGE_DIR)
        list(APPEND configure "-Droundoff_bounds_DIR=${PACKAGE_DIR}")
    elseif(NOT PREFIX STREQUAL "system")
        if(NOT PREFIX)
            install_this_build()
        endif()
        list(APPEND configure ${only_this_prefix})
    endif()
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=package)
elseif(MODE MATCHES "^(without-emulator|given-header)$")
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory)
    if(CROSSCOMPILING)
        list(APPEND configure -DCMAKE_CROSSCOMPILING_EMULATOR=)
    endif()
    if(MODE STREQUAL "given-header")
        set(given "${WORK_DIR}/given.h")
        configure_file("${EXPECTED}" "${given}" COPYONLY)
        list(APPEND configure "-DROUNDOFF_BOUNDS_HEADER=${given}")
    endif()
elseif(MODE STREQUAL "failing-generator")
    # A cross build for this very system, so that the stand-in runs as its
    # emulator.
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory
        "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}"
        "-DCMAKE_CROSSCOMPILING_EMULATOR=${CMAKE_CURRENT_LIST_DIR}/fail_halfway.sh")
else()
    fail("unknown mode")
endif()

execute_process(COMMAND ${configure} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(MODE STREQUAL "without-emulator")
    if(status EQUAL 0)
        fail("a cross build without an emulator configured")
    endif()
    if(NOT out MATCHES "-DROUNDOFF_BOUNDS_HEADER=<file>" OR NOT out MATCHES "CMAKE_CROSSCOMPILING_EMULATOR")
        fail("the message does not say what to do:\n${out}")
    endif()
    return()
endif()
if(MODE STREQUAL "wrong-processor")
    if(status EQUAL 0)
        fail("a build for ${other} took the package built for ${SYSTEM_PROCESSOR}")
    endif()
    if(NOT out MATCHES "built for ${SYSTEM_PROCESSOR}, but this build is for ${other}")
        fail("the message does not name both processors:\n${out}")
    endif()
    return()
endif()
expect_configured("configuration" "CMake Warning")

if(MODE STREQUAL "calls")
    # Each wrong call stops with the function's own message, and no error of
    # a CMake command it called. An ALIAS stands for its target, and a second
    # call for the same target and file name changes nothing.
    set(wrong_calls
        "roundoff_bounds_add_header(no_such_target)"
        "add_library(found_elsewhere INTERFACE IMPORTED)\nroundoff_bounds_add_header(found_elsewhere)"
        "add_custom_target(utility)\nroundoff_bounds_add_header(utility)"
        "roundoff_bounds_add_header(geom FILENAME /tmp/roundoff_bounds.h)"
        "roundoff_bounds_add_header(geom FILENAME include/../../roundoff_bounds.h)"
        "roundoff_bounds_add_header(geom FILENAME \"\")"
        "roundoff_bounds_add_header(geom FILENAME geom/)"
        "roundoff_bounds_add_header(geom HEADER_VARIABLE)")
    foreach(call IN LISTS wrong_calls)
        execute_process(COMMAND ${configure} "-DEXTRA_CALLS=${call}"
            RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
        string(REGEX MATCHALL "CMake Error at [^\n]*" errors "${out}")
        if(status EQUAL 0 OR NOT errors MATCHES "\\(message\\)"
           OR NOT out MATCHES "roundoff_bounds_add_header\\([^)]*\\): ")
            fail("'${call}' did not stop with the function's message:\n${out}")
        endif()
        list(FILTER errors EXCLUDE REGEX "\\(message\\):$")
        if(errors)
            fail("'${call}' met an error inside CMake:\n${out}")
        endif()
    endforeach()
    must_pass("a repeated call" ${configure} "-DEXTRA_CALLS=roundoff_bounds_add_header(geom::geom FILENAME ./geom//roundoff_bounds.h HEADER_VARIABLE again)\nif(NOT again STREQUAL header)\nmessage(FATAL_ERROR \"\${again} is not \${header}\")\nendif()")
    return()
endif()

set(build_command "${CMAKE_COMMAND}" --build "${build}" --config Release --parallel 8)
if(MODE STREQUAL "multi-config-all")
    set(build_command "${CMAKE_COMMAND}" --build "${build}" --parallel 8)
endif()
execute_process(COMMAND ${build_command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB_RECURSE headers "${build}/roundoff_bounds_header/*")
if(MODE STREQUAL "failing-generator")
    if(status EQUAL 0)
        fail("the build succeeded with a failing generator")
    endif()
    if(headers)
        fail("a failed generator left files behind: ${headers}")
    endif()
    return()
endif()
if(NOT status EQUAL 0)
    fail("the build failed:\n${out}")
endif()

if(MODE STREQUAL "multi-config-all")
    list(LENGTH headers count)
    if(NOT count EQUAL 3)
        fail("expected a header for each of Debug, Release and RelWithDebInfo, found: ${headers}")
    endif()
    foreach(header IN LISTS headers)
        expect_header("${header}")
    endforeach()
    return()
endif()

list(LENGTH headers count)
if(NOT count EQUAL 1)
    fail("expected one generated header, found: ${headers}")
endif()

if(MODE STREQUAL "given-header")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${given}" "${headers}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        fail("the header is not the given file")
    endif()
    # Nothing runs the generator, so nothing of it is compiled.
    file(GLOB_RECURSE objects "${build}/roundoff_bounds/*.o" "${build}/roundoff_bounds/*.obj")
    if(objects)
        fail("a build given its header compiled the generator: ${objects}")
    endif()
    # A changed file reaches the next build.
    file(APPEND "${given}" "/* changed */\n")
    must_pass("the build after a change" ${build_command})
    file(READ "${headers}" header)
    if(NOT header MATCHES "/\\* changed \\*/\n$")
        fail("the header did not follow a change to the given file")
    endif()
    # One cut short stops the build, says what is wrong, and leaves no header.
    file(READ "${given}" text)
    string(FIND "${text}" "static double o3derrboundC" cut)
    string(SUBSTRING "${text}" 0 ${cut} text)
    file(WRITE "${given}" "${text}")
    execute_process(COMMAND ${build_command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(status EQUAL 0)
        fail("the build took a given header that was cut short")
    endif()
    string(REGEX REPLACE "[ \n]+" " " said "${out}")
    string(FIND "${said}" "${given}, which is not a complete header" names_file)
    string(FIND "${said}" "it lacks the definitions of o3derrboundC, iccerrboundA," names_lack)
    if(names_file EQUAL -1 OR names_lack EQUAL -1)
        fail("the message does not name the file and what it lacks:\n${out}")
    endif()
    if(EXISTS "${headers}")
        fail("a header cut short was left for the next build")
    endif()
    return()
endif()

expect_header("${headers}")

if(MODE STREQUAL "rebuild")
    # The generator is rebuilt and runs again; its header keeps its bytes, so
    # nothing that includes it is compiled again.
    file(TOUCH "${copy}/generator/main.cpp")
    execute_process(COMMAND ${build_command} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0 OR NOT out MATCHES "Measuring the arithmetic")
        fail("the generator did not run again after a change:\n${out}")
    endif()
    if(out MATCHES "Building C object")
        fail("a header with the same bytes recompiled the files that include it:\n${out}")
    endif()
    expect_header("${headers}")
    if(GENERATOR MATCHES "Ninja")
        execute_process(COMMAND ${build_command} OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT out MATCHES "ninja: no work to do")
            fail("Ninja had work left after the header was regenerated:\n${out}")
        endif()
    endif()
    return()
endif()

if(MODE STREQUAL "installed-library")
    # geom installed, header and all; a second project compiles against it.
    must_pass("installing geom" "${CMAKE_COMMAND}" --install "${build}" --config Release --prefix "${prefix}")
    expect_header("${prefix}/include/geom/roundoff_bounds.h")
    set(second "${WORK_DIR}/second")
    list(TRANSFORM configure REPLACE "^${build}$" "${second}")
    list(FILTER configure EXCLUDE REGEX "^-D(ROUNDOFF_BOUNDS_FROM|EXTRA_CALLS)=")
    must_pass("configuring the second project" ${configure} -DROUNDOFF_BOUNDS_FROM=geom-package ${only_this_prefix})
    must_pass("building the second project" "${CMAKE_COMMAND}" --build "${second}" --config Release)
    must_pass("testing the second project" "${CMAKE_CTEST_COMMAND}" --test-dir "${second}" -C Release)
    return()
endif()

execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -N -C Release
    OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
if(NOT listed MATCHES "Total Tests: 1\n")
    fail("ctest lists more than the consumer's own test:\n${listed}")
endif()
execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -C Release --output-on-failure
    COMMAND_ERROR_IS_FATAL ANY)
