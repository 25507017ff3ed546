# What the consumer modes (modes/<mode>.cmake) share: the consumer project's
# configure command, made from the driver's arguments, and the checks that
# the modes make of what it configured, built and generated.

set(consumer_dir "${CMAKE_CURRENT_LIST_DIR}")
set(build "${WORK_DIR}/build")
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)

function(fail text) # one argument, taken whole: output may hold semicolons
    message(FATAL_ERROR "FAIL (${MODE}): ${text}")
endfunction()

# Runs a step that may fail; its status and output land in status and out.
macro(run_step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
endmacro()

# Runs a step that must succeed, keeping its output for the message if not.
function(must_pass what)
    run_step(${ARGN})
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

# A strict project's warning flags, which this project's code must pass.
set(strict -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow -Wformat=2
    -Wfloat-equal -Wold-style-cast -Wcast-qual -Wundef -Wdouble-promotion)

# The expected constants, for the consumer's check of every constant, made
# from the one expected header.
include("${consumer_dir}/../expected_constants.cmake")
set(expected_dir "${WORK_DIR}/expected")
roundoff_bounds_expected_constants("${EXPECTED}" "${expected_dir}/expected_constants.h")

# configure_command(VAR BUILD_DIR): the command that configures the consumer
# project in BUILD_DIR with this build's generator and toolchain.
function(configure_command var dir)
    set(command
        "${CMAKE_COMMAND}" -S "${consumer_dir}" -B "${dir}" -G "${GENERATOR}" --no-warn-unused-cli
        -DCMAKE_BUILD_TYPE=Release
        "-DROUNDOFF_BOUNDS_SOURCE_DIR=${SOURCE_DIR}"
        "-DFETCHCONTENT_SOURCE_DIR_ROUNDOFF_BOUNDS=${SOURCE_DIR}"
        "-DROUNDOFF_BOUNDS_EXPECTED_DIR=${expected_dir}"
        -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON)
    if(TOOLCHAIN)
        list(APPEND command "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}")
        if(WINE_PREFIX)
            list(APPEND command "-DROUNDOFF_BOUNDS_WINE_PREFIX=${WINE_PREFIX}")
        endif()
    else()
        list(APPEND command "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
    endif()
    set(${var} "${command}" PARENT_SCOPE)
endfunction()
configure_command(configure "${build}")
set(build_command "${CMAKE_COMMAND}" --build "${build}" --config Release --parallel ${cores})

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

# generated_headers(VAR): every header the consumer's build generated.
function(generated_headers var)
    file(GLOB_RECURSE headers "${build}/roundoff_bounds_header/*")
    set(${var} "${headers}" PARENT_SCOPE)
endfunction()

# configure_and_build(ARGS...): configures the consumer with ARGS added,
# which must succeed without a warning, and builds it, in parallel, which
# must generate exactly one header, the expected one. Leaves its path in
# header.
macro(configure_and_build)
    run_step(${configure} ${ARGN})
    expect_configured("configuration" "CMake Warning")
    run_step(${build_command})
    if(NOT status EQUAL 0)
        fail("the build failed:\n${out}")
    endif()
    generated_headers(header)
    list(LENGTH header count)
    if(NOT count EQUAL 1)
        fail("expected one generated header, found: ${header}")
    endif()
    expect_header("${header}")
endmacro()

# The consumer's own tests, and only those, pass: each constant read back,
# and the orientation of points computed exactly with the header's splitter.
function(expect_consumer_tests_pass)
    execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -N -C Release
        OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
    if(NOT listed MATCHES "Total Tests: 2\n")
        fail("ctest lists more than the consumer's own tests:\n${listed}")
    endif()
    execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -C Release --output-on-failure
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# build_strict(ARGS...), for the strict-* modes: the consumer from a
# subdirectory, built by STRICT_CC and STRICT_CXX with a strict project's
# flags (strict) in CMAKE_CXX_FLAGS and warnings as errors, ARGS added.
macro(build_strict)
    list(FILTER configure EXCLUDE REGEX "^-DCMAKE_(C|CXX)_COMPILER=")
    list(JOIN strict " " strict_flags)
    configure_and_build(-DROUNDOFF_BOUNDS_FROM=subdirectory -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
        "-DCMAKE_C_COMPILER=${STRICT_CC}" "-DCMAKE_CXX_COMPILER=${STRICT_CXX}"
        "-DCMAKE_CXX_FLAGS=${strict_flags}" ${ARGN})
    expect_consumer_tests_pass()
endmacro()

# meson_setup(): sets the consumer up as a Meson project in build, with the
# generator in subprojects/, a strict project's C++ flags on the generator's
# sources and warnings as errors. Natively with this build's compilers; as a
# cross build where CROSSCOMPILING says so, or where the mode gave a machine
# of its own (meson_machine, meson_target_args), through EMULATOR; with the
# C flags in meson_c_args, where the mode gave them.
function(meson_setup)
    need_tool(MESON meson meson)
    set(MESON "${MESON}" PARENT_SCOPE)
    set(project "${WORK_DIR}/project")
    file(COPY "${consumer_dir}/meson.build" "${consumer_dir}/check_constants.c" "${consumer_dir}/orient.c"
        "${expected_dir}/expected_constants.h" DESTINATION "${project}")
    file(MAKE_DIRECTORY "${project}/subprojects")
    file(CREATE_LINK "${SOURCE_DIR}" "${project}/subprojects/roundoff_bounds" SYMBOLIC)

    list(JOIN strict " " cpp_args)
    set(setup "${MESON}" setup "${build}" "${project}" -Dwerror=true "-Dcpp_args=${cpp_args}")
    if(DEFINED meson_c_args)
        list(APPEND setup "-Dc_args=${meson_c_args}")
    endif()
    if(NOT DEFINED meson_machine AND CROSSCOMPILING)
        # Meson's names for the processors of the cross builds that run it.
        set(families "aarch64 aarch64 little" "m68k m68k big" "i686 x86 little")
        list(FILTER families INCLUDE REGEX "^${SYSTEM_PROCESSOR} ")
        if(NOT families)
            fail("no Meson cross file for ${SYSTEM_PROCESSOR}")
        endif()
        separate_arguments(family UNIX_COMMAND "${families}")
        list(GET family 1 cpu_family)
        list(GET family 2 endian)
        set(meson_target_args "")
        if(COMPILER_TARGET)
            set(meson_target_args ", '--target=${COMPILER_TARGET}'")
        endif()
        set(meson_machine "system = 'linux'\ncpu_family = '${cpu_family}'\ncpu = '${SYSTEM_PROCESSOR}'\nendian = '${endian}'\n")
    endif()
    if(DEFINED meson_machine)
        list(JOIN EMULATOR "', '" wrapper)
        file(WRITE "${WORK_DIR}/cross.ini"
            "[binaries]\n"
            "c = ['${C_COMPILER}'${meson_target_args}]\n"
            "cpp = ['${CXX_COMPILER}'${meson_target_args}]\n"
            "ar = '${AR}'\n"
            "strip = '${STRIP}'\n"
            "cmake = '${CMAKE_COMMAND}'\n"
            "exe_wrapper = ['${wrapper}']\n"
            "[host_machine]\n${meson_machine}")
        list(APPEND setup --cross-file "${WORK_DIR}/cross.ini")
    else()
        set(setup "${CMAKE_COMMAND}" -E env "CC=${C_COMPILER}" "CXX=${CXX_COMPILER}" ${setup})
    endif()
    run_step(${setup})
    expect_configured("meson setup" "WARNING")
endfunction()

# x86_64_v3_runner(VAR): empty where this processor runs x86-64-v3 programs
# (it has FMA and AVX2) and ROUNDOFF_BOUNDS_FORCE_QEMU is not set; else the
# emulator that runs them, qemu-x86_64's most capable model.
function(x86_64_v3_runner var)
    file(READ /proc/cpuinfo cpu)
    set(runner "")
    set(where "this processor")
    if(NOT cpu MATCHES " fma " OR NOT cpu MATCHES " avx2 " OR "$ENV{ROUNDOFF_BOUNDS_FORCE_QEMU}")
        need_tool(V3_QEMU qemu-x86_64 qemu-user)
        set(runner "${V3_QEMU}" -cpu max)
        set(where "qemu-x86_64 -cpu max")
    endif()
    message(STATUS "x86-64-v3 programs run on ${where}")
    set(${var} "${runner}" PARENT_SCOPE)
endfunction()

# x86_64_v3(VAR): the configure arguments that build the consumer's C with
# GCC for x86-64-v3, which contracts into fused multiply-adds by default, and
# run its programs (x86_64_v3_runner).
function(x86_64_v3 var)
    need_tool(V3_CC gcc gcc)
    set(args "-DCMAKE_C_COMPILER=${V3_CC}" -DCMAKE_C_FLAGS=-march=x86-64-v3)
    x86_64_v3_runner(runner)
    if(runner)
        list(JOIN runner "]] [[" runner)
        file(WRITE "${WORK_DIR}/qemu-x86-64-v3.cmake"
            "set(CMAKE_CROSSCOMPILING_EMULATOR [[${runner}]] CACHE STRING \"\")\n")
        list(APPEND args "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}" -C "${WORK_DIR}/qemu-x86-64-v3.cmake")
    endif()
    set(${var} "${args}" PARENT_SCOPE)
endfunction()

# The orientation program built without the rounding options is wrong.
function(expect_orientation_wrong)
    execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -C Release -R orientation -V
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(status EQUAL 0 OR NOT out MATCHES "orientation: [1-9][0-9]* of 60000 wrong")
        fail("without the rounding options the orientation was still right:\n${out}")
    endif()
endfunction()
