#!/usr/bin/env bash
# Installs what is missing, builds, prepares the per-user data folder and
# starts Quadrix. The pools live in ~/.local/share/Quadrix, never in build/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Quadrix needs a desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Start it from a graphical session, or under Xvfb: xvfb-run scripts/run.sh" >&2
  exit 1
fi

scripts/install-deps.sh
scripts/build.sh

data_dir=${QUADRIX_DATA_DIR:-"${XDG_DATA_HOME:-$HOME/.local/share}/Quadrix"}
mkdir -p "$data_dir"
for list in Pro.txt Collage.txt; do
  [[ -e "$data_dir/$list" ]] || cp "build/$list" "$data_dir/$list"
done
[[ -e "$data_dir/QDX_DB.mdb" ]] || build/quadrix --create-database --data-dir "$data_dir"
exec build/quadrix --data-dir "$data_dir"
