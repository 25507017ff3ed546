#!/bin/sh
# Runs one 32-bit x86 program of the x87 build: on the processor itself where
# the kernel runs 32-bit programs, since the processor's own x87 unit is what
# users have; otherwise under qemu-i386, which models the x87 precision
# control. Either way the program's libraries are those of Debian's i686
# cross compiler, in /usr/i686-linux-gnu, loaded by that folder's loader. The
# choice is made here, at each run, so that configuring the build looks the
# same on every machine. ROUNDOFF_BOUNDS_FORCE_QEMU=1 picks qemu-i386 even where the
# processor could run the program, so both runners can be checked on one
# machine. ROUNDOFF_BOUNDS_PRELOAD names a library for the program's loader to
# preload (for the program alone, not for this script).
#
#   run-i386.sh PROGRAM [ARGS...]   runs PROGRAM
#   run-i386.sh --which             says which runner PROGRAM would get
set -u
sysroot=/usr/i686-linux-gnu
loader=$sysroot/lib/ld-linux.so.2

if [ ! -f "$loader" ]; then
    echo "run-i386.sh: $loader not found: install the Debian package g++-i686-linux-gnu" >&2
    exit 127
fi
if [ "${ROUNDOFF_BOUNDS_FORCE_QEMU:-0}" != 0 ]; then
    runner=qemu reason="forced by ROUNDOFF_BOUNDS_FORCE_QEMU"
elif "$loader" --version >/dev/null 2>&1; then
    runner=processor reason="the kernel runs 32-bit programs"
else
    runner=qemu reason="the kernel does not run 32-bit programs"
fi

if [ $runner = qemu ] && ! command -v qemu-i386 >/dev/null 2>&1; then
    echo "run-i386.sh: qemu-i386 not found ($reason): install the Debian package qemu-user" >&2
    exit 127
fi

preload=${ROUNDOFF_BOUNDS_PRELOAD:-}
unset ROUNDOFF_BOUNDS_PRELOAD
if [ "${1:-}" = --which ]; then
    case $runner in
    processor) echo "32-bit programs run on the processor's own x87 unit ($reason)" ;;
    qemu) echo "32-bit programs run under qemu-i386 ($reason)" ;;
    esac
elif [ $runner = processor ]; then
    exec "$loader" --library-path "$sysroot/lib" ${preload:+--preload "$preload"} "$@"
else
    exec qemu-i386 -L "$sysroot" ${preload:+-E "LD_PRELOAD=$preload"} "$@"
fi
