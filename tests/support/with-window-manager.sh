#!/usr/bin/env bash
# Runs a command in a virtual X display with a real window manager, for what
# offscreen cannot show: window frames, placement and focus between windows.
# Needs Xvfb, openbox and xprop (packages xvfb, openbox, x11-utils).
set -euo pipefail
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done
# Xvfb picks a free display itself and names it once it takes connections.
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
openbox_pid=""
trap 'kill $openbox_pid $xvfb 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 300); do [[ -s "$ready" ]] && break; sleep 0.1; done
[[ -s "$ready" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$ready")"
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
# The window manager is ready once it names itself on the root window.
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "the window manager did not start" >&2; exit 1; }
QT_QPA_PLATFORM=xcb "$@"
