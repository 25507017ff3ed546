# Configures and builds the project in this folder, a user's own, with the
# generator taken in as MODE says, and checks the header its build gets.
#
#   cmake -DSETTINGS=<file> -DMODE=<mode> -DWORK_DIR=<folder> [-DCASE=<call>]
#         [-DPREFIX=<folder>|system | -DPACKAGE_DIR=<folder>] -P consumer_test.cmake
#
# SETTINGS is the file that the build under test wrote for its tests
# (tests/consumer-settings-<config>.cmake in its build tree): its source and
# build folders, generator, toolchain, compilers, emulator and the expected
# header. Each mode is one file, modes/<MODE>.cmake, which says at its top
# what it checks; helpers/ holds what they share: running steps (steps), the
# tools some modes need (tools), and the consumer as a CMake project
# (project) and as a Meson one (meson).
if(NOT EXISTS "${SETTINGS}")
    message(FATAL_ERROR "SETTINGS names no file: '${SETTINGS}'")
endif()
if(NOT EXISTS "${CMAKE_CURRENT_LIST_DIR}/modes/${MODE}.cmake")
    message(FATAL_ERROR "unknown mode '${MODE}'")
endif()
include("${SETTINGS}")
file(REMOVE_RECURSE "${WORK_DIR}")
set(consumer_dir "${CMAKE_CURRENT_LIST_DIR}")
foreach(helpers IN ITEMS steps tools project meson)
    include("${consumer_dir}/helpers/${helpers}.cmake")
endforeach()
include("${CMAKE_CURRENT_LIST_DIR}/modes/${MODE}.cmake")
