#!/bin/sh
# A linker launcher that runs the link it is given without -mpc64, whose
# start-up routine sets an x87 unit to 53-bit significands: the program then
# starts as the unit does, at 64 bits, or as a routine of its own sets it.
for arg; do
    shift
    [ "$arg" = -mpc64 ] || set -- "$@" "$arg"
done
exec "$@"
