# The packages, made by CPack from the install rules, so that what is
# installed and what is packaged stay one description. In a build tree:
#
#   cpack -G DEB    Debian 12, from a Release build configured with
#                   -DCMAKE_INSTALL_PREFIX=/usr: roundoff-bounds_<version>_<arch>.deb
#   cpack -G TGZ    the same files as a tree to unpack anywhere
#   cpack -G ZIP    Windows, from the windows-msvc build
#   cpack --config CPackSourceConfig.cmake -G TGZ
#                   the sources: the repository's files under one folder
#
# Each package gets a SHA-256 file beside it.
set(CPACK_PACKAGE_NAME roundoff_bounds)
set(CPACK_PACKAGE_VENDOR "The roundoff_bounds authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rounding constants of this machine as a C/C++ header")
# Lines of at most 80 characters, as Debian's control file wants them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "roundoff_bounds measures how the machine it runs on rounds double-precision\n"
    "arithmetic and writes the constants that follow from that measurement to\n"
    "standard output as a C/C++ header: the splitter, which cuts a double into two\n"
    "half-length parts, and the error bounds that floating-point geometric\n"
    "predicates (orientation, in-circle, in-sphere) use to decide when their fast\n"
    "answer can be trusted. The package holds the program, its manual page, and a\n"
    "CMake package whose function roundoff_bounds_add_header generates the header\n"
    "in a project's own build.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_VERBATIM_VARIABLES ON)
if(CMAKE_STRIP)
    set(CPACK_STRIP_FILES ON)
endif()

# Debian: its own package name (no underscores), the license in Debian's
# copyright format and a Debian change log, put in place by
# debian_layout.cmake once CPack has installed the files.
set(CPACK_DEBIAN_PACKAGE_NAME roundoff-bounds)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The roundoff_bounds authors <roundoff-bounds@example.org>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package_layout.cmake")
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package_modes.cmake")
set(CPACK_ROUNDOFF_BOUNDS_RELEASE_DATE "${ROUNDOFF_BOUNDS_RELEASE_DATE}")
set(CPACK_ROUNDOFF_BOUNDS_DOCDIR "${CMAKE_INSTALL_DOCDIR}")

# Reproducible: the same commit gives the same bytes, whatever the folder,
# the time, the umask, the time zone or the locale of the build. CPack stamps
# every member with the time package_time.cmake settles on; the directories
# it makes get the modes of a umask of 022, and package_layout.cmake gives
# the rest the same. Owners are root where CPack can say so (CMake 4.3 on
# for the archives, always for the Debian package); before that the
# archives name the builder's.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/package_time.cmake")
set(CPACK_ROUNDOFF_BOUNDS_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_ARCHIVE_UID 0)
set(CPACK_ARCHIVE_GID 0)

# The source package holds what the repository tracks: not the build folders
# and the generated header that .gitignore names, nor git's own folder; and
# the time its packages are stamped with, .source-date-epoch
# (package_layout.cmake).
set(CPACK_SOURCE_GENERATOR TGZ)
string(REGEX REPLACE "([][+.*()^$])" "\\\\\\1" source_dir "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES
    "^${source_dir}/\\.git/"
    "^${source_dir}/build/"
    "^${source_dir}/out/"
    "^${source_dir}/roundoff_bounds\\.h$")

include(CPack)
