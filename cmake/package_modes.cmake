# Run by CPack once it has made a package (CPACK_POST_BUILD_SCRIPTS). The
# members of a Debian package's ar archive (debian-binary, control.tar.*,
# data.tar.*) take their modes from files that CPack writes under the
# builder's umask; so that the same commit gives the same bytes, each is
# given the mode dpkg-deb gives them, 100644, in its header in place.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${package}" size)
    set(offset 8) # past "!<arch>\n"
    while(offset LESS size)
        # A member's header: name 16, time 12, owner 6, group 6, mode 8,
        # size 10 and a 2-byte end; the member follows, padded to even.
        file(READ "${package}" header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 40 8 mode)
        string(SUBSTRING "${header}" 48 10 length)
        string(STRIP "${length}" length)
        if(NOT length MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${package}: no ar member header at byte ${offset}")
        endif()
        if(NOT mode STREQUAL "100644  ")
            math(EXPR at "${offset} + 40")
            execute_process(COMMAND sh -c "printf '100644  ' | dd of=\"$1\" bs=1 seek=$2 conv=notrunc status=none"
                sh "${package}" ${at} COMMAND_ERROR_IS_FATAL ANY)
        endif()
        math(EXPR offset "${offset} + 60 + ${length} + ${length} % 2")
    endwhile()
endforeach()
