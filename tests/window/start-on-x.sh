#!/bin/sh
# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Quorlin on an X server of its own, closes its window once it is shown, and prints what Quorlin said, "connected to the bus" when Quorlin took the session bus it
# was given, and its exit status ("estado N").
#   start-on-x.sh QUORLIN BUS [RUNTIME [NAME=VALUE...]]
# BUS: none (no address); silent (a bus daemon that takes connections and never answers);
# runtime (a live bus at $XDG_RUNTIME_DIR/bus, no address); escaped (the same in a runtime folder
# whose name holds "," "%" and "="); address (a live bus at such a path, named by its address);
# silent-escaped (a bus that never answers at $XDG_RUNTIME_DIR/bus in such a folder, no address).
# RUNTIME: XDG_RUNTIME_DIR for Quorlin, "unset" for none, or "private" (the default) for a
# private folder of the run's own. NAME=VALUE: more environment for Quorlin alone.
set -u
quorlin=$1
kind=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-start.XXXXXX")
chmod 0700 "$work"
server=
bus=
finish() {
    [ -n "$bus" ] && kill -KILL "$bus"
    [ -n "$server" ] && kill "$server"
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' HUP INT TERM
Xvfb -displayfd 3 -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 20); do
    [ -s "$work/display" ] && break
    sleep 0.5
done
export DISPLAY=":$(cat "$work/display")"
address=
folder=$work
case $kind in
silent)
    dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$work/address" 5>"$work/pid"
    address=$(cat "$work/address")
    ;;
runtime | escaped | address | silent-escaped)
    [ "$kind" != runtime ] && folder="$work/tirada,50%=d20" && mkdir -m 0700 "$folder"
    escaped=$(printf '%s/bus' "$folder" | sed 's/%/%25/g; s/,/%2c/g; s/=/%3d/g')
    dbus-daemon --session --fork --address="unix:path=$escaped" --print-address=4 \
        --print-pid=5 4>"$work/address" 5>"$work/pid"
    [ "$kind" = address ] && address=$(cat "$work/address")
    ;;
esac
[ -s "$work/pid" ] && bus=$(cat "$work/pid")
case $kind in silent*) kill -STOP "$bus" ;; esac
runtime=${3:-private}
[ "$runtime" = private ] && runtime=$folder
shift $(($# < 3 ? $# : 3))
if [ "$runtime" = unset ]; then
    unset XDG_RUNTIME_DIR
else
    export XDG_RUNTIME_DIR=$runtime
fi
if [ -n "$address" ]; then
    export DBUS_SESSION_BUS_ADDRESS=$address
else
    unset DBUS_SESSION_BUS_ADDRESS
fi

# Waits until the window named Quorlin is mapped ("wait"), or then closes it as the window
# manager's close button would ("close").
window() {
    python3 - "$1" <<'PYTHON'
import ctypes, struct, sys, time
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 3 + [
    ctypes.POINTER(ctypes.c_uint)]
x11.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_char_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]


class WindowAttributes(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in ("x", "y", "width", "height", "border", "depth")] + [
        ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("window_class", ctypes.c_int),
        ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
        ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
        ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
        ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p)]


x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                     ctypes.POINTER(WindowAttributes)]
display = x11.XOpenDisplay(None)
viewable = 2

def named_quorlin(window):
    name = ctypes.c_char_p()
    attributes = WindowAttributes()
    # The toolkit's own hidden windows may carry the program's name too: only the mapped one
    # is the window, and it is mapped once the program waits for events.
    if (x11.XFetchName(display, window, ctypes.byref(name)) and name.value == b"Quorlin"
            and x11.XGetWindowAttributes(display, window, ctypes.byref(attributes))
            and attributes.map_state == viewable):
        return window
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x11.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent),
                   ctypes.byref(children), ctypes.byref(count))
    for child in children[:count.value]:
        if named_quorlin(child):
            return child
    return None

window = None
# A first start on a fresh system may build the font cache first.
for _ in range(300):
    window = named_quorlin(x11.XDefaultRootWindow(display))
    if window:
        break
    time.sleep(0.1)
if window is None:
    print("no window")
elif sys.argv[1] == "close":
    protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    # XClientMessageEvent on LP64: type, serial, send_event, display, window, message_type,
    # format, five longs of data; an XEvent is 24 longs in all.
    event = struct.pack("=i4xQi4xQQQi4x5q", 33, 0, 1, 0, window, protocols, 32, delete, 0, 0,
                        0, 0).ljust(192, b"\0")
    x11.XSendEvent(display, window, 0, 0, event)
x11.XCloseDisplay(display)
PYTHON
}

QT_QPA_PLATFORM=xcb timeout 45 env "$@" "$quorlin" &
quorlin=$!
window wait
# Quorlin took the bus when one of the bus's connections is its process (the child of timeout).
if [ -n "$bus" ] && [ "${kind#silent}" = "$kind" ]; then
    process=$(pgrep -P "$quorlin")
    for name in $(DBUS_SESSION_BUS_ADDRESS=$(cat "$work/address") dbus-send --session \
        --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames | grep -o '":[0-9.]*"' | tr -d '"'); do
        DBUS_SESSION_BUS_ADDRESS=$(cat "$work/address") dbus-send --session --print-reply \
            --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null \
            | grep -qw "uint32 $process" && echo "connected to the bus"
    done
fi
window close >/dev/null
wait "$quorlin"
echo "estado $?"
