# The MSVC dialect with /W4 and warnings as errors, for C and C++: the
# consumer's sources, which call the in-place check, and the arithmetic
# check, which the function adds to a build and which calls it too, compiled
# as C and as C++, say nothing; the tests pass.
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "-DCMAKE_C_FLAGS_RELEASE=/O2 /DNDEBUG /W4"
    "-DCMAKE_CXX_FLAGS_RELEASE=/O2 /DNDEBUG /W4" "-DEXTRA_CALLS=enable_language(CXX)")
if(NOT EXISTS "${build}/roundoff_bounds_check.cpp")
    fail("the arithmetic check was not compiled as C++")
endif()
expect_consumer_tests_pass("${build}")
