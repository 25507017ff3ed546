#!/usr/bin/env bash
# The cost of the in-place check: instructions under callgrind, which counts
# the same whatever else the machine does. A call costs the instructions of
# a run that makes 1,000 calls, less those of a run that makes none, over
# 1,000; an exact orientation, those of a run of orient (60,000 of them and
# one call) less the same, over 60,000. Fails where a call costs more than
# 1,000 instructions.
#
#   check_cost.sh VALGRIND BENCHMARK
set -euo pipefail

valgrind=$1 benchmark=$2

instructions() {
    "$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$benchmark" "$@" 2>&1 >/dev/null |
        sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p'
}

nothing=$(instructions nothing)
check=$(instructions check)
orient=$(instructions orient)
if [ -z "$nothing" ] || [ -z "$check" ] || [ -z "$orient" ]; then
    echo "FAIL: no instruction count from callgrind" >&2
    exit 1
fi
call=$(((check - nothing) / 1000))
orientation=$(((orient - nothing) / 60000))
echo "instructions: a call of the in-place check $call, an exact orientation $orientation"
[ "$call" -le 1000 ] || { echo "FAIL: a call costs more than 1,000 instructions" >&2; exit 1; }
