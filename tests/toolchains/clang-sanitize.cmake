# Clang with AddressSanitizer and UndefinedBehaviorSanitizer; any report ends
# the process, so a test that triggers one fails.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

roundoff_require_program(ROUNDOFF_BOUNDS_CLANG clang clang)
roundoff_require_program(ROUNDOFF_BOUNDS_CLANGXX clang++ clang)
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_CLANG}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_CLANGXX}")
set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
roundoff_require_compiles("${CMAKE_CXX_COMPILER}" "${sanitize_flags}" libclang-rt-dev)
list(JOIN sanitize_flags " " sanitize_flags)
set(CMAKE_C_FLAGS_INIT "${sanitize_flags}")
set(CMAKE_CXX_FLAGS_INIT "${sanitize_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${sanitize_flags}")
