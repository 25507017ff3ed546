#!/usr/bin/env bash
# Checks the project's own sources with a style tool:
#
#   style_check.sh shellcheck SOURCE_DIR     every shell script is clean
#   style_check.sh clang-format SOURCE_DIR   every C and C++ source is laid
#                                            out as .clang-format says
#
# The sources are found in SOURCE_DIR, less its build folders, so that a
# source package without git is checked as a clone is. Where the tool is
# missing, the check reports itself as not run (status 77); in CI it fails
# instead, unless apt cannot install the tool here. clang-format lays the
# same style out differently from one release to the next, so its check
# runs only with the releases whose layout this project's sources match.
set -euo pipefail
tool=$1 source_dir=$2
clang_format_agreed="14 19 21"

not_run() {
    echo "style_check.sh: not run: $*"
    exit 77
}
if ! command -v "$tool" >/dev/null; then
    why="Debian package $tool"
    if [ "${CI:-}" = true ]; then
        why=$(sh "$source_dir/tests/toolchains/apt-cannot-install.sh" "$tool") ||
            { echo "FAIL: $tool is not installed" >&2; exit 1; }
    fi
    not_run "$tool is not installed ($why)"
fi

sources() {
    # Less what git ignores: the build folders, and the header the README
    # writes at the top.
    find "$source_dir" \( -path "$source_dir/build" -o -path "$source_dir/out" -o -path "$source_dir/.git" \
        -o -path "$source_dir/roundoff_bounds.h" \) -prune -o -type f "$@" -print | sort
}

case $tool in
shellcheck)
    mapfile -t scripts < <(sources -exec awk 'NR == 1 { exit !/^#!.*[\/ ](ba|da)?sh( |$)/ }' '{}' ';')
    [ ${#scripts[@]} -gt 5 ] || { echo "FAIL: only ${#scripts[@]} shell scripts found" >&2; exit 1; }
    shellcheck "${scripts[@]}"
    echo "ok: ${#scripts[@]} shell scripts are clean under $(shellcheck --version | sed -n 's/^version: /shellcheck /p')"
    ;;
clang-format)
    version=$(clang-format --version | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p')
    grep -qw "$version" <<<"$clang_format_agreed" ||
        not_run "clang-format $version lays the style out otherwise; checked with releases $clang_format_agreed"
    mapfile -t files < <(sources \( -name '*.c' -o -name '*.cpp' -o -name '*.h' -o -path '*/ucrt-cxx/c*' \))
    status=0
    for file in "${files[@]}"; do
        clang-format --style=file "$file" | diff -u "$file" - || status=1
    done
    [ $status -eq 0 ] || { echo "FAIL: clang-format $version lays these out otherwise (clang-format -i)" >&2; exit 1; }
    echo "ok: ${#files[@]} C and C++ sources are as clang-format $version lays them out"
    ;;
*)
    echo "usage: style_check.sh shellcheck|clang-format SOURCE_DIR" >&2
    exit 2
    ;;
esac
