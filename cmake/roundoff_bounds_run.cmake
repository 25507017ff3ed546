# Writes HEADER, whole or not at all, and then touches STAMP, from one of two
# sources: what the generator prints (GENERATOR: the program, after its
# emulator where it needs one), or a header written on the target machine and
# given as a file (GIVEN). Either way the text goes to a temporary file
# first, is checked to be a complete header, and takes the header's name only
# then, so a failed run or a file cut short leaves no header that a later
# build would take as up to date; Ninja, unlike Make, keeps a failed command's
# output. A header that already holds the same bytes is left untouched, so
# nothing that includes it recompiles.
#
#   cmake -DHEADER=<file> -DSTAMP=<file> "-DGENERATOR=[EMULATOR...;]PROGRAM" -P roundoff_bounds_run.cmake
#   cmake -DHEADER=<file> -DSTAMP=<file> -DGIVEN=<file> -P roundoff_bounds_run.cmake

if(NOT HEADER OR NOT STAMP OR (NOT GENERATOR AND NOT GIVEN))
    message(FATAL_ERROR "usage: cmake -DHEADER=<file> -DSTAMP=<file> \"-DGENERATOR=[EMULATOR...;]PROGRAM\" | -DGIVEN=<file> -P roundoff_bounds_run.cmake")
endif()

get_filename_component(dir "${HEADER}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(partial "${HEADER}.partial")

function(reject)
    file(REMOVE "${partial}" "${HEADER}" "${STAMP}")
    list(JOIN ARGN "" text)
    message(FATAL_ERROR "${text}; no header written to ${HEADER}")
endfunction()

if(GIVEN)
    if(NOT EXISTS "${GIVEN}")
        reject("ROUNDOFF_BOUNDS_HEADER names ${GIVEN}, which does not exist")
    endif()
    configure_file("${GIVEN}" "${partial}" COPYONLY)
    set(source "ROUNDOFF_BOUNDS_HEADER names ${GIVEN}, which")
else()
    execute_process(COMMAND ${GENERATOR} OUTPUT_FILE "${partial}" RESULT_VARIABLE status)
    list(JOIN GENERATOR " " shown)
    if(NOT status EQUAL 0)
        reject("${shown} failed (${status})")
    endif()
    set(source "${shown} wrote what")
endif()

# A complete header opens with the program's banner and defines each of these
# on a line of its own; line endings may be a platform's own.
file(READ "${partial}" text)
if(text STREQUAL "")
    reject("${source} is empty, not a header written by roundoff_bounds")
endif()
if(NOT text MATCHES "^/\\* This file was generated automatically by roundoff_bounds\r?\n")
    reject("${source} is not a header written by roundoff_bounds: it does not open with its banner")
endif()
set(missing "")
foreach(name IN ITEMS splitter resulterrbound
        ccwerrboundA ccwerrboundB ccwerrboundC o3derrboundA o3derrboundB o3derrboundC
        iccerrboundA iccerrboundB iccerrboundC isperrboundA isperrboundB isperrboundC)
    if(NOT text MATCHES "\nstatic double ${name} = [0-9][-+.0-9e]*;(\r?\n|$)")
        list(APPEND missing ${name})
    endif()
endforeach()
if(missing)
    list(JOIN missing ", " missing)
    reject("${source} is not a complete header written by roundoff_bounds (cut short?): "
           "it lacks the definitions of ${missing}")
endif()
if(EXISTS "${HEADER}")
    file(SHA256 "${HEADER}" old)
    file(SHA256 "${partial}" new)
endif()
if(EXISTS "${HEADER}" AND old STREQUAL new)
    file(REMOVE "${partial}")
else()
    file(RENAME "${partial}" "${HEADER}")
endif()
get_filename_component(stamp_dir "${STAMP}" DIRECTORY)
file(MAKE_DIRECTORY "${stamp_dir}")
file(TOUCH "${STAMP}")
