# A consumer configured as an Emscripten user configures it, with emcmake
# and no toolchain file of this project's, taking the generator in by
# add_subdirectory and by FetchContent: the expected header, and its
# programs pass under the Node.js that Emscripten's toolchain file names.
need_tool(EMCMAKE emcmake emscripten)
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_TOOLCHAIN_FILE=")
foreach(from IN ITEMS subdirectory fetchcontent)
    file(REMOVE_RECURSE "${build}")
    configure_and_build(header "${build}" "${EMCMAKE}" ${configure} -DROUNDOFF_BOUNDS_FROM=${from}
        ${only_this_prefix})
    expect_consumer_tests_pass("${build}")
endforeach()
