# The compile options that make double arithmetic round each operation on its
# own: what the generator measures under, and what the header's constants
# hold for. Used for the generator's own measuring library, and by
# roundoff_bounds_add_header for the code that includes the header.
include_guard(GLOBAL)
include(CheckSourceCompiles)

# roundoff_bounds_compiler_takes(LANG VAR OPTION...): VAR is true where the
# LANG compiler builds a trivial program with the OPTIONs and says nothing
# about them. This code and the header go into other people's builds, with
# warnings as errors, so an option the compiler only half takes must stay
# out; but a warning about whatever else the build's flags hold (an unknown
# warning option, say) is no reason to lose it. Only diagnostics count
# ("warning:", or MSVC's "warning D9002 :"), not a command line that a
# Makefile build echoes. Clang's warning that it cannot honour a rounding
# mode names no option, only its own flag.
function(roundoff_bounds_compiler_takes language var)
    string(MAKE_C_IDENTIFIER "ROUNDOFF_BOUNDS_${language}_TAKES${ARGN}" result)
    set(names "")
    foreach(option IN LISTS ARGN)
        string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" option "${option}")
        list(APPEND names "${option}")
    endforeach()
    list(JOIN names "|" names)
    list(JOIN ARGN " " CMAKE_REQUIRED_FLAGS)
    set(CMAKE_REQUIRED_QUIET ON)
    check_source_compiles(${language} "int main(void) { return 0; }" ${result}
        FAIL_REGEX "[Ww]arning( D[0-9]+)? ?:[^\n]*(${names}|-Wunsupported-floating-point-opt)")
    set(${var} "${${result}}" PARENT_SCOPE)
endfunction()

# roundoff_bounds_rounding_options(TARGET SCOPE): gives TARGET, in SCOPE
# (PRIVATE, or INTERFACE for a header-only library), the options under which
# each double addition, subtraction and multiplication of its C and C++ code
# rounds to a double on its own, in the order written, as the header's
# constants assume: no contraction into fused multiply-adds, no fast math,
# and on a unit with excess precision (x87, m68k) as little as its compiler
# allows. Each goes in for each language
# only where that compiler takes it without a word, and only for that
# compiler. A flag that asks for fast math stops the configuration instead.
function(roundoff_bounds_rounding_options target scope)
    get_property(done GLOBAL PROPERTY "roundoff_bounds_rounding ${target}")
    if(done)
        return()
    endif()
    set_property(GLOBAL PROPERTY "roundoff_bounds_rounding ${target}" ON)
    get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    foreach(language IN ITEMS C CXX)
        if(NOT language IN_LIST languages)
            continue()
        endif()
        roundoff_bounds_refuse_fast_flags("${target}" "CMAKE_${language}_FLAGS" ${CMAKE_${language}_FLAGS})
        foreach(config IN LISTS CMAKE_BUILD_TYPE CMAKE_CONFIGURATION_TYPES)
            string(TOUPPER "${config}" config)
            roundoff_bounds_refuse_fast_flags("${target}" "CMAKE_${language}_FLAGS_${config}"
                ${CMAKE_${language}_FLAGS_${config}})
        endforeach()

        set(id "${CMAKE_${language}_COMPILER_ID}")
        set(options "")
        set(link_options "")
        if(id STREQUAL "MSVC")
            # Microsoft's compiler contracts only under /fp:contract or
            # /fp:fast and computes doubles as doubles: nothing to add.
        elseif(CMAKE_${language}_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
            # clang-cl contracts within one expression unless told not to,
            # and takes Clang's own options only through /clang:.
            list(APPEND options /clang:-ffp-contract=off)
        elseif(id MATCHES "Clang|GNU")
            list(APPEND options -ffp-contract=off)
            # A unit that computes doubles in extended precision (x87, m68k)
            # keeps 64 bits of significand between operations. Stored
            # variables are rounded with -ffloat-store, in any code; a program
            # linked with -mpc64 (GCC for x87) starts with the unit set to
            # round every operation to 53 bits, which is what the constants
            # assume. A library cannot set that for the program that loads
            # it, so the link option goes to the programs that link the
            # target, not to a shared library.
            set(CMAKE_REQUIRED_QUIET ON)
            check_source_compiles(${language}
                "#if __FLT_EVAL_METHOD__ != 2\n#error no excess precision\n#endif\nint main(void) { return 0; }"
                ROUNDOFF_BOUNDS_${language}_EXCESS_PRECISION)
            if(ROUNDOFF_BOUNDS_${language}_EXCESS_PRECISION)
                list(APPEND options -ffloat-store)
                roundoff_bounds_compiler_takes(${language} takes_pc64 -mpc64)
                if(takes_pc64)
                    list(APPEND link_options -mpc64)
                endif()
            endif()
        endif()
        foreach(option IN LISTS options)
            roundoff_bounds_compiler_takes(${language} taken "${option}")
            if(taken)
                target_compile_options(${target} ${scope} "$<$<COMPILE_LANG_AND_ID:${language},${id}>:${option}>")
            endif()
        endforeach()
        foreach(option IN LISTS link_options)
            set(program "$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>")
            target_link_options(${target} ${scope}
                "$<$<AND:${program},$<LINK_LANG_AND_ID:${language},${id}>>:${option}>")
        endforeach()
    endforeach()
    # The target's own options may come after these, and win: look once the
    # folder that called is read.
    cmake_language(EVAL CODE "cmake_language(DEFER ID roundoff_bounds_fast_${target} CALL roundoff_bounds_refuse_target_fast_flags [[${target}]])")
endfunction()

# Stops the configuration if the flags in ARGN ask for fast math, naming the
# flag, where it was found (WHERE), and how to keep it out of TARGET. No
# compile option makes each double operation round on its own under these
# without a warning, or at all: fast math reassociates and, where it links,
# flushes tiny values to zero for the whole program; /fp:fast and
# /fp:contract can be overridden only with a warning.
function(roundoff_bounds_refuse_fast_flags target where)
    set(fast "(^|:)([-/](ffast-math|Ofast|ffp-model=fast|funsafe-math-optimizations|fassociative-math|fp:fast|fp:contract))>*$")
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

function(roundoff_bounds_refuse_target_fast_flags target)
    get_target_property(type "${target}" TYPE)
    set(property COMPILE_OPTIONS)
    if(type STREQUAL "INTERFACE_LIBRARY")
        set(property INTERFACE_COMPILE_OPTIONS)
    endif()
    get_target_property(options "${target}" ${property})
    if(options)
        roundoff_bounds_refuse_fast_flags("${target}" "its ${property}" "${options}")
    endif()
endfunction()
