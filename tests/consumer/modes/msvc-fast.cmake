# The MSVC dialect with /arch:AVX2 /fp:fast in the build's flags: the
# configuration stops with one message that names /fp:fast.
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory "-DCMAKE_C_FLAGS_RELEASE=/O2 /arch:AVX2 /fp:fast")
expect_stopped("/fp:fast" "${status}" "${out}" "roundoff_bounds_add_header\\(geom\\): [^:]*/fp:fast")
