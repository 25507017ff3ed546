#!/bin/sh
# Runs one 32-bit x86 program of the x87 build: on the processor itself where
# the kernel runs 32-bit programs, since the processor's own x87 unit is what
# users have; otherwise under qemu-i386, which models the x87 precision
# control. The choice is made here, at each run, so that configuring the build
# looks the same on every machine. ROUNDOFF_FORCE_QEMU=1 picks qemu-i386 even
# where the processor could run the program, so both runners can be checked on
# one machine.
#
#   run-i386.sh PROGRAM [ARGS...]   runs PROGRAM
#   run-i386.sh --which             says which runner PROGRAM would get
set -u

if [ "${ROUNDOFF_FORCE_QEMU:-0}" != 0 ]; then
    runner=qemu reason="forced by ROUNDOFF_FORCE_QEMU"
elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    runner=processor reason="the kernel runs 32-bit programs"
else
    runner=qemu reason="the kernel does not run 32-bit programs"
fi

if [ $runner = qemu ] && ! command -v qemu-i386 >/dev/null 2>&1; then
    echo "run-i386.sh: qemu-i386 not found ($reason): install the Debian package qemu-user" >&2
    exit 127
fi

if [ "${1:-}" = --which ]; then
    case $runner in
    processor) echo "32-bit programs run on the processor's own x87 unit ($reason)" ;;
    qemu) echo "32-bit programs run under qemu-i386 ($reason)" ;;
    esac
elif [ $runner = processor ]; then
    exec "$@"
else
    exec qemu-i386 "$@"
fi
