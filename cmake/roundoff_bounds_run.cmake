# Runs the generator (GENERATOR: the program, after its emulator where it
# needs one) and writes what it prints to HEADER, whole or not at all. The
# output goes to a temporary file first and takes the header's name only when
# the generator succeeded, so a failed run leaves no partial header that a
# later build would take as up to date; Ninja, unlike Make, keeps a failed
# command's output.
#
#   cmake -DHEADER=<file> "-DGENERATOR=[EMULATOR...;]PROGRAM" -P roundoff_bounds_run.cmake

if(NOT HEADER OR NOT GENERATOR)
    message(FATAL_ERROR "usage: cmake -DHEADER=<file> \"-DGENERATOR=[EMULATOR...;]PROGRAM\" -P roundoff_bounds_run.cmake")
endif()

get_filename_component(dir "${HEADER}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(partial "${HEADER}.partial")
execute_process(COMMAND ${GENERATOR} OUTPUT_FILE "${partial}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE "${partial}" "${HEADER}")
    list(JOIN GENERATOR " " shown)
    message(FATAL_ERROR "${shown} failed (${status}); no header written to ${HEADER}")
endif()
file(RENAME "${partial}" "${HEADER}")
