#!/usr/bin/env bash
# Brings the German catalogue up to date with the texts in the code: new
# texts arrive unfinished for a translator, texts gone from the code are
# dropped. With --check it changes nothing and fails when the catalogue
# lacks a translation, holds a text the code no longer shows, or is not
# what lupdate would write.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
catalogue=translations/quadrix_de.ts
options=(-locations none -no-obsolete -source-language en -target-language de -silent)

if [[ "${1:-}" != --check ]]; then
  "$lupdate" src "${options[@]}" -ts "$catalogue"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/quadrix_de.ts"
"$lupdate" src "${options[@]}" -ts "$work/quadrix_de.ts"
status=0
unfinished=$(grep -c 'type="unfinished"' "$work/quadrix_de.ts" || true)
if [[ "$unfinished" != 0 ]]; then
  echo "$unfinished texts have no German translation:" >&2
  grep -B2 'type="unfinished"' "$work/quadrix_de.ts" | grep '<source>' >&2 || true
  status=1
fi
if ! diff -u "$catalogue" "$work/quadrix_de.ts" >&2; then
  echo "$catalogue is out of date: run scripts/update-translations.sh" >&2
  status=1
fi
exit $status
