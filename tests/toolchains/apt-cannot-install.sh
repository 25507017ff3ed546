#!/bin/sh
# Whether apt can install a Debian package here: silent, and status 0, where
# it can (or the package is installed); otherwise one line that says why, from
# apt's own answer, and status 1. Asked by simulating the install, so it needs
# no root and changes nothing. A package that this release lacks and one whose
# dependencies apt cannot meet (a mirror caught mid-sync, a held package) read
# the same to whoever asks: it cannot be had here.
#
#   apt-cannot-install.sh PACKAGE
set -u
package=${1:?usage: apt-cannot-install.sh PACKAGE}

if answer=$(LC_ALL=C apt-get install -s --no-install-recommends "$package" 2>&1); then
    exit 0
fi
# The first unmet dependency names the cause, or leads to it; the rest are
# counted.
unmet=$(printf '%s\n' "$answer" | sed -n '/^The following packages have unmet dependencies:/,/^E:/p' |
    grep -E '(Depends|PreDepends|Conflicts|Breaks):' | sed 's/^ *//; s/  */ /g')
architecture=${package##*:}
if [ "$architecture" != "$package" ] && [ "$architecture" != "$(dpkg --print-architecture)" ] &&
    ! dpkg --print-foreign-architectures | grep -qx "$architecture"; then
    why="dpkg has no architecture $architecture (dpkg --add-architecture $architecture && apt-get update)"
elif printf '%s\n' "$answer" | grep -qE '^E: Unable to locate package|has no installation candidate'; then
    why="this release of Debian has no such package, or apt-get update has not run"
elif [ -n "$unmet" ]; then
    count=$(printf '%s\n' "$unmet" | wc -l)
    why=$(printf '%s\n' "$unmet" | head -n 1)
    [ "$count" -le 1 ] || why="$why, and $((count - 1)) more unmet dependencies"
else
    why=$(printf '%s\n' "$answer" | grep '^E: ' | tail -n 1 | sed 's/^E: //')
fi
echo "apt cannot install $package: ${why:-apt-get failed}"
exit 1
