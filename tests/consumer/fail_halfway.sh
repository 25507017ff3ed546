#!/bin/sh
# Stands in for an emulator whose run of the generator breaks off: passes on
# the first half of the header, then fails. Any other program, such as a
# build system's check that the programs it compiles can run, runs as it is.
case ${1##*/} in
roundoff_bounds | roundoff_bounds.exe)
    "$@" | sed 13q
    exit 1
    ;;
esac
exec "$@"
