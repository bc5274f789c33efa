#!/usr/bin/env bash
# build_deb.sh <build-dir> <out-dir> <version>: builds the Debian package from
# the build tree into <out-dir> (emptied first), for the tests that look at it;
# `make deb` itself is left alone. The package must be named
# gobbler_<version>_<arch>.deb.
set -u
build=$1 out=$2 version=$3
command -v cpack >/dev/null && command -v dpkg-deb >/dev/null ||
  { echo "SKIP: cpack and dpkg-deb (package dpkg-dev) are needed"; exit 77; }
rm -rf "$out" && mkdir -p "$out" || exit 1
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
want=gobbler_${version}_$(dpkg --print-architecture).deb
found=$(cd "$out" && ls -- *.deb 2>/dev/null)
[ "$found" = "$want" ] || { echo "FAIL: made \"$found\", expected $want" >&2; exit 1; }
echo "built $out/$want"
