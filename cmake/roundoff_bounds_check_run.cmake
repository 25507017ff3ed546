# Runs the arithmetic check of a target that takes the header, and touches
# STAMP where it passes. Where it does not, stops the build with one message:
# the target, the language, the compiler, what broke, and the way out.
#
#   cmake "-DPROGRAM=[EMULATOR...;]CHECK" -DSTAMP=<file> -DTARGET=<target> -DLANGUAGE=C|CXX
#         "-DCOMPILER=<id> <version>" "-DOPTIONS=<the options the function gave>"
#         -P roundoff_bounds_check_run.cmake

if(NOT PROGRAM OR NOT STAMP OR NOT TARGET)
    message(FATAL_ERROR "usage: cmake \"-DPROGRAM=[EMULATOR...;]CHECK\" -DSTAMP=<file> -DTARGET=<target> "
        "-DLANGUAGE=<language> \"-DCOMPILER=<id> <version>\" \"-DOPTIONS=<options>\" -P roundoff_bounds_check_run.cmake")
endif()

file(REMOVE "${STAMP}")
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(status EQUAL 0)
    get_filename_component(stamp_dir "${STAMP}" DIRECTORY)
    file(MAKE_DIRECTORY "${stamp_dir}")
    file(TOUCH "${STAMP}")
    return()
endif()

set(code "${TARGET}'s ${LANGUAGE} code (${COMPILER})")
string(REGEX MATCHALL "broken: [^\r\n]*" broke "${out}")
list(TRANSFORM broke REPLACE "^broken: " "")
list(JOIN broke ", " broke)
if(NOT status EQUAL 1 OR broke STREQUAL "")
    list(JOIN PROGRAM " " shown)
    message(FATAL_ERROR "roundoff_bounds_add_header(${TARGET}): the arithmetic check of ${code} did not run: "
        "${shown} ended with ${status}:\n${out}")
endif()

if(OPTIONS)
    list(JOIN OPTIONS " " OPTIONS)
    set(way "roundoff_bounds_add_header gives ${TARGET} ${OPTIONS}, and something later on its "
        "compile line undoes that (an option of the target or of a source set after those, a compiler "
        "launcher or wrapper): keep it out of ${TARGET}")
else()
    set(way "roundoff_bounds_add_header knows no option that makes this compiler round each double "
        "operation on its own")
endif()
message(FATAL_ERROR "roundoff_bounds_add_header(${TARGET}): the arithmetic check failed for ${code}: "
    "${broke}. The header's splitter and error bounds do not hold for such code. " ${way}
    "; or pass NO_FLOATING_POINT_OPTIONS and give the files that use the header options of your own "
    "under which each double operation rounds on its own, and check them with ROUNDOFF_BOUNDS_CHECK_SOURCE.")
