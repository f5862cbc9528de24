#!/bin/sh
# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Quorlin on an X server of its own, stops the server under it, and prints what Quorlin
# said and its exit status ("estado N").
set -u
quorlin=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-display-lost.XXXXXX")
chmod 0700 "$work"
trap 'rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
server=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -s "$work/display" ] && break
    sleep 0.5
done
DISPLAY=:$(cat "$work/display") XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb timeout 20 "$quorlin" 2>&1 &
quorlin=$!
sleep 2
kill "$server"
wait "$quorlin"
echo "estado $?"
