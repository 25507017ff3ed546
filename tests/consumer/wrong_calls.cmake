# The wrong calls of roundoff_bounds_add_header, each with the name of its
# test (consumer_calls_<name>), and the right one that repeats a call: read
# by tests/CMakeLists.txt, which adds a test for each, and by modes/calls.cmake.
set(roundoff_bounds_calls
    "no-target|roundoff_bounds_add_header(no_such_target)"
    "imported|add_library(found_elsewhere INTERFACE IMPORTED)\nroundoff_bounds_add_header(found_elsewhere)"
    "utility|add_custom_target(utility)\nroundoff_bounds_add_header(utility)"
    "absolute|roundoff_bounds_add_header(geom FILENAME /tmp/roundoff_bounds.h)"
    "climbing|roundoff_bounds_add_header(geom FILENAME include/../../roundoff_bounds.h)"
    "empty-filename|roundoff_bounds_add_header(geom FILENAME \"\")"
    "folder|roundoff_bounds_add_header(geom FILENAME geom/)"
    "no-variable|roundoff_bounds_add_header(geom HEADER_VARIABLE)"
    "repeated|roundoff_bounds_add_header(geom::geom FILENAME ./geom//roundoff_bounds.h HEADER_VARIABLE again)\nif(NOT again STREQUAL header)\nmessage(FATAL_ERROR \"\${again} is not \${header}\")\nendif()")
