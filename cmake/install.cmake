# Installs the program, its manual page and the CMake package through which
# other projects find it and generate the header in their own builds.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ROUNDOFF_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/roundoff_bounds")
install(TARGETS roundoff_bounds EXPORT roundoff_bounds_targets
    RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/generator/roundoff_bounds.1"
    DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(EXPORT roundoff_bounds_targets
    NAMESPACE roundoff_bounds::
    FILE roundoff_boundsTargets.cmake
    DESTINATION "${ROUNDOFF_PACKAGE_DIR}")
write_basic_package_version_file(roundoff_boundsVersionRule.cmake
    COMPATIBILITY SameMajorVersion)
configure_file("${CMAKE_CURRENT_LIST_DIR}/roundoff_boundsConfigVersion.cmake.in"
    roundoff_boundsConfigVersion.cmake @ONLY)
install(FILES
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_boundsConfig.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_header.cmake"
        "${CMAKE_CURRENT_LIST_DIR}/roundoff_bounds_run.cmake"
        "${CMAKE_CURRENT_BINARY_DIR}/roundoff_boundsVersionRule.cmake"
        "${CMAKE_CURRENT_BINARY_DIR}/roundoff_boundsConfigVersion.cmake"
    DESTINATION "${ROUNDOFF_PACKAGE_DIR}")
