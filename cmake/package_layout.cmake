# Run by CPack once it has put the files to be packaged in place, before it
# packs them. For a Debian package it lays them out as Debian policy asks:
# the documentation under the package's own name, the license as a copyright
# file in Debian's machine-readable format, a Debian change log, and the
# manual page compressed without a timestamp. Other packages keep the files
# as installed. In every package, the modes are those of a umask of 022
# whatever the builder's, so that the same commit gives the same bytes:
# writable by the owner alone, readable by all, and executable by all where
# by the owner.
function(roundoff_bounds_normal_modes)
    execute_process(COMMAND chmod -R u+rw,go-w,a+rX "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The source package records the time its members are stamped with, which
# its own packages take where git cannot tell it (package_time.cmake).
if(CPACK_PACKAGE_FILE_NAME MATCHES "-Source$")
    file(WRITE "${CPACK_TEMPORARY_DIRECTORY}/.source-date-epoch" "$ENV{SOURCE_DATE_EPOCH}\n")
endif()

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    roundoff_bounds_normal_modes()
    return()
endif()

set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(upstream_doc "${root}/${CPACK_ROUNDOFF_BOUNDS_DOCDIR}")
set(doc "${root}/share/doc/${CPACK_DEBIAN_PACKAGE_NAME}")

# The license: its text after the copyright line, as one paragraph of the
# copyright file, each line indented and each empty line a full stop.
file(STRINGS "${upstream_doc}/LICENSE" lines)
set(copyright_line "")
set(license "")
foreach(line IN LISTS lines)
    if(line MATCHES "^Copyright \\(c\\) (.*)$")
        set(copyright_line "${CMAKE_MATCH_1}")
    elseif(copyright_line)
        if(line STREQUAL "")
            string(APPEND license "\n .")
        else()
            string(APPEND license "\n ${line}")
        endif()
    endif()
endforeach()
string(REGEX REPLACE "^\n \\.\n" "\n" license "${license}")
file(REMOVE_RECURSE "${upstream_doc}")
file(WRITE "${doc}/copyright"
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: ${CPACK_PACKAGE_NAME}\n"
    "\n"
    "Files: *\n"
    "Copyright: ${copyright_line}\n"
    "License: Expat${license}\n")

# The change log of a native package: one entry for this release, dated as
# the project's change log dates it.
execute_process(COMMAND date -u -R -d "${CPACK_ROUNDOFF_BOUNDS_RELEASE_DATE}"
    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE "${doc}/changelog"
    "${CPACK_DEBIAN_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n"
    "\n"
    "  * Release ${CPACK_PACKAGE_VERSION} of ${CPACK_PACKAGE_NAME}.\n"
    "\n"
    " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}\n")

file(GLOB_RECURSE pages "${root}/share/man/*.[1-9]" "${doc}/changelog")
foreach(file IN LISTS pages)
    execute_process(COMMAND gzip -9 -n "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
roundoff_bounds_normal_modes()
