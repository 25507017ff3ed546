# Read by cpack before it makes any package (CPACK_PROJECT_CONFIG_FILE): the
# time every member of every package is stamped with. CPack takes it from
# SOURCE_DATE_EPOCH; where that is not set, this sets it to the time of the
# commit being packaged, or, in a source package, which holds no git, to the
# time that package records in .source-date-epoch, or else to the release's
# date. The source package records it in turn (package_layout.cmake). Zip
# stamps local times, so the packages are made in UTC.
set(ENV{TZ} UTC)
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(source "${CPACK_ROUNDOFF_BOUNDS_SOURCE_DIR}")
    set(epoch "")
    find_program(ROUNDOFF_BOUNDS_GIT git)
    if(ROUNDOFF_BOUNDS_GIT)
        # Only this tree's own commit, not that of a repository it lies in.
        execute_process(COMMAND "${ROUNDOFF_BOUNDS_GIT}" -C "${source}" rev-parse --show-toplevel
            OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        file(REAL_PATH "${source}" source_path)
        if(top)
            file(REAL_PATH "${top}" top)
        endif()
        if(top STREQUAL source_path)
            execute_process(COMMAND "${ROUNDOFF_BOUNDS_GIT}" -C "${source}" log -1 --format=%ct
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        endif()
    endif()
    if(NOT epoch MATCHES "^[0-9]+$" AND EXISTS "${source}/.source-date-epoch")
        file(STRINGS "${source}/.source-date-epoch" epoch LIMIT_COUNT 1)
    endif()
    if(NOT epoch MATCHES "^[0-9]+$")
        execute_process(COMMAND date -u -d "${CPACK_ROUNDOFF_BOUNDS_RELEASE_DATE}" +%s
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
