# Windows on x64 as Microsoft's toolchain builds it: clang-cl, the MSVC
# command-line dialect (so CMake sets MSVC and the project's MSVC options
# apply), linking with lld-link against the Universal CRT, ucrtbase.dll,
# whose printf writes the header on a Windows machine built with Visual
# Studio. Its programs run here under Wine.
#
# The Windows SDK and Visual Studio's libraries cannot be installed here, so
# Wine's development files stand in for them: the Universal CRT's C headers,
# import libraries for ucrtbase.dll and kernel32.dll, and libwinecrt0.a for
# the start-up that calls main. They hold no C++ library, so ucrt-cxx/ beside
# this file gives the program the few C++ names of C headers it includes.
include("${CMAKE_CURRENT_LIST_DIR}/require.cmake")

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

# The LLVM tools of the release's own Clang: some releases put only versioned
# names on PATH, so they are looked for beside the program that clang is.
set(msvc_packages clang clang-tools lld llvm libwine-dev)
roundoff_require_program(ROUNDOFF_BOUNDS_CLANG clang ${msvc_packages})
file(REAL_PATH "${ROUNDOFF_BOUNDS_CLANG}" llvm_bin)
get_filename_component(llvm_bin "${llvm_bin}" DIRECTORY)
set(CMAKE_PROGRAM_PATH "${llvm_bin}")
roundoff_require_program(ROUNDOFF_BOUNDS_CLANG_CL clang-cl ${msvc_packages})
roundoff_require_program(ROUNDOFF_BOUNDS_LLD_LINK lld-link ${msvc_packages})
roundoff_require_program(ROUNDOFF_BOUNDS_LLVM_LIB llvm-lib ${msvc_packages})
roundoff_require_program(ROUNDOFF_BOUNDS_LLVM_RC llvm-rc ${msvc_packages})
roundoff_require_program(ROUNDOFF_BOUNDS_LLVM_MT llvm-mt ${msvc_packages})
unset(CMAKE_PROGRAM_PATH)
set(CMAKE_C_COMPILER "${ROUNDOFF_BOUNDS_CLANG_CL}")
set(CMAKE_CXX_COMPILER "${ROUNDOFF_BOUNDS_CLANG_CL}")
set(CMAKE_C_COMPILER_TARGET x86_64-pc-windows-msvc)
set(CMAKE_CXX_COMPILER_TARGET x86_64-pc-windows-msvc)
set(CMAKE_LINKER "${ROUNDOFF_BOUNDS_LLD_LINK}")
set(CMAKE_AR "${ROUNDOFF_BOUNDS_LLVM_LIB}")
set(CMAKE_RC_COMPILER "${ROUNDOFF_BOUNDS_LLVM_RC}")
set(CMAKE_MT "${ROUNDOFF_BOUNDS_LLVM_MT}")

set(wine_include /usr/include/wine/wine)
set(wine_lib /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
if(NOT EXISTS "${wine_include}/msvcrt/stdio.h" OR NOT EXISTS "${wine_lib}/libucrtbase.a")
    roundoff_unavailable_without("the Universal CRT's headers" libwine-dev)
    roundoff_stop("The Universal CRT's headers and import libraries are missing: install the Debian packages: ${msvc_packages}")
endif()

# /imsvc makes the CRT's headers system headers, as Visual Studio's are.
# /GS- : the stack-protection cookie lives in Visual Studio's runtime library.
# The folders are quoted, as a clone's may hold a space.
set(CMAKE_C_FLAGS_INIT "/GS- /imsvc \"${wine_include}/msvcrt\" /imsvc \"${wine_include}/windows\"")
set(CMAKE_CXX_FLAGS_INIT "/imsvc \"${CMAKE_CURRENT_LIST_DIR}/ucrt-cxx\" ${CMAKE_C_FLAGS_INIT}")

# Only the libraries named here, on every link, CMake's own checks included:
# none of Visual Studio's default libraries exist.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "/nodefaultlib /entry:mainCRTStartup ${wine_lib}/libwinecrt0.a ${wine_lib}/libucrtbase.a ${wine_lib}/libkernel32.a")
foreach(language IN ITEMS C CXX)
    set(CMAKE_${language}_STANDARD_LIBRARIES "" CACHE STRING "Libraries linked by every ${language} program")
endforeach()

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

include("${CMAKE_CURRENT_LIST_DIR}/wine.cmake")
roundoff_wine_emulator(64)
