#!/usr/bin/env bash
# Installs Quadrix into a temporary prefix and packs it as a Debian package,
# then checks them as a desktop and a user would: the installed tree, the
# desktop and AppStream validators, lintian, and the installed program's
# first start with a fresh home and no --data-dir.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
id=org.example.Quadrix
expected="bin/quadrix
share/applications/$id.desktop
share/doc/quadrix/changelog.gz
share/doc/quadrix/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/quadrix.1.gz
share/metainfo/$id.metainfo.xml
share/quadrix/Collage.txt
share/quadrix/Pro.txt
share/quadrix/help.html
share/quadrix/help_de.html"
tree=$(cd "$work/prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[[ "$tree" == "$(LC_ALL=C sort <<<"$expected")" ]] || fail "installed tree differs: $tree"
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml" >/dev/null

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(echo "$work"/quadrix_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | LC_ALL=C sort)
[[ "$contents" == "$tree" ]] || fail "the package holds other files: $contents"
lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"

# The first start creates the per-user data folder; a folder without its
# pool file is reported and nothing is created in its place.
run() {
  HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen \
    "$work/prefix/bin/quadrix" --exit-when-shown --answer-dialogs
}
mkdir "$work/home"
data="$work/home/.local/share/Quadrix"
run | grep -q '^shown' || fail "the first start did not show the window"
for file in QDX_DB.mdb Pro.txt Collage.txt; do
  [[ -f "$data/$file" ]] || fail "the first start did not create $file"
done
rm "$data/QDX_DB.mdb"
if out=$(run); then fail "a data folder without its pool file started"; fi
grep -q "Could not find the pool file" <<<"$out" || fail "no report: $out"
[[ ! -e "$data/QDX_DB.mdb" ]] || fail "an empty pool file hides the lost one"
echo "install, package and first start: ok"
