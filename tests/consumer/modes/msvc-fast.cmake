# The MSVC dialect with /arch:AVX2 /fp:fast in the build's flags: the
# configuration stops with one message that names /fp:fast.
run_step(${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory "-DCMAKE_C_FLAGS_RELEASE=/O2 /arch:AVX2 /fp:fast")
string(REGEX MATCHALL "CMake Error" errors "${out}")
string(REGEX REPLACE "[ \n]+" " " said "${out}")
list(LENGTH errors count)
if(status EQUAL 0 OR NOT count EQUAL 1 OR NOT said MATCHES "roundoff_bounds_add_header\\(geom\\): [^:]*/fp:fast")
    fail("/fp:fast did not stop the configuration with one message naming it:\n${out}")
endif()
