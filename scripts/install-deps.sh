#!/usr/bin/env bash
# Installs the Debian 12 packages Quadrix needs to build, run and test,
# skipping those already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config libsqlite3-dev
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-qpa-plugins
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libqt6opengl6-dev
  fonts-dejavu-core fonts-liberation clang libclang-rt-14-dev
  xvfb openbox x11-utils poppler-utils
  desktop-file-utils appstream lintian dpkg-dev file
)
if [[ "${QUADRIX_EXTRA_PACKAGES:-}" != "" ]]; then
  read -r -a extra <<<"$QUADRIX_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
