# Ninja Multi-Config building every configuration at once gives each one the
# expected header of its own generator.
list(REMOVE_ITEM configure -G "${GENERATOR}" -DCMAKE_BUILD_TYPE=Release)
run_step(${configure} -G "Ninja Multi-Config" -DROUNDOFF_BOUNDS_FROM=subdirectory
    -DCMAKE_CROSS_CONFIGS=all -DCMAKE_DEFAULT_CONFIGS=all)
expect_configured("configuration" "CMake Warning")
must_pass("the build" "${CMAKE_COMMAND}" --build "${build}" --parallel ${cores})
generated_headers(headers)
list(LENGTH headers count)
if(NOT count EQUAL 3)
    fail("expected a header for each of Debug, Release and RelWithDebInfo, found: ${headers}")
endif()
foreach(header IN LISTS headers)
    expect_header("${header}")
endforeach()
