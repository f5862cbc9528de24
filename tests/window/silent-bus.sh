#!/bin/sh
# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Quorlin on an X server of its own with a session bus that takes connections and never
# answers (a stopped bus daemon), closes its window once it is shown, and prints what Quorlin said
# and its exit status ("estado N").
set -u
quorlin=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-silent-bus.XXXXXX")
chmod 0700 "$work"
server=
bus=
finish() {
    [ -n "$bus" ] && kill -KILL "$bus"
    [ -n "$server" ] && kill "$server"
    rm -rf "$work"
}
trap finish EXIT
Xvfb -displayfd 3 -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 20); do
    [ -s "$work/display" ] && break
    sleep 0.5
done
export DISPLAY=":$(cat "$work/display")"
dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$work/address" 5>"$work/pid"
bus=$(cat "$work/pid")
kill -STOP "$bus"

DBUS_SESSION_BUS_ADDRESS=$(cat "$work/address") XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb \
    timeout 20 "$quorlin" &
quorlin=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -name Quorlin 2>/dev/null | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$window" ] && break
    sleep 0.1
done
# Closing the window asks Quorlin to end, as the window manager's close button would.
[ -z "$window" ] && echo "no window" || python3 - "$window" <<'PYTHON'
import ctypes, struct, sys
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_char_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
window = int(sys.argv[1], 16)
protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
client_message = 33
# XClientMessageEvent on LP64: type, serial, send_event, display, window, message_type, format,
# then five longs of data; XEvent is 24 longs in all.
event = struct.pack("=i4xQi4xQQQi4x5q", client_message, 0, 1, 0, window, protocols, 32,
                    delete, 0, 0, 0, 0).ljust(192, b"\0")
x11.XSendEvent(display, window, 0, 0, event)
x11.XCloseDisplay(display)
PYTHON
wait "$quorlin"
echo "estado $?"
