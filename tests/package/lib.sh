# Shared by the package tests: DEB, the one package in the directory $1, and
# ROOT, a temporary directory removed on exit.
set -u
deb_found() {
  local dir=$1 debs
  debs=("$dir"/gobbler_*.deb)
  [ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package in $dir" >&2; exit 1; }
  DEB=$(realpath "${debs[0]}")
}
temp_root() {
  ROOT=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-package.XXXXXX") || exit 1
  trap 'rm -rf "$ROOT"' EXIT
}
# Unpacks the package into $ROOT/tree.
unpack() { dpkg -x "$DEB" "$ROOT/tree" || { echo "FAIL: dpkg -x $DEB" >&2; exit 1; }; }
