# WebAssembly, built by Emscripten and run under Node.js: IEEE binary64 with
# one rounding direction, to nearest, and no control word at all.
# Emscripten's own toolchain file does the build, and names Node.js as the
# emulator that runs its programs; this file finds it, and first checks that
# a program it builds runs under the Node.js installed here, which an older
# Emscripten's output does not on a newer Node.js.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

roundoff_require_program(ROUNDOFF_BOUNDS_EMCC emcc emscripten)
roundoff_require_program(ROUNDOFF_BOUNDS_NODE "node;nodejs" nodejs)
file(REAL_PATH "${ROUNDOFF_BOUNDS_EMCC}" emscripten_root)
get_filename_component(emscripten_root "${emscripten_root}" DIRECTORY)

set(roundoff_dir "${CMAKE_BINARY_DIR}/roundoff-require")
file(MAKE_DIRECTORY "${roundoff_dir}")
file(WRITE "${roundoff_dir}/runs.c" "int main(void) { return 0; }\n")
execute_process(COMMAND "${ROUNDOFF_BOUNDS_EMCC}" "${roundoff_dir}/runs.c" -o "${roundoff_dir}/runs.js"
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(status EQUAL 0)
    execute_process(COMMAND "${ROUNDOFF_BOUNDS_NODE}" "${roundoff_dir}/runs.js" TIMEOUT 60
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
endif()
if(NOT status EQUAL 0)
    execute_process(COMMAND "${ROUNDOFF_BOUNDS_EMCC}" --version OUTPUT_VARIABLE emcc_version ERROR_QUIET)
    execute_process(COMMAND "${ROUNDOFF_BOUNDS_NODE}" --version OUTPUT_VARIABLE node_version ERROR_QUIET)
    string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" emcc_version "${emcc_version}")
    string(STRIP "${node_version}" node_version)
    string(REGEX MATCH "[A-Za-z]*Error[^\n]*" error "${out}")
    roundoff_unavailable("Emscripten ${emcc_version} builds no program that Node.js ${node_version} runs (${error})")
endif()

include("${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")
