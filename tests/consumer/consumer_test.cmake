# Configures and builds the project in this folder, a user's own, with the
# generator taken in as MODE says, and checks the header its build gets.
#
#   cmake -DMODE=... -DSOURCE_DIR=... -DBUILD_DIR=... -DCONFIG=... -DWORK_DIR=...
#         -DGENERATOR=... -DTOOLCHAIN=... -DC_COMPILER=... -DCXX_COMPILER=...
#         -DEXPECTED=... -DLINE_ENDING=lf|crlf -P consumer_test.cmake
#
# MODE is subdirectory, fetchcontent or package (the installed package), which
# must generate the expected header and list only the consumer's own test;
# without-emulator, a cross build without an emulator, which must stop with a
# message that says what to do; given-header, the same with
# ROUNDOFF_BOUNDS_HEADER, whose file must be taken, and taken again once it
# changes; or failing-generator, whose generator fails halfway through, which
# must fail the build and leave no header behind.

file(REMOVE_RECURSE "${WORK_DIR}")
set(build "${WORK_DIR}/build")

function(fail)
    list(JOIN ARGN "" text)
    message(FATAL_ERROR "FAIL (${MODE}): ${text}")
endfunction()

set(configure
    "${CMAKE_COMMAND}" -S "${CMAKE_CURRENT_LIST_DIR}" -B "${build}" -G "${GENERATOR}" --no-warn-unused-cli
    -DCMAKE_BUILD_TYPE=Release
    "-DROUNDOFF_BOUNDS_SOURCE_DIR=${SOURCE_DIR}"
    "-DFETCHCONTENT_SOURCE_DIR_ROUNDOFF_BOUNDS=${SOURCE_DIR}"
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON)
if(TOOLCHAIN)
    list(APPEND configure "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}")
else()
    list(APPEND configure "-DCMAKE_C_COMPILER=${C_COMPILER}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()

if(MODE MATCHES "^(subdirectory|fetchcontent)$")
    list(APPEND configure "-DROUNDOFF_BOUNDS_FROM=${MODE}")
elseif(MODE STREQUAL "package")
    set(prefix "${WORK_DIR}/prefix")
    execute_process(
        COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --config "${CONFIG}" --prefix "${prefix}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=package "-DCMAKE_PREFIX_PATH=${prefix}"
        -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
elseif(MODE MATCHES "^(without-emulator|given-header)$")
    list(APPEND configure -DROUNDOFF_BOUNDS_FROM=subdirectory -DCMAKE_CROSSCOMPILING_EMULATOR=)
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
if(NOT status EQUAL 0)
    fail("configuration failed:\n${out}")
endif()
if(out MATCHES "CMake Warning")
    fail("configuration warned:\n${out}")
endif()

set(build_command "${CMAKE_COMMAND}" --build "${build}" --config Release)
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
    # A changed file reaches the next build.
    file(APPEND "${given}" "/* changed */\n")
    execute_process(COMMAND ${build_command} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(READ "${headers}" header)
    if(NOT header MATCHES "/\\* changed \\*/\n$")
        fail("the header did not follow a change to the given file")
    endif()
    return()
endif()

# Byte for byte, in the line endings of the target's text streams.
file(READ "${EXPECTED}" expected)
if(LINE_ENDING STREQUAL "crlf")
    string(REPLACE "\n" "\r\n" expected "${expected}")
endif()
file(WRITE "${WORK_DIR}/expected.h" "${expected}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK_DIR}/expected.h" "${headers}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    fail("the generated header ${headers} differs from ${EXPECTED}")
endif()

execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -N -C Release
    OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
if(NOT listed MATCHES "Total Tests: 1\n")
    fail("ctest lists more than the consumer's own test:\n${listed}")
endif()
execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${build}" -C Release --output-on-failure
    COMMAND_ERROR_IS_FATAL ANY)
