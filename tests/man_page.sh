#!/usr/bin/env bash
# The manual page formats without a single warning from groff, and its title
# line names the program's version.
#
#   man_page.sh PAGE "roundoff_bounds VERSION"
set -uo pipefail

if ! command -v groff >/dev/null; then
    [ "${CI:-}" != true ] || { echo "FAIL: groff is not installed" >&2; exit 1; }
    echo "groff is not installed (Debian package groff-base): nothing checked"
    exit 77
fi
warnings=$(groff -man -ww -z "$1" 2>&1) || { echo "FAIL: groff failed: $warnings" >&2; exit 1; }
[ -z "$warnings" ] || { echo "FAIL: groff warns:" >&2; echo "$warnings" >&2; exit 1; }
head -n 1 "$1" | grep -qF "\"$2\"" || { echo "FAIL: the title line does not name $2: $(head -n 1 "$1")" >&2; exit 1; }
echo "ok: $1"
