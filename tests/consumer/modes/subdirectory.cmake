# Taken in by add_subdirectory: the build, in parallel, generates the
# expected header and lists only the consumer's own tests, which pass.
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory)
expect_consumer_tests_pass("${build}")
