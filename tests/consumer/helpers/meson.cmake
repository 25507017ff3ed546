# The consumer as a Meson project: set up, natively or as a cross build, and
# built and tested.

# readme_meson_recipe(VAR): the README's Meson recipe, as its users copy
# it, but for the line that builds its mesher.
function(readme_meson_recipe var)
    file(READ "${SOURCE_DIR}/README.md" text)
    foreach(mark IN ITEMS "\n## In a Meson build\n" "\n```meson\n")
        string(FIND "${text}" "${mark}" at)
        if(at EQUAL -1)
            fail("the README has no Meson recipe: '${mark}' not found")
        endif()
        string(LENGTH "${mark}" length)
        math(EXPR at "${at} + ${length}")
        string(SUBSTRING "${text}" ${at} -1 text)
    endforeach()
    string(FIND "${text}" "\n```" end)
    string(SUBSTRING "${text}" 0 ${end} text)
    string(REGEX REPLACE "\nexecutable\\('mesher'[^\n]*" "" recipe "${text}")
    if(recipe STREQUAL text)
        fail("the README's Meson recipe builds no mesher to leave out")
    endif()
    set(${var} "${recipe}\n" PARENT_SCOPE)
endfunction()

# meson_setup(MESON [C_ARGS args] [MACHINE text] [WRAPPER command...]): sets
# the consumer up in build as a Meson project, the README's recipe with the
# consumer's tests, with the generator in subprojects/, a strict project's
# C++ flags on the generator's sources and warnings as errors, and gives the
# meson program in MESON. Natively with this build's compilers, or as a cross
# build for the host machine MACHINE (a cross file's [host_machine] text)
# whose programs run under WRAPPER; a cross build under test is one for its
# own processor, under its emulator. C_ARGS are the C flags.
function(meson_setup meson_var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "MACHINE" "C_ARGS;WRAPPER")
    need_tool(MESON meson meson)
    set(${meson_var} "${MESON}" PARENT_SCOPE)
    set(project "${WORK_DIR}/project")
    file(COPY "${consumer_dir}/check_constants.c" "${consumer_dir}/orient.c"
        "${expected_dir}/expected_constants.h" DESTINATION "${project}")
    readme_meson_recipe(recipe)
    file(READ "${consumer_dir}/meson-tests.build" tests)
    file(WRITE "${project}/meson.build" "${recipe}\n${tests}")
    file(MAKE_DIRECTORY "${project}/subprojects")
    file(CREATE_LINK "${SOURCE_DIR}" "${project}/subprojects/roundoff_bounds" SYMBOLIC)

    list(JOIN strict " " cpp_args)
    set(setup "${MESON}" setup "${build}" "${project}" -Dwerror=true "-Dcpp_args=${cpp_args}")
    if(arg_C_ARGS)
        list(APPEND setup "-Dc_args=${arg_C_ARGS}")
    endif()
    set(target_args "")
    if(NOT DEFINED arg_MACHINE AND CROSSCOMPILING)
        # Meson's names for the processors of the cross builds that run it.
        set(families "aarch64 aarch64 little" "m68k m68k big" "i686 x86 little")
        list(FILTER families INCLUDE REGEX "^${SYSTEM_PROCESSOR} ")
        if(NOT families)
            fail("no Meson cross file for ${SYSTEM_PROCESSOR}")
        endif()
        separate_arguments(family UNIX_COMMAND "${families}")
        list(GET family 1 cpu_family)
        list(GET family 2 endian)
        if(COMPILER_TARGET)
            set(target_args ", '--target=${COMPILER_TARGET}'")
        endif()
        set(arg_MACHINE "system = 'linux'\ncpu_family = '${cpu_family}'\ncpu = '${SYSTEM_PROCESSOR}'\nendian = '${endian}'\n")
        set(arg_WRAPPER ${EMULATOR})
    endif()
    if(DEFINED arg_MACHINE)
        # Meson 1.12 finds CMake, for its cmake module, in the cross file.
        # Meson believes that a machine runs the programs of some others
        # (x86-64 those of 32-bit x86) and runs them directly unless told
        # that they need the wrapper; a kernel may refuse them.
        list(JOIN arg_WRAPPER "', '" wrapper)
        file(WRITE "${WORK_DIR}/cross.ini"
            "[binaries]\n"
            "c = ['${C_COMPILER}'${target_args}]\n"
            "cpp = ['${CXX_COMPILER}'${target_args}]\n"
            "ar = '${AR}'\n"
            "strip = '${STRIP}'\n"
            "cmake = '${CMAKE_COMMAND}'\n"
            "exe_wrapper = ['${wrapper}']\n"
            "[host_machine]\n${arg_MACHINE}"
            "[properties]\n"
            "needs_exe_wrapper = true\n")
        list(APPEND setup --cross-file "${WORK_DIR}/cross.ini")
    else()
        set(setup "${CMAKE_COMMAND}" -E env "CC=${C_COMPILER}" "CXX=${CXX_COMPILER}" ${setup})
    endif()
    run_step(status out ${setup})
    expect_configured("meson setup" "${status}" "${out}" "WARNING")
endfunction()

# expect_meson_build(MESON): the Meson build set up in build generates the
# expected header, runs the arithmetic check, which passes, before the
# consumer's code compiles, and the consumer's tests pass.
function(expect_meson_build meson)
    run_step(status out "${meson}" compile -C "${build}")
    if(out MATCHES "Exec format error")
        fail("Meson ran a program for the host machine directly, not under the cross file's exe_wrapper: its [properties] need needs_exe_wrapper = true:\n${out}")
    elseif(NOT status EQUAL 0)
        fail("meson compile failed:\n${out}")
    endif()
    expect_header("${build}/roundoff_bounds.h")
    file(READ "${build}/roundoff_bounds_checked" checked)
    if(NOT checked MATCHES "^ok: ")
        fail("the arithmetic check did not pass: ${checked}")
    endif()
    must_pass("meson test" "${meson}" test -C "${build}")
endfunction()
