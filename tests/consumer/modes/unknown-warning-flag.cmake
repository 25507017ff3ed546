# A Clang project whose flags hold a warning option Clang does not know: the
# generator's measuring library still gets its floating-point options, which
# are left out only for a warning about themselves.
need_tool(STRICT_CXX clang++ clang)
need_tool(STRICT_CC clang clang)
list(FILTER configure EXCLUDE REGEX "^-DCMAKE_(C|CXX)_COMPILER=")
configure_and_build(header "${build}" ${configure} -DROUNDOFF_BOUNDS_FROM=subdirectory
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "-DCMAKE_C_COMPILER=${STRICT_CC}" "-DCMAKE_CXX_COMPILER=${STRICT_CXX}"
    -DCMAKE_CXX_FLAGS=-Wno-no-such-warning)
file(READ "${build}/compile_commands.json" commands)
string(JSON last LENGTH "${commands}")
math(EXPR last "${last} - 1")
set(probe_command "")
foreach(i RANGE ${last})
    string(JSON file GET "${commands}" ${i} file)
    if(file MATCHES "/roundoff/probe\\.cpp$")
        string(JSON probe_command GET "${commands}" ${i} command)
    endif()
endforeach()
if(NOT probe_command MATCHES " -ffp-contract=off( |$)")
    fail("the probe is compiled without -ffp-contract=off:\n${probe_command}")
endif()
