# The compile options that make double arithmetic round each operation on its
# own: what the generator measures under, and what the header's constants
# hold for. Used for the generator's own measuring library, and by
# roundoff_bounds_add_header for the code that includes the header.
include_guard(GLOBAL)
include(CheckSourceCompiles)
include("${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_last_word.cmake")

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

# roundoff_bounds_known_options(LANG VAR LINK_VAR): the compile options
# (VAR) and program link options (LINK_VAR) under which the LANG compiler in
# use rounds each double addition, subtraction and multiplication on its own,
# in the order written: no contraction into fused multiply-adds, and on a
# unit with excess precision (x87, m68k) as little of it as the compiler
# allows. Each group of options, from its vendor's documentation, counts only
# where the compiler takes the whole group without a word; where a group has
# alternatives (separated by |), the first taken counts. A compiler this
# list does not know gets nothing; the arithmetic check decides about it.
function(roundoff_bounds_known_options language var link_var)
    set(id "${CMAKE_${language}_COMPILER_ID}")
    set(groups "")
    set(link_options "")
    if(id STREQUAL "MSVC")
        # Microsoft's compiler contracts only under /fp:contract or /fp:fast
        # and computes doubles as doubles: nothing to add.
    elseif(CMAKE_${language}_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC")
        if(id STREQUAL "IntelLLVM")
            # icx-cl's default model is fast: precise, and no fused
            # multiply-adds; or, where that pair draws a warning, strict.
            list(APPEND groups "/fp:precise /Qfma-|/fp:strict")
        else()
            # clang-cl contracts within one expression unless told not to,
            # and takes Clang's own options only through /clang:.
            list(APPEND groups /clang:-ffp-contract=off)
        endif()
    elseif(id STREQUAL "IntelLLVM")
        # icx's default model is fast, which reassociates and contracts; its
        # precise model still contracts, so it needs -ffp-contract=off too.
        # Newer Clang bases warn that this pair overrides the model, and in
        # the other order the model quietly contracts again; there the strict
        # model, which is precise and does not contract, is one option.
        list(APPEND groups "-fp-model=precise -ffp-contract=off|-fp-model=strict")
    elseif(id STREQUAL "NVHPC")
        # nvc contracts by default wherever the target has a fused multiply-add.
        list(APPEND groups -Mnofma)
    elseif(id MATCHES "^(GNU|Clang|AppleClang|ARMClang|IBMClang|CrayClang|FujitsuClang)$")
        list(APPEND groups -ffp-contract=off)
        # A unit that computes doubles in extended precision (x87, m68k)
        # keeps 64 bits of significand between operations. Stored
        # variables are rounded with -ffloat-store, in any code; a program
        # linked with -mpc64 (GCC for x87) starts with the unit set to
        # round every operation to 53 bits, which is what the constants
        # assume. A library cannot set that for the program that loads
        # it, so the link option goes to programs only.
        set(CMAKE_REQUIRED_QUIET ON)
        check_source_compiles(${language}
            "#if __FLT_EVAL_METHOD__ != 2\n#error no excess precision\n#endif\nint main(void) { return 0; }"
            ROUNDOFF_BOUNDS_${language}_EXCESS_PRECISION)
        if(ROUNDOFF_BOUNDS_${language}_EXCESS_PRECISION)
            list(APPEND groups -ffloat-store)
            roundoff_bounds_compiler_takes(${language} takes_pc64 -mpc64)
            if(takes_pc64)
                list(APPEND link_options -mpc64)
            endif()
        endif()
    endif()
    set(options "")
    foreach(group IN LISTS groups)
        string(REPLACE "|" ";" alternatives "${group}")
        foreach(alternative IN LISTS alternatives)
            separate_arguments(alternative UNIX_COMMAND "${alternative}")
            roundoff_bounds_compiler_takes(${language} taken ${alternative})
            if(taken)
                list(APPEND options ${alternative})
                break()
            endif()
        endforeach()
    endforeach()
    # A program linked under icx's fast model (its default) starts with
    # subnormal numbers flushed to zero for the whole process, as one that
    # Clang links under fast math does (Clang 19 at least): it is linked
    # under the model its code was compiled with.
    foreach(option IN LISTS options)
        if(id STREQUAL "IntelLLVM" AND option MATCHES "^-fp-model=")
            list(APPEND link_options "${option}")
        endif()
    endforeach()
    set(${var} "${options}" PARENT_SCOPE)
    set(${link_var} "${link_options}" PARENT_SCOPE)
endfunction()

# roundoff_bounds_rounding_options(TARGET SCOPE): gives TARGET, in SCOPE
# (PRIVATE, or INTERFACE for a header-only library), for its C and C++ code
# and each only for the compiler in use, the options of
# roundoff_bounds_known_options, as the header's constants assume. A flag
# that asks for fast math stops the configuration instead. The options given
# are kept in the global properties "roundoff_bounds_options <TARGET> <LANG>"
# and, for programs, "roundoff_bounds_link_options <TARGET> <LANG>".
function(roundoff_bounds_rounding_options target scope)
    get_property(done GLOBAL PROPERTY "roundoff_bounds_rounding ${target}")
    if(done)
        return()
    endif()
    set_property(GLOBAL PROPERTY "roundoff_bounds_rounding ${target}" ON)
    get_property(languages GLOBAL PROPERTY ENABLED_LANGUAGES)
    set(given "")
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

        roundoff_bounds_known_options(${language} options link_options)
        set_property(GLOBAL PROPERTY "roundoff_bounds_options ${target} ${language}" ${options})
        set_property(GLOBAL PROPERTY "roundoff_bounds_link_options ${target} ${language}" ${link_options})
        set(id "${CMAKE_${language}_COMPILER_ID}")
        foreach(option IN LISTS options)
            list(APPEND given "$<$<COMPILE_LANG_AND_ID:${language},${id}>:${option}>")
        endforeach()
        foreach(option IN LISTS link_options)
            set(program "$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>")
            target_link_options(${target} ${scope}
                "$<$<AND:${program},$<LINK_LANG_AND_ID:${language},${id}>>:${option}>")
        endforeach()
    endforeach()
    if(given)
        target_compile_options(${target} ${scope} ${given})
    endif()
    # The target's own options and its sources' may come after these and
    # win: look, and put these last, once the folder that called is read
    # (roundoff_bounds_last_word.cmake).
    string(REPLACE ";" "]] [[" quoted "${given}")
    cmake_language(EVAL CODE "cmake_language(DEFER CALL roundoff_bounds_have_last_word [[${target}]] [[${quoted}]])")
endfunction()
