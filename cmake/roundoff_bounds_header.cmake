# roundoff_bounds_add_header(<target> [FILENAME <path>] [HEADER_VARIABLE <var>]
#                            [NO_FLOATING_POINT_OPTIONS] [NO_ARITHMETIC_CHECK])
#
# Generates the header during the build, in a folder of the build tree that
# goes on <target>'s include path with the folder of roundoff_bounds_check.h,
# the in-place check, and makes <target> wait for it: a target
# that compiles gets it as a private include directory; an INTERFACE library
# passes it on to everything that links it, and each of those waits for the
# header before it compiles. An ALIAS stands for the target it names. The
# header is generated again whenever the generator changes, and left
# untouched when it comes out with the same bytes.
#
# The header's constants hold only for code in which every double operation
# rounds on its own, so <target>'s C and C++ code (for an INTERFACE library,
# the code of everything that links it) gets the options that make it so
# with its compiler: no fused multiply-adds, and on a unit with excess
# precision (x87, m68k) stored doubles rounded, and x87 programs' arithmetic
# rounded to 53 bits throughout. A flag that asks for
# fast math (-ffast-math, -Ofast, /fp:fast, /fp:contract and the like) in the
# build's flags, the target's options or its sources' stops the
# configuration. Then the build proves it: a check program compiled as the
# target's code and run before the target is built
# (roundoff_bounds_check.cmake) stops the build if that code does not round
# as the header assumes. NO_ARITHMETIC_CHECK leaves the check out, for a
# build that cannot run it; NO_FLOATING_POINT_OPTIONS leaves the target as it
# is, and the check out too, for a build that gives the options to the files
# that use the header itself.
#
# FILENAME is the header's path as the code includes it: roundoff_bounds.h
# unless it says otherwise, folders allowed ("geom/roundoff.h"), but never
# absolute and never above its folder. HEADER_VARIABLE names a variable that
# receives the header's path, to install it with install(FILES); under a
# multi-config generator that path holds $<CONFIG>. Calling again for the same
# target and FILENAME, however spelled, changes nothing, and gives the same
# path.
#
# The header describes the machine that runs the generator. In a cross build
# that has to be the target, so the generator runs under
# CMAKE_CROSSCOMPILING_EMULATOR; with no emulator the configuration stops.
# Set ROUNDOFF_BOUNDS_HEADER to a header written on the target instead, and
# that file is used, in any build, and nothing is run. Either way the header
# is checked to be complete before anything compiles against it.
#
# Provided by find_package(roundoff_bounds) and by add_subdirectory or
# FetchContent of this project alike.
include_guard(GLOBAL)
include("${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_arithmetic.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_check.cmake")

set(ROUNDOFF_BOUNDS_HEADER "" CACHE FILEPATH
    "A header that roundoff_bounds wrote on the target machine; used instead of running the generator")

# roundoff_bounds_per_config(VAR DIR): DIR, or where one build tree holds
# several configurations, a folder of DIR for each of them.
function(roundoff_bounds_per_config var dir)
    get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
    if(multi_config)
        string(APPEND dir "/$<CONFIG>")
    endif()
    set(${var} "${dir}" PARENT_SCOPE)
endfunction()

# roundoff_bounds_stamp(VAR TARGET NAME): the file NAME that a command of the
# function's TARGET touches once it has done its work, in that target's
# folder of the build tree.
function(roundoff_bounds_stamp var target name)
    roundoff_bounds_per_config(dir "${CMAKE_CURRENT_BINARY_DIR}/CMakeFiles/${target}.dir")
    set(${var} "${dir}/${name}" PARENT_SCOPE)
endfunction()

function(roundoff_bounds_add_header target)
    set(me "roundoff_bounds_add_header(${target})")
    cmake_parse_arguments(PARSE_ARGV 1 arg "NO_FLOATING_POINT_OPTIONS;NO_ARITHMETIC_CHECK"
        "FILENAME;HEADER_VARIABLE" "")
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "${me}: unexpected arguments: ${arg_UNPARSED_ARGUMENTS}")
    endif()
    # An empty value leaves a keyword undefined without counting as missing.
    foreach(keyword IN ITEMS FILENAME HEADER_VARIABLE)
        if(keyword IN_LIST arg_KEYWORDS_MISSING_VALUES OR (keyword IN_LIST ARGN AND NOT DEFINED arg_${keyword}))
            message(FATAL_ERROR "${me}: ${keyword} needs a value")
        endif()
    endforeach()

    # What the header can be given to: a target of this build that compiles,
    # or an INTERFACE library that hands its include path on.
    if(NOT TARGET "${target}")
        message(FATAL_ERROR "${me}: there is no target ${target}; call it after the "
            "add_executable or add_library that defines the target whose code includes the header")
    endif()
    get_target_property(aliased "${target}" ALIASED_TARGET)
    if(aliased)
        set(target "${aliased}")
    endif()
    get_target_property(imported "${target}" IMPORTED)
    get_target_property(type "${target}" TYPE)
    if(imported)
        message(FATAL_ERROR "${me}: ${target} is an IMPORTED target, built outside this build, so "
            "nothing here can make it wait for the header; call it for a target of this build "
            "that links ${target}, or for an INTERFACE library of your own")
    elseif(type STREQUAL "INTERFACE_LIBRARY")
        set(scope INTERFACE)
    elseif(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
        set(scope PRIVATE)
    else()
        message(FATAL_ERROR "${me}: ${target} is a ${type} target, which compiles nothing; call it "
            "for the executable or library whose code includes the header")
    endif()

    if(NOT DEFINED arg_FILENAME)
        set(arg_FILENAME roundoff_bounds.h)
    endif()
    if(IS_ABSOLUTE "${arg_FILENAME}" OR arg_FILENAME MATCHES "^([A-Za-z]:|[/\\\\])")
        message(FATAL_ERROR "${me}: FILENAME ${arg_FILENAME} is absolute; give the header's path "
            "as the code includes it, such as roundoff_bounds.h or geom/roundoff.h")
    endif()
    # One spelling for one header: ./x.h, a//x.h and a/b/../x.h are x.h and
    # a/x.h, so that calls that name the same file are the same call.
    cmake_path(NORMAL_PATH arg_FILENAME OUTPUT_VARIABLE filename)
    if(filename MATCHES "^\\.\\.([/\\\\]|$)")
        message(FATAL_ERROR "${me}: FILENAME ${arg_FILENAME} reaches above the header's folder "
            "with '..'; give the header's path as the code includes it, such as geom/roundoff.h")
    endif()
    if(filename MATCHES "(^|[/\\\\])\\.?$")
        message(FATAL_ERROR "${me}: FILENAME ${arg_FILENAME} names a folder, not a file")
    endif()

    # One folder per target, and per configuration where one build tree holds
    # several: each configuration has a generator of its own.
    roundoff_bounds_per_config(dir "${CMAKE_CURRENT_BINARY_DIR}/roundoff_bounds_header/${target}")
    set(header "${dir}/${filename}")

    set(done "roundoff_bounds_header ${target} ${filename}")
    get_property(earlier GLOBAL PROPERTY "${done}")
    if(earlier)
        if(arg_HEADER_VARIABLE)
            set(${arg_HEADER_VARIABLE} "${earlier}" PARENT_SCOPE)
        endif()
        return()
    endif()
    set_property(GLOBAL PROPERTY "${done}" "${header}")

    # The target waits for a target of the header's own, which every
    # generator orders before it, whichever folder defined it; for an
    # INTERFACE library, CMake hands that wait on to everything linking it.
    string(MAKE_C_IDENTIFIER "roundoff_bounds_header_${target}_${filename}" header_target)
    while(TARGET ${header_target})
        string(APPEND header_target _)
    endwhile()

    # The command's own output is a stamp; the header is only a by-product,
    # rewritten when its bytes change. So a generator that is rebuilt and
    # writes the same text recompiles nothing that includes the header, and
    # the next build has nothing to do.
    roundoff_bounds_stamp(stamp ${header_target} header.stamp)

    set(run_script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/roundoff_bounds_run.cmake")
    if(ROUNDOFF_BOUNDS_HEADER)
        if(NOT EXISTS "${ROUNDOFF_BOUNDS_HEADER}")
            message(FATAL_ERROR "ROUNDOFF_BOUNDS_HEADER names ${ROUNDOFF_BOUNDS_HEADER}, which does not exist")
        endif()
        set(source "-DGIVEN=${ROUNDOFF_BOUNDS_HEADER}")
        set(depends "${ROUNDOFF_BOUNDS_HEADER}")
        set(comment "Taking ${filename} for ${target} from ${ROUNDOFF_BOUNDS_HEADER}")
    else()
        if(NOT TARGET roundoff_bounds::roundoff_bounds)
            message(FATAL_ERROR "${me}: the target roundoff_bounds::roundoff_bounds is missing")
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
                    "${me}: this is a cross build, and the header "
                    "must describe the target's arithmetic, not this machine's, so the generator "
                    "has to run on the target. Either run roundoff_bounds on the target and pass "
                    "its output with -DROUNDOFF_BOUNDS_HEADER=<file>, or set "
                    "CMAKE_CROSSCOMPILING_EMULATOR to an emulator that runs the target's programs here.")
            endif()
            set(runner ${CMAKE_CROSSCOMPILING_EMULATOR})
        endif()
        set(command ${runner} "$<TARGET_FILE:${generator}>")
        set(source "-DGENERATOR=${command}")
        set(depends ${generator} "$<TARGET_FILE:${generator}>")
        set(comment "Measuring the arithmetic for ${filename} of ${target}")
    endif()
    add_custom_command(
        OUTPUT "${stamp}"
        BYPRODUCTS "${header}"
        COMMAND "${CMAKE_COMMAND}" "-DHEADER=${header}" "-DSTAMP=${stamp}" "${source}" -P "${run_script}"
        DEPENDS ${depends} "${run_script}"
        COMMENT "${comment}"
        VERBATIM)

    # A header-only library that is installed needs its header built with
    # the rest, even where nothing in this build links it.
    set(all "")
    if(scope STREQUAL "INTERFACE")
        get_target_property(excluded ${target} EXCLUDE_FROM_ALL)
        if(NOT excluded)
            set(all ALL)
        endif()
    endif()
    add_custom_target(${header_target} ${all} DEPENDS "${stamp}")
    if(NOT arg_NO_FLOATING_POINT_OPTIONS)
        roundoff_bounds_rounding_options(${target} ${scope})
        if(NOT arg_NO_ARITHMETIC_CHECK)
            roundoff_bounds_check(${target} ${header_target} "${filename}" "${all}")
        endif()
    endif()
    add_dependencies(${target} ${header_target})
    target_include_directories(${target} ${scope} "$<BUILD_INTERFACE:${dir}>"
        "$<BUILD_INTERFACE:${ROUNDOFF_BOUNDS_CHECK_INCLUDE_DIR}>")

    if(arg_HEADER_VARIABLE)
        set(${arg_HEADER_VARIABLE} "${header}" PARENT_SCOPE)
    endif()
endfunction()
