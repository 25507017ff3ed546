#!/bin/sh
# Runs one program of the 32-bit Windows build under Wine's 32-bit loader.
# That loader is itself a 32-bit Linux program, so it starts only where the
# kernel runs 32-bit programs, and nothing else here can run the program.
# Where the kernel refuses them, this prints a line that marks the test as not
# run (the build's tests take it as a skip) and fails. The choice is made here,
# at each run, so that configuring and building look the same on every
# machine.
#
#   run-wine32.sh LOADER PROGRAM [ARGS...]   runs PROGRAM under LOADER
#   run-wine32.sh LOADER --which             says whether PROGRAM would run
set -u
loader=$1
shift

if "$loader" --version >/dev/null 2>&1; then
    :
elif ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "run-wine32.sh: not run: the kernel does not run 32-bit programs, so 32-bit Wine cannot start" >&2
    exit 1
else
    echo "run-wine32.sh: $loader does not start, though the kernel runs 32-bit programs" >&2
    exit 1
fi

if [ "${1:-}" = --which ]; then
    echo "32-bit Windows programs run under 32-bit Wine ($loader; the kernel runs 32-bit programs)"
else
    exec "$loader" "$@"
fi
