#!/usr/bin/env bash
# validators.sh desktop|appstream <package-dir>: the menu entry and the
# software-centre data as the package installs them, checked by their
# validators (no network: screenshot addresses are not fetched).
. "$(dirname "$0")/lib.sh"
case $1 in
  desktop) tool=desktop-file-validate package=desktop-file-utils ;;
  appstream) tool=appstreamcli package=appstream ;;
  *) echo "usage: validators.sh desktop|appstream <package-dir>" >&2; exit 2 ;;
esac
command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (package $package)"; exit 77; }
deb_found "$2"
temp_root && unpack
share=$ROOT/tree/usr/share
if [ "$1" = desktop ]; then
  out=$(desktop-file-validate "$share/applications/io.github.gobbler.Gobbler.desktop" 2>&1) && [ -z "$out" ] ||
    { echo "FAIL: desktop-file-validate: $out" >&2; exit 1; }
else
  # The file alone, then with the tree around it: its launchable desktop
  # entry must be there under the same id.
  for check in "validate --no-net $share/metainfo/io.github.gobbler.Gobbler.metainfo.xml" \
               "validate-tree --no-net $ROOT/tree"; do
    out=$(appstreamcli $check 2>&1)
    status=$?
    echo "$out"
    if [ "$status" != 0 ] || grep -q '^[EW]:' <<<"$out"; then
      echo "FAIL: appstreamcli $check" >&2
      exit 1
    fi
  done
fi
echo "PASS: $tool"
