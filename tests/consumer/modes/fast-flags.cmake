# Flags that ask for contraction or fast math. -ffp-contract=fast in the
# build's flags is overridden: the orientation is right on x86-64-v3.
# -ffast-math in the build's flags, in the target's own options after the
# call, or on a source of a program that links it, stops the configuration
# with one message that names it.
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
x86_64_v3(v3)
list(TRANSFORM v3 REPLACE "^-DCMAKE_C_FLAGS=(.*)$" "-DCMAKE_C_FLAGS=\\1 -ffp-contract=fast")
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3})
expect_consumer_tests_pass("${build}")

foreach(fast IN ITEMS "-DCMAKE_C_FLAGS=-O2 -ffast-math"
                      "-DEXTRA_CALLS=target_compile_options(geom INTERFACE -ffast-math)"
                      "-DEXTRA_CALLS=set_source_files_properties(orient.c PROPERTIES COMPILE_OPTIONS -ffast-math)")
    file(REMOVE_RECURSE "${build}")
    run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory "${fast}")
    expect_stopped("'${fast}'" "${status}" "${out}" "roundoff_bounds_add_header\\(geom\\): [^:]* -ffast-math")
endforeach()
