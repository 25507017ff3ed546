# The generator rebuilt, writing the same header, recompiles nothing that
# includes it, nor the arithmetic check, which does not run again, and
# leaves Ninja nothing to do afterwards. A copy of the source, so that
# touching it changes nothing of the tree under test.
set(copy "${WORK_DIR}/source")
file(MAKE_DIRECTORY "${copy}")
file(COPY "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/cmake" "${SOURCE_DIR}/generator"
    "${SOURCE_DIR}/roundoff" DESTINATION "${copy}")
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    "-DROUNDOFF_BOUNDS_SOURCE_DIR=${copy}")

file(TOUCH "${copy}/generator/main.cpp")
run_step(status out ${build_it})
if(NOT status EQUAL 0 OR NOT out MATCHES "Measuring the arithmetic")
    fail("the generator did not run again after a change:\n${out}")
endif()
if(out MATCHES "Building C object|Checking the arithmetic")
    fail("a header with the same bytes recompiled or checked again what includes it:\n${out}")
endif()
expect_header("${header}")
if(GENERATOR MATCHES "Ninja")
    run_step(status out ${build_it})
    if(NOT out MATCHES "ninja: no work to do")
        fail("Ninja had work left after the header was regenerated:\n${out}")
    endif()
endif()
