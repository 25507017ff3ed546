# The MSVC dialect with /arch:AVX2 /fp:fast in the build's flags: the
# configuration stops with one message that names /fp:fast. Given
# NO_FLOATING_POINT_OPTIONS instead, a source compiled with /fp:fast builds,
# and its in-place check names what broke, run under Wine.
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory "-DCMAKE_C_FLAGS_RELEASE=/O2 /arch:AVX2 /fp:fast")
expect_stopped("/fp:fast" "${status}" "${out}" "roundoff_bounds_add_header\\(geom\\): [^:]*/fp:fast")

file(REMOVE_RECURSE "${build}")
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    -DGEOM_HEADER_OPTIONS=NO_FLOATING_POINT_OPTIONS
    "-DEXTRA_CALLS=set_source_files_properties(orient.c PROPERTIES COMPILE_OPTIONS /fp:fast)")
run_step(status out ${EMULATOR} "${build}/orient.exe")
if(status EQUAL 0 OR NOT out MATCHES "arithmetic: a sum reassociated\n")
    fail("the in-place check of a source compiled with /fp:fast did not name a sum reassociated:\n${out}")
endif()
