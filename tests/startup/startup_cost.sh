#!/usr/bin/env bash
# The program's whole cost is process start-up. Counts the instructions of a
# whole run under callgrind, for the program and for a plain C program that
# writes the same text, and fails when the program needs more than 5% more.
#
#   startup_cost.sh VALGRIND PROGRAM BASELINE
set -euo pipefail

valgrind=$1 program=$2 baseline=$3

instructions() {
    "$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
        sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p'
}

ours=$(instructions "$program")
plain=$(instructions "$baseline")
if [ -z "$ours" ] || [ -z "$plain" ]; then
    echo "FAIL: no instruction count from callgrind" >&2
    exit 1
fi

# Whole per mille, so the shell's integer arithmetic is enough.
permille=$((ours * 1000 / plain))
echo "instructions: roundoff_bounds $ours, plain C $plain, ratio $((permille / 1000)).$(printf '%03d' $((permille % 1000)))"
[ "$permille" -le 1050 ] || { echo "FAIL: more than 5% above the plain C program" >&2; exit 1; }
