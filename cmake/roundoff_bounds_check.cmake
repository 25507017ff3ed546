# The arithmetic check of roundoff_bounds_add_header: for a target that takes
# the header, a program compiled from roundoff_bounds_check.c exactly as the
# target's code is compiled (for an INTERFACE library, as a program that
# links it), in the target's folder, with the header, and run during the
# build on the machine the code is for, before the target is built. It shows
# that each double operation of that code rounds on its own, whatever the
# compiler, its flags, a launcher or a wrapper made of the options the
# function gave; if not, the build stops with one message that says what
# broke and how to mend it.
include_guard(GLOBAL)

# For a build that compiles the check itself, with options of its own.
set(ROUNDOFF_BOUNDS_CHECK_SOURCE "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_check.c"
    CACHE INTERNAL "The source of roundoff_bounds' arithmetic check")

# The in-place check, roundoff_bounds_check.h, which the code that takes the
# header calls in its own process: in this source tree, or where the
# installed package put it (its configuration file names that folder).
if(EXISTS "${CMAKE_CURRENT_LIST_DIR}/include/roundoff_bounds_check.h")
    set(ROUNDOFF_BOUNDS_CHECK_INCLUDE_DIR "${CMAKE_CURRENT_LIST_DIR}/include"
        CACHE INTERNAL "The folder of roundoff_bounds_check.h")
endif()
set(ROUNDOFF_BOUNDS_CHECK_HEADER "${ROUNDOFF_BOUNDS_CHECK_INCLUDE_DIR}/roundoff_bounds_check.h"
    CACHE INTERNAL "roundoff_bounds' in-place arithmetic check")

# roundoff_bounds_check(TARGET HEADER_TARGET FILENAME ALL): checks TARGET's
# arithmetic with the header FILENAME that HEADER_TARGET writes; ALL (ALL or
# empty) as for the header. The check is made once the calling folder is
# read, when the target's sources and properties are known.
function(roundoff_bounds_check target header_target filename all)
    if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        message(STATUS "roundoff_bounds_add_header(${target}): nothing here runs the target's programs "
            "(a cross build without CMAKE_CROSSCOMPILING_EMULATOR), so the arithmetic of ${target} "
            "is not checked")
        return()
    endif()
    cmake_language(EVAL CODE "cmake_language(DEFER CALL roundoff_bounds_make_check [[${target}]] "
        "[[${header_target}]] [[${filename}]] [[${all}]])")
endfunction()

# roundoff_bounds_code_languages(TARGET VAR): the languages, of C and C++,
# that TARGET compiles: those of its sources, or for an INTERFACE library
# (or a target whose sources cannot be told yet) every one this folder can
# compile.
function(roundoff_bounds_code_languages target var)
    set(candidates "")
    foreach(language IN ITEMS C CXX)
        if(CMAKE_${language}_COMPILE_OBJECT)
            list(APPEND candidates ${language})
        endif()
    endforeach()
    get_target_property(type "${target}" TYPE)
    get_target_property(sources "${target}" SOURCES)
    set(languages "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY" AND sources)
        foreach(source IN LISTS sources)
            get_source_file_property(language "${source}" LANGUAGE)
            if(NOT language)
                get_filename_component(extension "${source}" LAST_EXT)
                string(REGEX REPLACE "^\\." "" extension "${extension}")
                foreach(candidate IN LISTS candidates)
                    if(extension IN_LIST CMAKE_${candidate}_SOURCE_FILE_EXTENSIONS)
                        set(language ${candidate})
                    endif()
                endforeach()
            endif()
            if(language IN_LIST candidates AND NOT language IN_LIST languages)
                list(APPEND languages ${language})
            endif()
        endforeach()
    endif()
    if(NOT languages)
        set(languages ${candidates})
    endif()
    set(${var} "${languages}" PARENT_SCOPE)
endfunction()

function(roundoff_bounds_make_check target header_target filename all)
    get_target_property(type "${target}" TYPE)
    set(usage "")
    if(type STREQUAL "INTERFACE_LIBRARY")
        set(usage INTERFACE_)
    endif()
    roundoff_bounds_code_languages("${target}" languages)
    foreach(language IN LISTS languages)
        string(TOLOWER "${language}" suffix)
        set(check ${header_target}_check_${suffix})
        set(source "${ROUNDOFF_BOUNDS_CHECK_SOURCE}")
        if(language STREQUAL "CXX")
            set(source "${CMAKE_CURRENT_BINARY_DIR}/roundoff_bounds_check.cpp")
            file(CONFIGURE OUTPUT "${source}" CONTENT "#include \"${ROUNDOFF_BOUNDS_CHECK_SOURCE}\"\n")
        endif()

        # Compiled as the target's code: this folder's flags, and the
        # target's options, definitions, include directories (the header's
        # among them) and link options, with those of what it links.
        add_executable(${check} EXCLUDE_FROM_ALL "${source}")
        target_compile_options(${check} PRIVATE "$<TARGET_PROPERTY:${target},${usage}COMPILE_OPTIONS>")
        target_compile_definitions(${check} PRIVATE "$<TARGET_PROPERTY:${target},${usage}COMPILE_DEFINITIONS>"
            "ROUNDOFF_BOUNDS_CHECK_INCLUDE=\"${filename}\"")
        target_include_directories(${check} PRIVATE "$<TARGET_PROPERTY:${target},${usage}INCLUDE_DIRECTORIES>")
        if(usage OR type STREQUAL "EXECUTABLE")
            target_link_options(${check} PRIVATE "$<TARGET_PROPERTY:${target},${usage}LINK_OPTIONS>")
        else()
            # A library's code runs in a program that links as the function
            # links its own.
            get_property(link_options GLOBAL PROPERTY "roundoff_bounds_link_options ${target} ${language}")
            if(link_options)
                target_link_options(${check} PRIVATE ${link_options})
            endif()
        endif()
        if(NOT usage)
            foreach(property IN ITEMS ${language}_STANDARD ${language}_STANDARD_REQUIRED ${language}_EXTENSIONS
                    ${language}_COMPILER_LAUNCHER COMPILE_FLAGS INTERPROCEDURAL_OPTIMIZATION
                    POSITION_INDEPENDENT_CODE MSVC_RUNTIME_LIBRARY)
                get_target_property(value "${target}" ${property})
                if(NOT value MATCHES "-NOTFOUND$")
                    set_property(TARGET ${check} PROPERTY ${property} "${value}")
                endif()
            endforeach()
        endif()
        add_dependencies(${check} ${header_target})

        # Run where the code runs; again only when the program changes.
        roundoff_bounds_stamp(stamp ${check} checked)
        set(program "$<TARGET_FILE:${check}>")
        if(CMAKE_CROSSCOMPILING)
            set(program ${CMAKE_CROSSCOMPILING_EMULATOR} "${program}")
        endif()
        get_property(options GLOBAL PROPERTY "roundoff_bounds_options ${target} ${language}")
        set(compiler "${CMAKE_${language}_COMPILER_ID} ${CMAKE_${language}_COMPILER_VERSION}")
        set(script "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/roundoff_bounds_check_run.cmake")
        add_custom_command(
            OUTPUT "${stamp}"
            COMMAND "${CMAKE_COMMAND}" "-DPROGRAM=${program}" "-DSTAMP=${stamp}" "-DTARGET=${target}"
                    "-DLANGUAGE=${language}" "-DCOMPILER=${compiler}" "-DOPTIONS=${options}" -P "${script}"
            DEPENDS ${check} "$<TARGET_FILE:${check}>" "${script}"
            COMMENT "Checking the arithmetic of ${target}'s ${language} code"
            VERBATIM)
        add_custom_target(${check}_run ${all} DEPENDS "${stamp}")
        add_dependencies(${target} ${check}_run)
    endforeach()
endfunction()
