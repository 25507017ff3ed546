# What keeps the options of roundoff_bounds_rounding_options in force over
# the code that takes the header, wherever that code is defined: flags that
# ask for fast math stop the configuration; options that ask for contracted
# multiply-adds are put behind the function's own.
include_guard(GLOBAL)

# Options that ask for contracted multiply-adds, which the function's own
# options override where they come after them.
set(ROUNDOFF_BOUNDS_CONTRACTING "(^|:)[-/](ffp-contract=(fast|on|fast-honor-pragmas)|Qfma)>*$")

# roundoff_bounds_have_last_word(TARGET GIVEN...), run once the calling
# folder is read: fast math in TARGET's own options stops the configuration;
# the options GIVEN move behind TARGET's own. Then, once the whole build is
# read, its code is looked at (roundoff_bounds_guard_code).
function(roundoff_bounds_have_last_word target)
    get_target_property(type "${target}" TYPE)
    set(property COMPILE_OPTIONS)
    if(type STREQUAL "INTERFACE_LIBRARY")
        set(property INTERFACE_COMPILE_OPTIONS)
    endif()
    get_target_property(options "${target}" ${property})
    if(options)
        roundoff_bounds_refuse_fast_flags("${target}" "its ${property}" "${options}")
    endif()
    if(options AND ARGN)
        list(REMOVE_ITEM options ${ARGN})
        set_property(TARGET "${target}" PROPERTY ${property} ${options} ${ARGN})
    endif()
    string(REPLACE ";" "]] [[" quoted "${ARGN}")
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] "
        "CALL roundoff_bounds_guard_code [[${target}]] [[${quoted}]])")
endfunction()

# roundoff_bounds_guard_code(TARGET GIVEN...), run once the whole build is
# read: the code that takes the header is TARGET's, or for an INTERFACE
# library that of every target, in any folder, that links it, directly or
# through other libraries. Fast math on such a target, in its folder's flags
# or on one of its sources stops the configuration; a source that asks for
# contraction gets the options GIVEN after its own, as the target's own
# options come before them already.
function(roundoff_bounds_guard_code target)
    get_target_property(type "${target}" TYPE)
    set(code_targets "${target}")
    if(type STREQUAL "INTERFACE_LIBRARY")
        roundoff_bounds_targets_in("${CMAKE_SOURCE_DIR}" candidates)
        set(code_targets "")
        foreach(candidate IN LISTS candidates)
            roundoff_bounds_links("${candidate}" "${target}" links)
            if(links)
                list(APPEND code_targets "${candidate}")
            endif()
        endforeach()
    endif()
    get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    foreach(code_target IN LISTS code_targets)
        if(NOT code_target STREQUAL target)
            get_target_property(options "${code_target}" COMPILE_OPTIONS)
            get_target_property(folder "${code_target}" SOURCE_DIR)
            set(where "the COMPILE_OPTIONS of ${code_target}, which links ${target},")
            roundoff_bounds_refuse_fast_flags("${target}" "${where}" "${options}")
            foreach(language IN ITEMS C CXX)
                if(NOT language IN_LIST languages)
                    continue()
                endif()
                foreach(flags IN ITEMS CMAKE_${language}_FLAGS CMAKE_${language}_FLAGS_RELEASE
                        CMAKE_${language}_FLAGS_RELWITHDEBINFO CMAKE_${language}_FLAGS_MINSIZEREL)
                    get_directory_property(value DIRECTORY "${folder}" DEFINITION ${flags})
                    roundoff_bounds_refuse_fast_flags("${target}" "${flags} in ${folder}" "${value}")
                endforeach()
            endforeach()
        endif()

        get_target_property(sources "${code_target}" SOURCES)
        foreach(source IN LISTS sources)
            if(source MATCHES "\\$<")
                continue()
            endif()
            set(contracting OFF)
            foreach(property IN ITEMS COMPILE_OPTIONS COMPILE_FLAGS)
                get_source_file_property(flags "${source}" TARGET_DIRECTORY "${code_target}" ${property})
                if(NOT flags)
                    continue()
                endif()
                roundoff_bounds_refuse_fast_flags("${target}"
                    "the ${property} of ${source}, compiled into ${code_target}," "${flags}")
                string(REPLACE ";" " " flags "${flags}")
                separate_arguments(flags UNIX_COMMAND "${flags}")
                foreach(flag IN LISTS flags)
                    if(flag MATCHES "${ROUNDOFF_BOUNDS_CONTRACTING}")
                        set(contracting ON)
                    endif()
                endforeach()
            endforeach()
            if(contracting AND ARGN)
                set_property(SOURCE "${source}" TARGET_DIRECTORY "${code_target}"
                    APPEND PROPERTY COMPILE_OPTIONS ${ARGN})
            endif()
        endforeach()
    endforeach()
endfunction()

# roundoff_bounds_targets_in(FOLDER VAR): the targets that compile, of
# FOLDER and every folder below it.
function(roundoff_bounds_targets_in folder var)
    get_directory_property(targets DIRECTORY "${folder}" BUILDSYSTEM_TARGETS)
    set(found "")
    foreach(candidate IN LISTS targets)
        get_target_property(type "${candidate}" TYPE)
        if(NOT type MATCHES "^(INTERFACE_LIBRARY|UTILITY)$")
            list(APPEND found "${candidate}")
        endif()
    endforeach()
    get_directory_property(subfolders DIRECTORY "${folder}" SUBDIRECTORIES)
    foreach(subfolder IN LISTS subfolders)
        roundoff_bounds_targets_in("${subfolder}" more)
        list(APPEND found ${more})
    endforeach()
    set(${var} "${found}" PARENT_SCOPE)
endfunction()

# roundoff_bounds_links(CANDIDATE LIBRARY VAR): VAR is true where CANDIDATE
# links LIBRARY, under its own name or an ALIAS of it, directly or through
# the libraries it links.
function(roundoff_bounds_links candidate library var)
    set(seen "")
    get_target_property(queue "${candidate}" LINK_LIBRARIES)
    while(queue)
        list(POP_FRONT queue item)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
        if(NOT TARGET "${item}" OR item IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${item}")
        get_target_property(aliased "${item}" ALIASED_TARGET)
        if(aliased)
            set(item "${aliased}")
        endif()
        if(item STREQUAL library)
            set(${var} ON PARENT_SCOPE)
            return()
        endif()
        get_target_property(more "${item}" INTERFACE_LINK_LIBRARIES)
        if(more)
            list(APPEND queue ${more})
        endif()
    endwhile()
    set(${var} OFF PARENT_SCOPE)
endfunction()

# Stops the configuration if the flags in ARGN ask for fast math, naming the
# flag, where it was found (WHERE), and how to keep it out of TARGET. No
# compile option makes each double operation round on its own under these
# without a warning, or at all: fast math reassociates and, where it links,
# flushes tiny values to zero for the whole program; /fp:fast and
# /fp:contract can be overridden only with a warning.
function(roundoff_bounds_refuse_fast_flags target where)
    set(fast "(^|:)([-/](ffast-math|Ofast|ffp-model=fast|fp-model=fast(=[12])?|funsafe-math-optimizations|fassociative-math|fp:fast(=[12])?|fp:contract))>*$")
    string(REPLACE ";" " " flags "${ARGN}")
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
        if(flag MATCHES "${fast}")
            set(flag "${CMAKE_MATCH_2}")
            message(FATAL_ERROR "roundoff_bounds_add_header(${target}): ${where} holds ${flag}, under "
                "which the header's splitter and error bounds no longer hold: its code must round "
                "each double operation on its own. Keep ${flag} out of ${target} (set it on other "
                "targets or sources), or pass NO_FLOATING_POINT_OPTIONS and give the files that "
                "use the header the options yourself.")
        endif()
    endforeach()
endfunction()
