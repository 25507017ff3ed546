# GCC for x86-64-v3, with options that ask for contraction set where they
# would come after the function's: on the header-only library after the
# call, and on a source of a program that links it. The function's options
# are put after them, so the check passes and the orientation is right.
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
x86_64_v3(v3)
foreach(late IN ITEMS "target_compile_options(geom INTERFACE -ffp-contract=fast)"
                      "set_source_files_properties(orient.c PROPERTIES COMPILE_OPTIONS -ffp-contract=fast)")
    file(REMOVE_RECURSE "${build}")
    configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3}
        "-DEXTRA_CALLS=${late}")
    expect_consumer_tests_pass("${build}")
endforeach()
