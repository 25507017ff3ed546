# The consumer's header-only library geom, built with nothing in the build
# linking it, as in a library's own project, then installed, header and all;
# a second project that finds geom as installed compiles against its header,
# with no generator in its build.
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    "-DEXTRA_CALLS=set_target_properties(uses_header orient PROPERTIES EXCLUDE_FROM_ALL ON)")
must_pass("installing geom" "${CMAKE_COMMAND}" --install "${build}" --config Release --prefix "${prefix}")
expect_header("${prefix}/include/geom/roundoff_bounds.h")

set(second "${WORK_DIR}/second")
configure_command(configure_second "${second}")
must_pass("configuring the second project" ${configure_second} -DROUNDOFF_BOUNDS_FROM=geom-package ${only_this_prefix})
must_pass("building the second project" "${CMAKE_COMMAND}" --build "${second}" --config Release)
must_pass("testing the second project" "${CMAKE_CTEST_COMMAND}" --test-dir "${second}" -C Release)
