# Configures and builds the project in this folder, a user's own, with the
# generator taken in as MODE says, and checks the header its build gets.
#
#   cmake -DMODE=... -DSOURCE_DIR=... -DBUILD_DIR=... -DCONFIG=... -DWORK_DIR=...
#         -DGENERATOR=... -DTOOLCHAIN=... -DC_COMPILER=... -DCXX_COMPILER=...
#         -DCROSSCOMPILING=... -DCOMPILER_TARGET=... -DSYSTEM_PROCESSOR=... -DAR=... -DSTRIP=...
#         -DEMULATOR=... -DWINE_PREFIX=...
#         -DEXPECTED=... -DLINE_ENDING=lf|crlf [-DPREFIX=...|-DPACKAGE_DIR=...]
#         -P consumer_test.cmake
#
# Each mode is one file, modes/<MODE>.cmake, which says at its top what it
# checks; helpers.cmake holds what they share.
if(NOT EXISTS "${CMAKE_CURRENT_LIST_DIR}/modes/${MODE}.cmake")
    message(FATAL_ERROR "unknown mode '${MODE}'")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
include("${CMAKE_CURRENT_LIST_DIR}/helpers.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/modes/${MODE}.cmake")
