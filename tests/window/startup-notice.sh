#!/bin/bash
# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Quorlin on an X server of its own as a launcher does, with a start-up id, and prints the
# id its mapped window carries, the start-up messages sent to the screen (the "remove" that ends
# the launcher's busy cursor) and the sizes of the icon it hands the window manager, smallest
# first; then closes it with Alt+S and prints its exit status.
set -u
quorlin=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-startup.XXXXXX")
chmod 0700 "$work"
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap finish EXIT
Xvfb -displayfd 3 -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 40); do
    [ -s "$work/display" ] && break
    sleep 0.25
done
export DISPLAY=":$(cat "$work/display")"
xev -root -event property >"$work/messages" 2>&1 &
pids+=($!)
sleep 0.5
DESKTOP_STARTUP_ID=quorlin-test_TIME42 XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb \
    timeout 60 "$quorlin" &
quorlin=$!
window=$(xdotool search --sync --onlyvisible --name '^Quorlin$' | head -n 1)
xprop -id "$window" _NET_STARTUP_ID
sleep 0.5
echo "start-up messages: $(grep -c _NET_STARTUP_INFO_BEGIN "$work/messages")"
echo "icon:$(xprop -len 4000000 -id "$window" _NET_WM_ICON | grep -o ' ([0-9]* x [0-9]*)' | sort -k1.3n | tr -d '\n')"
xdotool windowfocus --sync "$window" key alt+s
wait "$quorlin"
echo "estado $?"
