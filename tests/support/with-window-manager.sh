#!/usr/bin/env bash
# Runs a command in a virtual X display with a real window manager, for what
# offscreen cannot show: window frames, placement and focus between windows.
# Needs Xvfb, openbox and xprop (packages xvfb, openbox, x11-utils).
set -euo pipefail
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done
display=99
while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
openbox_pid=""
trap 'kill $openbox_pid $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
# The window manager is ready once it names itself on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
