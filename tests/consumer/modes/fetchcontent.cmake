# Taken in by FetchContent, with no installed package to be found, so the
# source under test is taken; it then answers find_package with its version
# (the consumer's CMakeLists.txt checks the answers).
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=fetchcontent ${only_this_prefix})
expect_consumer_tests_pass("${build}")
