#!/usr/bin/env bash
# Runs the built program as a user or a build would, and checks what it
# writes and how it exits.
#
#   program_test.sh CHECK EXPECTED_HEADER LINE_ENDING PROGRAM [ARGS...]
#   program_test.sh readme README LINE_ENDING PROGRAM [ARGS...]
#
# PROGRAM may be several words (an emulator and the program). LINE_ENDING is
# lf, or crlf for a platform whose text streams end lines that way.
set -euo pipefail

check=$1 expected=$2 line_ending=$3
shift 3
program=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The README's "What it writes" block stands in for the expected header: it
# must be what the program writes, byte for byte.
if [ "$check" = readme ]; then
    awk '/^## What it writes$/ { section = 1 } section && /^```c$/ { block = 1; next }
         block && /^```$/ { exit } block' "$expected" >"$work/readme"
    [ -s "$work/readme" ] || fail "no header block under \"## What it writes\" in $expected"
    expected=$work/readme
fi

expected_bytes() {
    if [ "$line_ending" = crlf ]; then
        sed 's/$/\r/' "$expected"
    else
        cat "$expected"
    fi
}
expected_bytes >"$work/expected"

# Runs the program with the given redirections already applied by the caller
# and checks for a clean run: the whole header, status 0, nothing on stderr.
expect_header() {
    local label=$1 status=$2
    [ "$status" -eq 0 ] || fail "$label: exit status $status, expected 0: $(cat "$work/stderr")"
    [ ! -s "$work/stderr" ] || fail "$label: wrote to standard error: $(cat "$work/stderr")"
    cmp "$work/expected" "$work/stdout" ||
        { diff "$work/expected" "$work/stdout" >&2 || true; fail "$label: output differs from the expected header"; }
}

# A failed write must end in status 1 and exactly one line on stderr that
# names the program and the system's reason.
expect_write_failure() {
    local label=$1 status=$2
    [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$label: expected one line on standard error, got: $(cat "$work/stderr")"
    grep -q '^roundoff_bounds: .\+: .\+$' "$work/stderr" ||
        fail "$label: unexpected message: $(cat "$work/stderr")"
}

run() {
    local status=0
    "$@" >"$work/stdout" 2>"$work/stderr" || status=$?
    echo "$status"
}

case $check in
output | readme)
    expect_header "plain run" "$(run "${program[@]}")"
    ;;
arguments)
    # Nothing on the command line is read.
    for args in "--help" "-v --version" "x y z" "" "-" "--output=/tmp/elsewhere"; do
        # shellcheck disable=SC2086 # each set is split into words on purpose
        expect_header "arguments '$args'" "$(run "${program[@]}" $args)"
    done
    ;;
environment)
    # Neither the environment nor the locale changes a byte. A locale whose
    # decimal separator is a comma only proves something if it is installed.
    comma_locale=de_DE.UTF-8
    if [ "$(LC_ALL=$comma_locale locale decimal_point 2>/dev/null)" != "," ]; then
        [ "${CI:-}" != true ] || fail "locale $comma_locale is not installed"
        echo "note: locale $comma_locale is not installed, so the comma check proves nothing here"
    fi
    expect_header "empty environment" "$(run env -i "${program[@]}")"
    for locale in $comma_locale C.UTF-8 POSIX; do
        expect_header "LC_ALL=$locale" "$(run env LC_ALL="$locale" LANG="$locale" "${program[@]}")"
    done
    ;;
directions)
    # Started in each rounding direction, the program still writes the same
    # bytes: it measures in that direction and rounds its digits to nearest.
    # A hook preloaded by the target's loader sets the direction before main;
    # ROUNDOFF_BOUNDS_PRELOAD_STYLE says who hands it to that loader: the loader
    # itself (ld), qemu-user (qemu), or the build's runner script (runner).
    # Loaders split a preload list at spaces and colons, so the hook is
    # preloaded from a folder of this test's own whatever the build's path.
    cp "${ROUNDOFF_BOUNDS_DIRECTION_HOOK:?}" "$work/start_direction.so"
    hook=$work/start_direction.so
    case $hook in *[\ :]*) fail "the test's folder $work holds a space or a colon" ;; esac
    case ${ROUNDOFF_BOUNDS_PRELOAD_STYLE:?} in
    ld) preload=(env "LD_PRELOAD=$hook" ASAN_OPTIONS=verify_asan_link_order=0) ;;
    qemu) preload=(env "QEMU_SET_ENV=LD_PRELOAD=$hook") ;;
    runner) preload=(env "ROUNDOFF_BOUNDS_PRELOAD=$hook") ;;
    *) fail "unknown preload style '$ROUNDOFF_BOUNDS_PRELOAD_STYLE'" ;;
    esac
    # A direction the target's C library does not offer (sh4's has neither
    # upward nor downward) is said and passed over; to nearest is always
    # there.
    for direction in upward downward towardzero tonearest; do
        status=$(run "${preload[@]}" ROUNDOFF_BOUNDS_START_DIRECTION=$direction "${program[@]}")
        if [ "$status" -eq 77 ] && [ "$direction" != tonearest ] &&
            grep -qx "start_direction: no direction $direction here" "$work/stderr"; then
            echo "note: this C library offers no direction $direction"
            continue
        fi
        expect_header "started $direction" "$status"
    done
    ;;
full-disk)
    status=0
    "${program[@]}" >/dev/full 2>"$work/stderr" || status=$?
    expect_write_failure "/dev/full" "$status"
    grep -q 'No space left on device' "$work/stderr" || fail "/dev/full: reason missing: $(cat "$work/stderr")"
    ;;
closed-stdout)
    status=0
    "${program[@]}" >&- 2>"$work/stderr" || status=$?
    expect_write_failure "closed standard output" "$status"
    ;;
*)
    fail "unknown check '$check'"
    ;;
esac
echo "ok: $check"
