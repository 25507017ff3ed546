# A program in a folder of its own, not the one that called the function,
# that links the header-only library, built by GCC for x86-64-v3, which
# contracts: asked for contraction on its source there, it gets the
# function's options after that, so its in-place check finds nothing and its
# orientation is right; fast math on that source stops the configuration
# with one message that names the source.
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
x86_64_v3(v3)
x86_64_v3_runner(runner)
set(app "${WORK_DIR}/app")
foreach(asks IN ITEMS -ffp-contract=fast -ffast-math)
    file(WRITE "${app}/CMakeLists.txt"
        "add_executable(orient_app \"${consumer_dir}/orient.c\")\n"
        "target_link_libraries(orient_app PRIVATE geom::geom)\n"
        "set_source_files_properties(\"${consumer_dir}/orient.c\" PROPERTIES COMPILE_OPTIONS ${asks})\n")
    file(REMOVE_RECURSE "${build}")
    set(configure_app ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3}
        "-DEXTRA_CALLS=add_subdirectory([[${app}]] app)")
    if(asks STREQUAL "-ffast-math")
        run_step(status out ${configure_app})
        expect_stopped("fast math on a source of another folder" "${status}" "${out}"
            "roundoff_bounds_add_header\\(geom\\): the COMPILE_OPTIONS of [^ ]*orient.c, compiled into orient_app, holds -ffast-math")
    else()
        configure_and_build(header "${build}" ${configure_app})
        run_step(status out ${runner} "${build}/app/orient_app")
        if(NOT status EQUAL 0 OR NOT out MATCHES "arithmetic: as the constants assume\norientation: 0 of")
            fail("the program of another folder, asked for contraction, computed otherwise:\n${out}")
        endif()
    endif()
endforeach()
