#!/bin/sh
# Installs the build as make install does, under a prefix and a staging
# DESTDIR in a fresh directory, then checks that the eight programs and
# their manual pages are in place and runs one program from there.
# Usage: install_test.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage "$cmake" --install "$build" --prefix /opt/filters >/dev/null
root=$stage/opt/filters
for program in barter cubesum arrangements splice swapcount aboveavg subseq prodsum; do
  [ -x "$root/bin/$program" ] || { echo "missing: bin/$program"; exit 1; }
  [ -f "$root/share/man/man1/$program.1" ] || { echo "missing: share/man/man1/$program.1"; exit 1; }
done
answer=$(printf '7\n' | "$root/bin/cubesum")
[ "$answer" = 784 ] || { echo "installed cubesum wrote '$answer' for 7, not 784"; exit 1; }
