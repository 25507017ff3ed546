# This machine's installed package, found by a build for another processor,
# is refused with a message that names both. The compilers need not build
# for it, as nothing is built.
install_this_build()
if(SYSTEM_PROCESSOR STREQUAL "aarch64")
    set(other x86_64)
else()
    set(other aarch64)
endif()
run_step(status out ${configure} -DROUNDOFF_BOUNDS_FROM=package ${only_this_prefix}
    "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}" "-DCMAKE_SYSTEM_PROCESSOR=${other}")
if(status EQUAL 0)
    fail("a build for ${other} took the package built for ${SYSTEM_PROCESSOR}")
endif()
string(FIND "${out}" "built for ${SYSTEM_PROCESSOR}, but this build is for ${other}" named)
if(named EQUAL -1)
    fail("the message does not name both processors:\n${out}")
endif()
