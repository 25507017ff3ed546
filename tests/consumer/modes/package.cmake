# The installed package: this build installed in a prefix of the test's own;
# or, for a package made by CPack, the package's tree (PREFIX), the package's
# CMake folder (PACKAGE_DIR), or wherever the system has it (PREFIX=system).
set(from_package -DROUNDOFF_BOUNDS_FROM=package)
if(PACKAGE_DIR)
    list(APPEND from_package "-Droundoff_bounds_DIR=${PACKAGE_DIR}")
elseif(NOT PREFIX STREQUAL "system")
    if(NOT PREFIX)
        install_this_build()
    endif()
    list(APPEND from_package ${only_this_prefix})
endif()
configure_and_build(header "${build}" ${configure} ${from_package})
expect_consumer_tests_pass("${build}")
