# The consumer as a CMake project: its configure and build commands, made
# from the settings of the build under test, and the checks that the modes
# make of what it configured, built and generated. Every helper takes what it
# needs as arguments, and gives back what it finds in variables that its
# caller names.

set(build "${WORK_DIR}/build")
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)

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
# as that code, names BROKE (a regular expression), and so does the in-place
# check that orient calls in its own process. Where a compiler breaks the
# header's arithmetic, the textbook orientation may or may not come out
# wrong, as the compiler's choices fall; its count is said in one line.
function(expect_arithmetic_broken dir broke)
    run_step(status out "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -C Release -R "^arithmetic$" -V)
    if(status EQUAL 0 OR NOT out MATCHES "broken: ${broke}")
        fail("the code that takes the header still computed as it assumes (${broke} expected):\n${out}")
    endif()
    run_step(status out "${CMAKE_CTEST_COMMAND}" --test-dir "${dir}" -C Release -R "^orientation$" -V)
    if(NOT out MATCHES "arithmetic: ${broke}\n")
        fail("the in-place check did not name ${broke}:\n${out}")
    endif()
    string(REGEX MATCH "orientation: [0-9]+ of [0-9]+ wrong" orientation "${out}")
    message(STATUS "the same code's in-place check: ${broke}; its ${orientation}")
endfunction()

# build_strict(CC CXX FLAGS ARGS...), for the strict-* modes: the consumer
# from a subdirectory, built by CC and CXX with the strict project's FLAGS (a
# list) in CMAKE_CXX_FLAGS, on the generator's code, and warnings as errors,
# ARGS added; its tests pass. The arithmetic check, the C that the function
# adds to a build with the in-place check it calls, is compiled with FLAGS
# too, by CC as C99, C11 and C17 and by CXX as C++11, 17 and 20, and says
# nothing.
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
        set(includes "-I${build}/roundoff_bounds_header/geom/geom" "-I${SOURCE_DIR}/cmake/include")
        foreach(standard IN ITEMS c99 c11 c17 c++11 c++17 c++20)
            if(standard MATCHES "^c[+][+]")
                set(compile "${cxx}" -x c++ ${flags})
            else()
                set(compile "${cc}" ${c_flags})
            endif()
            must_pass("the check compiled as ${standard}" ${compile} -std=${standard} -Werror ${includes}
                -fsyntax-only "${SOURCE_DIR}/cmake/roundoff_bounds_check.c")
        endforeach()
    endif()
endfunction()
