# A compiler launcher that adds options after all others, where the
# function's cannot win, as a compiler wrapper might: the arithmetic check
# stops the build with one message that names the target, the language, the
# compiler and what broke. With NO_ARITHMETIC_CHECK the same build goes
# through, and the same check built as a program of the consumer's own fails
# as it did, and the in-place check that orient calls names the same: the
# check stopped a build whose code was wrong. On a unit with
# excess precision (x87, m68k) the launcher takes -ffloat-store back, and a
# linker launcher drops -mpc64; elsewhere GCC for x86-64-v3 is asked to
# contract, and to reassociate.
function(script name text)
    file(WRITE "${WORK_DIR}/${name}" "#!/bin/sh\n${text}\n")
    file(CHMOD "${WORK_DIR}/${name}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
if(SYSTEM_PROCESSOR MATCHES "^(i686|m68k)$")
    set(cases "-fno-float-store|doubles kept wider than 53 bits")
    list(APPEND configure "-DCMAKE_C_LINKER_LAUNCHER=${consumer_dir}/drop-pc64.sh")
else()
    set(cases "-ffp-contract=fast|a multiply fused into an add"
        "-fassociative-math -fno-signed-zeros -fno-trapping-math|a sum reassociated")
    list(FILTER configure EXCLUDE REGEX "^-DCMAKE_C_COMPILER=")
    x86_64_v3(v3)
    list(APPEND configure ${v3})
endif()
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 adds)
    list(GET case 1 broke)
    script(launcher.sh "exec \"$@\" ${adds}")
    set(launched ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
        "-DCMAKE_C_COMPILER_LAUNCHER=${WORK_DIR}/launcher.sh")
    file(REMOVE_RECURSE "${build}")
    run_step(status out ${launched})
    expect_configured("configuration" "${status}" "${out}" "CMake Warning")
    run_step(status out ${build_it})
    expect_stopped("a launcher adding ${adds}" "${status}" "${out}"
        "roundoff_bounds_add_header\\(geom\\): the arithmetic check failed for geom's C code \\(GNU [0-9.]+\\): [^.]*${broke}")

    file(REMOVE_RECURSE "${build}")
    configure_and_build(header "${build}" ${launched} -DGEOM_HEADER_OPTIONS=NO_ARITHMETIC_CHECK
        -DARITHMETIC_TEST=ON)
    expect_arithmetic_broken("${build}" "${broke}")
endforeach()
