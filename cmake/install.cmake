# Installs the program with its manual page and license (component Runtime),
# and the CMake package through which other projects find it and generate the
# header in their own builds, with the in-place check's header (component
# Development).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS roundoff_bounds EXPORT roundoff_bounds_targets
    RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT Runtime)
install(FILES "${PROJECT_BINARY_DIR}/generator/roundoff_bounds.1"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT Runtime)
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT Runtime)

set(ROUNDOFF_BOUNDS_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/roundoff_bounds")
install(EXPORT roundoff_bounds_targets
    NAMESPACE roundoff_bounds::
    FILE roundoff_boundsTargets.cmake
    DESTINATION "${ROUNDOFF_BOUNDS_PACKAGE_DIR}"
    COMPONENT Development)
# The in-place check, where a compiler finds headers without being told.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/include/roundoff_bounds_check.h"
    DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}"
    COMPONENT Development)
write_basic_package_version_file(roundoff_boundsVersionRule.cmake
    COMPATIBILITY SameMajorVersion)
configure_file("${CMAKE_CURRENT_LIST_DIR}/roundoff_boundsConfigVersion.cmake.in"
    roundoff_boundsConfigVersion.cmake @ONLY)
configure_package_config_file("${CMAKE_CURRENT_LIST_DIR}/roundoff_boundsConfig.cmake.in"
    roundoff_boundsConfig.cmake
    INSTALL_DESTINATION "${ROUNDOFF_BOUNDS_PACKAGE_DIR}"
    PATH_VARS CMAKE_INSTALL_INCLUDEDIR)
install(FILES
        "${CMAKE_CURRENT_BINARY_DIR}/roundoff_boundsConfig.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_header.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_arithmetic.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_last_word.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_check.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_check.c"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_check_run.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_run.cmake"
        "${CMAKE_CURRENT_BINARY_DIR}/roundoff_boundsVersionRule.cmake"
        "${CMAKE_CURRENT_BINARY_DIR}/roundoff_boundsConfigVersion.cmake"
    DESTINATION "${ROUNDOFF_BOUNDS_PACKAGE_DIR}"
    COMPONENT Development)
# The in-place check, where a compiler finds headers without being told.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/include/roundoff_bounds_check.h"
    DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}"
    COMPONENT Development)
