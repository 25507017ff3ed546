# Wrong calls of roundoff_bounds_add_header each stop the configuration with
# the function's own message, and no error of a CMake command it called. An
# ALIAS stands for its target, and a second call for the same target and file
# name, however spelled, changes nothing.
set(configure_calls ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory)
run_step(${configure_calls})
expect_configured("configuration" "CMake Warning")
set(wrong_calls
    "roundoff_bounds_add_header(no_such_target)"
    "add_library(found_elsewhere INTERFACE IMPORTED)\nroundoff_bounds_add_header(found_elsewhere)"
    "add_custom_target(utility)\nroundoff_bounds_add_header(utility)"
    "roundoff_bounds_add_header(geom FILENAME /tmp/roundoff_bounds.h)"
    "roundoff_bounds_add_header(geom FILENAME include/../../roundoff_bounds.h)"
    "roundoff_bounds_add_header(geom FILENAME \"\")"
    "roundoff_bounds_add_header(geom FILENAME geom/)"
    "roundoff_bounds_add_header(geom HEADER_VARIABLE)")
foreach(call IN LISTS wrong_calls)
    run_step(${configure_calls} "-DEXTRA_CALLS=${call}")
    string(REGEX MATCHALL "CMake Error at [^\n]*" errors "${out}")
    if(status EQUAL 0 OR NOT errors MATCHES "\\(message\\)"
       OR NOT out MATCHES "roundoff_bounds_add_header\\([^)]*\\): ")
        fail("'${call}' did not stop with the function's message:\n${out}")
    endif()
    list(FILTER errors EXCLUDE REGEX "\\(message\\):$")
    if(errors)
        fail("'${call}' met an error inside CMake:\n${out}")
    endif()
endforeach()
must_pass("a repeated call" ${configure_calls} "-DEXTRA_CALLS=roundoff_bounds_add_header(geom::geom FILENAME ./geom//roundoff_bounds.h HEADER_VARIABLE again)\nif(NOT again STREQUAL header)\nmessage(FATAL_ERROR \"\${again} is not \${header}\")\nendif()")
