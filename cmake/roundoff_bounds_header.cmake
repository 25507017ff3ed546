# roundoff_bounds_add_header(<target> [FILENAME <name>])
#
# Generates the header (roundoff_bounds.h unless FILENAME says otherwise)
# during the build, in a folder of the build tree that becomes one of
# <target>'s private include directories, and makes <target> wait for it.
# The header is generated again whenever the generator changes.
#
# The header describes the machine that runs the generator. In a cross build
# that has to be the target, so the generator runs under
# CMAKE_CROSSCOMPILING_EMULATOR; with no emulator the configuration stops.
# Set ROUNDOFF_BOUNDS_HEADER to a header written on the target instead, and
# that file is used, in any build, and nothing is run.
#
# Provided by find_package(roundoff_bounds) and by add_subdirectory or
# FetchContent of this project alike.
include_guard(GLOBAL)

set(ROUNDOFF_BOUNDS_HEADER "" CACHE FILEPATH
    "A header that roundoff_bounds wrote on the target machine; used instead of running the generator")

function(roundoff_bounds_add_header target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "FILENAME" "")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "roundoff_bounds_add_header: unexpected arguments: ${arg_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TARGET "${target}")
        message(FATAL_ERROR "roundoff_bounds_add_header: ${target} is not a target")
    endif()
    if(NOT arg_FILENAME)
        set(arg_FILENAME roundoff_bounds.h)
    endif()

    # One folder per target, and per configuration where one build tree holds
    # several: each configuration has a generator of its own.
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/roundoff_bounds_header/${target}")
    get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
    if(multi_config)
        string(APPEND dir "/$<CONFIG>")
    endif()
    set(header "${dir}/${arg_FILENAME}")

    if(ROUNDOFF_BOUNDS_HEADER)
        if(NOT EXISTS "${ROUNDOFF_BOUNDS_HEADER}")
            message(FATAL_ERROR "ROUNDOFF_BOUNDS_HEADER names ${ROUNDOFF_BOUNDS_HEADER}, which does not exist")
        endif()
        add_custom_command(
            OUTPUT "${header}"
            COMMAND "${CMAKE_COMMAND}" -E copy "${ROUNDOFF_BOUNDS_HEADER}" "${header}"
            DEPENDS "${ROUNDOFF_BOUNDS_HEADER}"
            COMMENT "Taking ${arg_FILENAME} for ${target} from ${ROUNDOFF_BOUNDS_HEADER}"
            VERBATIM)
    else()
        if(NOT TARGET roundoff_bounds::roundoff_bounds)
            message(FATAL_ERROR "roundoff_bounds_add_header: the target roundoff_bounds::roundoff_bounds is missing")
        endif()
        set(generator roundoff_bounds::roundoff_bounds)
        get_target_property(aliased ${generator} ALIASED_TARGET)
        if(aliased)
            set(generator "${aliased}")
        endif()

        set(runner "")
        if(CMAKE_CROSSCOMPILING)
            if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
                message(FATAL_ERROR
                    "roundoff_bounds_add_header(${target}): this is a cross build, and the header "
                    "must describe the target's arithmetic, not this machine's, so the generator "
                    "has to run on the target. Either run roundoff_bounds on the target and pass "
                    "its output with -DROUNDOFF_BOUNDS_HEADER=<file>, or set "
                    "CMAKE_CROSSCOMPILING_EMULATOR to an emulator that runs the target's programs here.")
            endif()
            set(runner ${CMAKE_CROSSCOMPILING_EMULATOR})
        endif()
        set(command ${runner} "$<TARGET_FILE:${generator}>")

        add_custom_command(
            OUTPUT "${header}"
            COMMAND "${CMAKE_COMMAND}" "-DHEADER=${header}"
                    "-DGENERATOR=${command}"
                    -P "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/roundoff_bounds_run.cmake"
            DEPENDS ${generator} "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/roundoff_bounds_run.cmake"
            COMMENT "Measuring the arithmetic for ${arg_FILENAME} of ${target}"
            VERBATIM)
    endif()

    target_sources(${target} PRIVATE "${header}")
    target_include_directories(${target} PRIVATE "${dir}")
endfunction()
