# Programs started by a routine of their own that changes the floating-point
# environment of their process before orient runs, as a library's
# initialisation may (change_environment.c): each change that this target
# can make (a rounding direction; with SSE, subnormal results flushed to
# zero, or subnormal inputs read as zero; on the x87 unit, 24-bit
# significands, after -mpc64 has set 53) is named by the in-place check that
# orient calls, and orient's wrong count is said beside it. The same program
# untouched gets a null pointer (the consumer's own orientation test).
set(changes "upward|rounding upward" "downward|rounding downward" "toward-zero|rounding toward zero")
if(SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$")
    list(APPEND changes "flush-to-zero|subnormal results flushed to zero"
        "denormals-are-zero|subnormal inputs read as zero")
elseif(SYSTEM_PROCESSOR STREQUAL "i686")
    list(APPEND changes "x87-24-bits|significands narrower than 53 bits")
endif()
set(names "")
foreach(change IN LISTS changes)
    string(REGEX REPLACE "[|].*" "" name "${change}")
    list(APPEND names "${name}")
endforeach()
list(JOIN names "," names)
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    "-DENVIRONMENT_CHANGES=${names}")
expect_consumer_tests_pass("${build}")

foreach(change IN LISTS changes)
    string(REPLACE "|" ";" change "${change}")
    list(GET change 0 name)
    list(GET change 1 named)
    string(MAKE_C_IDENTIFIER "${name}" program)
    file(GLOB_RECURSE program "${build}/orient_${program}" "${build}/orient_${program}.exe")
    if(NOT program)
        fail("no program orient_${name} was built")
    endif()
    run_step(status out ${EMULATOR} ${program})
    string(REGEX MATCH "orientation: [0-9]+ of [0-9]+ wrong" orientation "${out}")
    if(status EQUAL 0 OR NOT out MATCHES "arithmetic: ${named}" OR NOT orientation)
        fail("the in-place check did not name ${named} for a process started ${name}:\n${out}")
    endif()
    message(STATUS "${name}: the in-place check names ${named}; ${orientation}")
endforeach()
