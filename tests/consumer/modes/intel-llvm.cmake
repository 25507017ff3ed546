# Intel's icx and icpx, played by Clang (intel-llvm.sh), whose default
# floating-point model is fast: the function gives the code that takes the
# header icx's precise model without contraction, the check passes, and the
# orientation is right, at Release and with -march=x86-64-v3.
need_tool(ICX_CLANG clang clang)
foreach(name IN ITEMS icx icpx)
    configure_file("${consumer_dir}/intel-llvm.sh" "${WORK_DIR}/bin/${name}" COPYONLY)
endforeach()
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_(C|CXX)_COMPILER=")
list(APPEND configure "-DCMAKE_C_COMPILER=${WORK_DIR}/bin/icx" "-DCMAKE_CXX_COMPILER=${WORK_DIR}/bin/icpx")
x86_64_v3(v3)
list(FILTER v3 EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
foreach(march IN ITEMS "" v3)
    file(REMOVE_RECURSE "${build}")
    configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${${march}})
    file(GLOB identified "${build}/CMakeFiles/*/CMakeCCompiler.cmake")
    file(STRINGS "${identified}" id REGEX "CMAKE_C_COMPILER_ID \"IntelLLVM\"")
    if(NOT id)
        fail("CMake did not take the stand-in for icx")
    endif()
    expect_consumer_tests_pass("${build}")
endforeach()
