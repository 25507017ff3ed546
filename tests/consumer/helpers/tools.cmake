# The tools that only some modes need, and the machines they build for.

# A tool that is missing: the mode reports itself as not run (a CTest skip),
# except in CI, which must run everything that can be had here. A package
# that apt cannot install on this machine (its release lacks it, or a mirror
# caught mid-sync) is not run in CI either, and says why.
function(not_installed name package)
    set(why "Debian package ${package}")
    if("$ENV{CI}" STREQUAL "true")
        execute_process(COMMAND sh "${consumer_dir}/../toolchains/apt-cannot-install.sh" "${package}"
            RESULT_VARIABLE installable OUTPUT_VARIABLE why OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(installable EQUAL 0)
            fail("${name} is not installed")
        endif()
    endif()
    # On a line of its own, unwrapped, for the test's skip expression.
    message(NOTICE "${name} is not installed (${why}): nothing checked")
    message(FATAL_ERROR "not run")
endfunction()
function(need_tool var name package)
    find_program(${var} ${name})
    if(NOT ${var})
        not_installed(${name} ${package})
    endif()
endfunction()

# x86_64_v3_runner(VAR): empty where this processor runs x86-64-v3 programs
# (it has FMA and AVX2) and ROUNDOFF_BOUNDS_FORCE_QEMU is not set; else the
# emulator that runs them, qemu-x86_64's most capable model.
function(x86_64_v3_runner var)
    file(READ /proc/cpuinfo cpu)
    set(runner "")
    set(where "this processor")
    if(NOT cpu MATCHES " fma " OR NOT cpu MATCHES " avx2 " OR "$ENV{ROUNDOFF_BOUNDS_FORCE_QEMU}")
        need_tool(V3_QEMU qemu-x86_64 qemu-user)
        set(runner "${V3_QEMU}" -cpu max)
        set(where "qemu-x86_64 -cpu max")
    endif()
    message(STATUS "x86-64-v3 programs run on ${where}")
    set(${var} "${runner}" PARENT_SCOPE)
endfunction()

# x86_64_v3(VAR): the configure arguments that build the consumer's C with
# GCC for x86-64-v3, which contracts into fused multiply-adds by default, and
# run its programs (x86_64_v3_runner).
function(x86_64_v3 var)
    need_tool(V3_CC gcc gcc)
    set(args "-DCMAKE_C_COMPILER=${V3_CC}" -DCMAKE_C_FLAGS=-march=x86-64-v3)
    x86_64_v3_runner(runner)
    if(runner)
        list(JOIN runner "]] [[" runner)
        file(WRITE "${WORK_DIR}/qemu-x86-64-v3.cmake"
            "set(CMAKE_CROSSCOMPILING_EMULATOR [[${runner}]] CACHE STRING \"\")\n")
        list(APPEND args "-DCMAKE_SYSTEM_NAME=${CMAKE_HOST_SYSTEM_NAME}" -C "${WORK_DIR}/qemu-x86-64-v3.cmake")
    endif()
    set(${var} "${args}" PARENT_SCOPE)
endfunction()
