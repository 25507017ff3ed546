# A compiler launcher that adds options after all others, where the
# function's cannot win, as a compiler wrapper might: the arithmetic check
# stops the build with one message that names the target, the language, the
# compiler and what broke. With NO_ARITHMETIC_CHECK the same build goes
# through, and where the fault is one that breaks the consumer's orientation
# (contraction, excess precision), that is wrong: the check stopped a build
# whose code was wrong. On a unit with excess precision (x87, m68k) the
# launcher takes -ffloat-store back, and a linker launcher drops -mpc64;
# elsewhere GCC for x86-64-v3 is asked to contract, and to reassociate, which
# breaks the check's two-sum but not that orientation's shape.
if(SYSTEM_PROCESSOR MATCHES "^(i686|m68k)$")
    set(cases "-fno-float-store|doubles kept wider than 53 bits|wrong")
    set(v3 "")
    file(WRITE "${WORK_DIR}/drop-pc64.sh"
        "#!/bin/sh\nfor arg; do shift; [ \"$arg\" = -mpc64 ] || set -- \"$@\" \"$arg\"; done\nexec \"$@\"\n")
    file(CHMOD "${WORK_DIR}/drop-pc64.sh" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    list(APPEND configure "-DCMAKE_C_LINKER_LAUNCHER=${WORK_DIR}/drop-pc64.sh")
else()
    set(cases "-ffp-contract=fast|a multiply fused into an add|wrong"
        "-fassociative-math -fno-signed-zeros -fno-trapping-math|a sum reassociated|kept")
    list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
    x86_64_v3(v3)
endif()
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 adds)
    list(GET case 1 broke)
    list(GET case 2 orientation)
    file(WRITE "${WORK_DIR}/launcher.sh" "#!/bin/sh\nexec \"$@\" ${adds}\n")
    file(CHMOD "${WORK_DIR}/launcher.sh" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set(launched ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory ${v3}
        "-DCMAKE_C_COMPILER_LAUNCHER=${WORK_DIR}/launcher.sh")
    file(REMOVE_RECURSE "${build}")
    run_step(${launched})
    expect_configured("configuration" "CMake Warning")
    run_step(${build_command})
    string(REGEX MATCHALL "CMake Error" errors "${out}")
    string(REGEX REPLACE "[ \n]+" " " said "${out}")
    list(LENGTH errors count)
    if(status EQUAL 0 OR NOT count EQUAL 1 OR NOT said MATCHES
       "roundoff_bounds_add_header\\(geom\\): the arithmetic check failed for geom's C code \\(GNU [0-9.]+\\): [^.]*${broke}")
        fail("a launcher adding ${adds} did not stop the build with one message that says ${broke}:\n${out}")
    endif()

    file(REMOVE_RECURSE "${build}")
    set(configure_saved "${configure}")
    set(configure ${launched})
    configure_and_build(-DGEOM_HEADER_OPTIONS=NO_ARITHMETIC_CHECK)
    set(configure "${configure_saved}")
    if(orientation STREQUAL "wrong")
        expect_orientation_wrong()
    endif()
endforeach()
