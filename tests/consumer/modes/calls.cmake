# One call of roundoff_bounds_add_header (CASE, a name of wrong_calls.cmake).
# A wrong call stops the configuration with the function's own message, and
# no error of a CMake command it called. The repeated call, for an ALIAS of
# the target and its file name spelled otherwise, changes nothing and gives
# the same path.
include("${consumer_dir}/wrong_calls.cmake")
list(FILTER roundoff_bounds_calls INCLUDE REGEX "^${CASE}[|]")
string(REGEX REPLACE "^[^|]*[|]" "" call "${roundoff_bounds_calls}")
if(call STREQUAL "")
    fail("no call named '${CASE}'")
endif()
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory "-DEXTRA_CALLS=${call}")
if(CASE STREQUAL "repeated")
    if(NOT status EQUAL 0)
        fail("a repeated call failed:\n${out}")
    endif()
    return()
endif()
string(REGEX MATCHALL "CMake Error at [^\n]*" errors "${out}")
if(status EQUAL 0 OR NOT errors MATCHES "\\(message\\)"
   OR NOT out MATCHES "roundoff_bounds_add_header\\([^)]*\\): ")
    fail("'${call}' did not stop with the function's message:\n${out}")
endif()
list(FILTER errors EXCLUDE REGEX "\\(message\\):$")
if(errors)
    fail("'${call}' met an error inside CMake:\n${out}")
endif()
