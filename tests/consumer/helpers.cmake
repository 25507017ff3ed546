# What the consumer modes (modes/<mode>.cmake) share: the consumer project's
# configure command, made from the settings of the build under test, and the
# checks that the modes make of what it configured, built and generated.
# Every helper takes what it needs as arguments, and gives back what it
# finds in variables that its caller names.

set(consumer_dir "${CMAKE_CURRENT_LIST_DIR}")
set(build "${WORK_DIR}/build")
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)

function(fail text) # one argument, taken whole: output may hold semicolons
    message(FATAL_ERROR "FAIL (${MODE}): ${text}")
endfunction()

# run_step(STATUS OUTPUT COMMAND...): runs a step that may fail, and gives
# its exit status and its output, both streams, in STATUS and OUTPUT.
function(run_step status_var output_var)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(${status_var} "${status}" PARENT_SCOPE)
    set(${output_var} "${out}" PARENT_SCOPE)
endfunction()

# must_pass(WHAT COMMAND...): runs a step that must succeed, and fails with
# its output if not.
function(must_pass what)
    run_step(status out ${ARGN})
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
endfunction()

# expect_configured(WHAT STATUS OUTPUT WARNING): a configuration step that
# ended with STATUS and printed OUTPUT succeeded, and printed nothing that
# matches the regular expression WARNING.
function(expect_configured what status out warning)
    if(NOT status EQUAL 0)
        fail("${what} failed:\n${out}")
    endif()
    if(out MATCHES "${warning}")
        fail("${what} warned:\n${out}")
    endif()
endfunction()

# expect_stopped(WHAT STATUS OUTPUT SAYS): a step that ended with STATUS and
# printed OUTPUT stopped with one CMake error, whose text (its lines joined)
# matches the regular expression SAYS.
function(expect_stopped what status out says)
    string(REGEX MATCHALL "CMake Error" errors "${out}")
    string(REGEX REPLACE "[ \n]+" " " said "${out}")
    list(LENGTH errors count)
    if(status EQUAL 0 OR NOT count EQUAL 1 OR NOT said MATCHES "${says}")
        fail("${what} did not stop with one message that says so:\n${out}")
    endif()
endfunction()

# expect_header(HEADER): HEADER is the expected header byte for byte, in the
# line endings of the target's text streams.
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

# build_command(VAR BUILD_DIR): the command that builds it, in parallel.
function(build_command var dir)
    set(${var} "${CMAKE_COMMAND}" --build "${dir}" --config Release --parallel ${cores} PARENT_SCOPE)
endfunction()
build_command(build_it "${build}")

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

# generated_headers(VAR BUILD_DIR): every header that build generated.
function(generated_headers var dir)
    file(GLOB_RECURSE headers "${dir}/roundoff_bounds_header/*")
    set(${var} "${headers}" PARENT_SCOPE)
endfunction()

# configure_and_build(HEADER BUILD_DIR CONFIGURE_COMMAND...): configures the
# consumer, which must succeed without a warning, and builds it in
# BUILD_DIR, in parallel, which must generate exactly one header, the
# expected one; gives its path in HEADER.
function(configure_and_build header_var dir)
    run_step(status out ${ARGN})
    expect_configured("configuration" "${status}" "${out}" "CMake Warning")
    build_command(build_it "${dir}")
    run_step(status out ${build_it})
    if(NOT status EQUAL 0)
        fail("the build failed:\n${out}")
    endif()
    generated_headers(header "${dir}")
    list(LENGTH header count)
    if(NOT count EQUAL 1)
        fail("expected one generated header, found: ${header}")
    endif()
    expect_header("${header}")
    set(${header_var} "${header}" PARENT_SCOPE)
endfunction()

# expect_consumer_tests_pass(BUILD_DIR): the consumer's own tests, and only
# those, pass: each constant read back, and the orientation of points
# computed exactly with the header's splitter.
function(expect_consumer_tests_pass dir)
    execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -N -C Release
        OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
    if(NOT listed MATCHES "Total Tests: 2\n")
        fail("ctest lists more than the consumer's own tests:\n${listed}")
    endif()
    execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -C Release --output-on-failure
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# expect_arithmetic_broken(BUILD_DIR BROKE): that build, configured with
# -DARITHMETIC_TEST=ON and without the function's check, made code that does
# not compute as the header assumes: its arithmetic test, the check compiled
# as that code, names BROKE (a regular expression). Where a compiler breaks
# the header's arithmetic, the textbook orientation may or may not come out
# wrong, as the compiler's choices fall; its count is said in one line.
function(expect_arithmetic_broken dir broke)
    run_step(status out "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -C Release -R "^arithmetic$" -V)
    if(status EQUAL 0 OR NOT out MATCHES "broken: ${broke}")
        fail("the code that takes the header still computed as it assumes (${broke} expected):\n${out}")
    endif()
    run_step(status out "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -C Release -R "^orientation$" -V)
    string(REGEX MATCH "orientation: [0-9]+ of [0-9]+ wrong" orientation "${out}")
    message(STATUS "the same code's ${orientation}")
endfunction()

# build_strict(CC CXX FLAGS ARGS...), for the strict-* modes: the consumer
# from a subdirectory, built by CC and CXX with the strict project's FLAGS (a
# list) in CMAKE_CXX_FLAGS, on the generator's code, and warnings as errors,
# ARGS added; its tests pass. The arithmetic check, the one piece of C that
# the function adds to a build, is compiled with FLAGS too, as C and as C++
# with CC and CXX, and says nothing.
function(build_strict cc cxx flags)
    set(command ${configure})
    list(FILTER command EXCLUDE REGEX "^-DCMAKE_(C|CXX)_COMPILER=")
    list(JOIN flags " " flags)
    configure_and_build(header "${build}" ${command} -DROUNDOFF_BOUNDS_FROM=subdirectory
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "-DCMAKE_C_COMPILER=${cc}" "-DCMAKE_CXX_COMPILER=${cxx}"
        "-DCMAKE_CXX_FLAGS=${flags}" ${ARGN})
    expect_consumer_tests_pass("${build}")
    if(NOT ARGN)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        set(c_flags ${flags})
        list(REMOVE_ITEM c_flags -Wold-style-cast -Wno-c++98-compat -Wno-c++98-compat-pedantic)
        set(header_dir "${build}/roundoff_bounds_header/geom/geom")
        must_pass("the check compiled as C" "${cc}" -std=c99 ${c_flags} -Werror "-I${header_dir}"
            -fsyntax-only "${SOURCE_DIR}/cmake/roundoff_bounds_check.c")
        must_pass("the check compiled as C++" "${cxx}" -x c++ -std=c++17 ${flags} -Werror "-I${header_dir}"
            -fsyntax-only "${SOURCE_DIR}/cmake/roundoff_bounds_check.c")
    endif()
endfunction()

# meson_setup(MESON [C_ARGS args] [MACHINE text] [WRAPPER command...]): sets
# the consumer up as a Meson project in build, with the generator in
# subprojects/, a strict project's C++ flags on the generator's sources and
# warnings as errors, and gives the meson program in MESON. Natively with
# this build's compilers, or as a cross build for the host machine MACHINE
# (a cross file's [host_machine] and [properties] text) whose programs run
# under WRAPPER; a cross build under test is one for its own processor,
# under its emulator. C_ARGS are the C flags.
function(meson_setup meson_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "MACHINE" "C_ARGS;WRAPPER")
    need_tool(MESON meson meson)
    set(${meson_var} "${MESON}" PARENT_SCOPE)
    set(project "${WORK_DIR}/project")
    file(COPY "${consumer_dir}/meson.build" "${consumer_dir}/check_constants.c" "${consumer_dir}/orient.c"
        "${expected_dir}/expected_constants.h" DESTINATION "${project}")
    file(MAKE_DIRECTORY "${project}/subprojects")
    file(CREATE_LINK "${SOURCE_DIR}" "${project}/subprojects/roundoff_bounds" SYMBOLIC)

    list(JOIN strict " " cpp_args)
    set(setup "${MESON}" setup "${build}" "${project}" -Dwerror=true "-Dcpp_args=${cpp_args}")
    if(arg_C_ARGS)
        list(APPEND setup "-Dc_args=${arg_C_ARGS}")
    endif()
    set(target_args "")
    if(NOT DEFINED arg_MACHINE AND CROSSCOMPILING)
        # Meson's names for the processors of the cross builds that run it.
        set(families "aarch64 aarch64 little" "m68k m68k big" "i686 x86 little")
        list(FILTER families INCLUDE REGEX "^${SYSTEM_PROCESSOR} ")
        if(NOT families)
            fail("no Meson cross file for ${SYSTEM_PROCESSOR}")
        endif()
        separate_arguments(family UNIX_COMMAND "${families}")
        list(GET family 1 cpu_family)
        list(GET family 2 endian)
        if(COMPILER_TARGET)
            set(target_args ", '--target=${COMPILER_TARGET}'")
        endif()
        set(arg_MACHINE "system = 'linux'\ncpu_family = '${cpu_family}'\ncpu = '${SYSTEM_PROCESSOR}'\nendian = '${endian}'\n")
        set(arg_WRAPPER ${EMULATOR})
    endif()
    if(DEFINED arg_MACHINE)
        # Meson 1.12 finds CMake, for its cmake module, in the cross file.
        list(JOIN arg_WRAPPER "', '" wrapper)
        file(WRITE "${WORK_DIR}/cross.ini"
            "[binaries]\n"
            "c = ['${C_COMPILER}'${target_args}]\n"
            "cpp = ['${CXX_COMPILER}'${target_args}]\n"
            "ar = '${AR}'\n"
            "strip = '${STRIP}'\n"
            "cmake = '${CMAKE_COMMAND}'\n"
            "exe_wrapper = ['${wrapper}']\n"
            "[host_machine]\n${arg_MACHINE}")
        list(APPEND setup --cross-file "${WORK_DIR}/cross.ini")
    else()
        set(setup "${CMAKE_COMMAND}" -E env "CC=${C_COMPILER}" "CXX=${CXX_COMPILER}" ${setup})
    endif()
    run_step(status out ${setup})
    expect_configured("meson setup" "${status}" "${out}" "WARNING")
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

# expect_meson_build(MESON): the Meson build set up in build generates the
# expected header, runs the arithmetic check, which passes, before the
# consumer's code compiles, and the consumer's tests pass.
function(expect_meson_build meson)
    must_pass("meson compile" "${meson}" compile -C "${build}")
    expect_header("${build}/roundoff_bounds.h")
    file(READ "${build}/roundoff_bounds_checked" checked)
    if(NOT checked MATCHES "^ok: ")
        fail("the arithmetic check did not pass: ${checked}")
    endif()
    must_pass("meson test" "${meson}" test -C "${build}")
endfunction()
