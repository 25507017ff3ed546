# A generator that fails halfway through fails the build and leaves no
# header behind. A cross build for this very system, so that the stand-in
# runs as its emulator.
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}"
    "-DCMAKE_CROSSCOMPILING_EMULATOR=${consumer_dir}/fail_halfway.sh")
expect_configured("configuration" "${status}" "${out}" "CMake Warning")
run_step(status out ${build_it})
if(status EQUAL 0)
    fail("the build succeeded with a failing generator")
endif()
generated_headers(headers "${build}")
if(headers)
    fail("a failed generator left files behind: ${headers}")
endif()
