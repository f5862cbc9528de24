#!/bin/bash
# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Quorlin on a desktop of its own, rolls a 20-sided die, then does each action of its
# frame that could maximise the fixed window, and prints one line per action: whether Quorlin
# still runs, and whether its window and report look as before ("unchanged").
#   frame-actions.sh QUORLIN openbox         X11 with openbox
#   frame-actions.sh QUORLIN weston-xwayland a Wayland compositor that draws no frames (weston),
#                                            with its X server for older programs
#   frame-actions.sh QUORLIN weston          the same compositor without that X server
# Quorlin chooses its platform itself, as on a desktop. Needs Xvfb, openbox, weston, Xwayland,
# xdotool, xprop and ImageMagick's import.
set -u
quorlin=$1
desktop=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-frame.XXXXXX")
chmod 0700 "$work"
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

waitFor() {
    for _ in $(seq 40); do
        eval "$1" && return 0
        sleep 0.25
    done
    echo "timed out waiting for: $1"
    exit 1
}

Xvfb -displayfd 3 -screen 0 640x480x24 3>"$work/display" 2>/dev/null &
pids+=($!)
waitFor '[ -s "$work/display" ]'
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_WAYLAND_DISABLE_WINDOWDECORATION
app=(env -u DISPLAY XDG_RUNTIME_DIR="$work")
case "$desktop" in
openbox)
    app+=(DISPLAY="$DISPLAY")
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    ;;
weston | weston-xwayland)
    # An output narrower and lower than the framed window: weston then puts the window at its
    # top-left corner, where the actions below are aimed.
    printf '[shell]\npanel-position=none\n' >"$work/weston.ini"
    xwayland=()
    [[ $desktop == weston-xwayland ]] && xwayland=(--xwayland)
    XDG_RUNTIME_DIR=$work weston --backend=x11-backend.so --socket=quorlin-frame --width=170 \
        --height=285 --config="$work/weston.ini" "${xwayland[@]}" >"$work/weston.log" 2>&1 &
    pids+=($!)
    waitFor '[ -S "$work/quorlin-frame" ]'
    app+=(WAYLAND_DISPLAY=quorlin-frame)
    if [[ $desktop == weston-xwayland ]]; then
        waitFor 'grep -q "xserver listening on display" "$work/weston.log"'
        app+=(DISPLAY="$(grep -o 'display :[0-9]*' "$work/weston.log" | cut -d' ' -f2)")
    fi
    ;;
*)
    echo "unknown desktop: $desktop"
    exit 2
    ;;
esac

"${app[@]}" "$quorlin" >"$work/quorlin.log" 2>&1 &
quorlin=$!
pids+=($quorlin)
# The window's X display: the desktop's own, or weston's X server when Quorlin went there.
windowDisplay=$("${app[@]}" sh -c 'echo "${DISPLAY:-}"')
window=
if [[ -n $windowDisplay ]]; then
    waitFor 'window=$(DISPLAY=$windowDisplay xdotool search --onlyvisible --name "^Quorlin\$" 2>/dev/null | head -n 1); [ -n "$window" ]'
fi
sleep 2

# Where the actions aim: the frame's title bar, and where Qt's own frame draws its maximise
# button on this window (its right edge less two buttons, a gap and a margin).
if [[ $desktop == openbox ]]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    titleX=$((X + 60)) titleY=$((Y - 10))
else
    titleX=60 titleY=12
fi
maximiseX=145 maximiseY=15

xdotool mousemove "$titleX" "$titleY" click 1
xdotool type --delay 100 20
xdotool key alt+d
# On to the minimum list, which draws no blinking caret.
xdotool key Tab
sleep 1

# What the window shows: the window itself on X11, else the compositor's output on the screen.
# The pointer goes first where it makes nothing hovered: off the screen's window, or on the
# frame's caption, where weston draws it into its output.
look() {
    if [[ -n $window ]]; then
        xdotool mousemove 630 470
        sleep 1
        DISPLAY=$windowDisplay xprop -id "$window" _NET_WM_STATE
        DISPLAY=$windowDisplay xdotool getwindowgeometry "$window" | grep Geometry
        DISPLAY=$windowDisplay import -window "$window" rgb:- | md5sum
    else
        xdotool mousemove 85 8
        sleep 1
        import -window root -crop 170x285+0+0 rgb:- | md5sum
    fi
}

# A maximise request as a task bar or a window manager's key sends it.
requestMaximise() {
    DISPLAY=$windowDisplay python3 - "$window" <<'PYTHON'
import ctypes, sys
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_char_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
display = x11.XOpenDisplay(None)
atom = lambda name: x11.XInternAtom(display, name, 0)
# XClientMessageEvent: type, serial, send_event, display, window, message_type, format, data.
event = ctypes.create_string_buffer(192)
ctypes.memmove(event, (ctypes.c_int * 1)(33), 4)
ctypes.memmove(ctypes.byref(event, 32), (ctypes.c_ulong * 2)(int(sys.argv[1]),
               atom(b"_NET_WM_STATE")), 16)
ctypes.memmove(ctypes.byref(event, 48), (ctypes.c_int * 1)(32), 4)
ctypes.memmove(ctypes.byref(event, 56), (ctypes.c_long * 4)(1, atom(b"_NET_WM_STATE_MAXIMIZED_VERT"),
               atom(b"_NET_WM_STATE_MAXIMIZED_HORZ"), 1), 32)
x11.XSendEvent(display, x11.XDefaultRootWindow(display), 0, (1 << 19) | (1 << 20), event)
x11.XCloseDisplay(display)
PYTHON
}

before=$(look)
# Openbox draws no maximise button on a window of fixed size; its window menu stands in for it.
actions=(title-double-click)
[[ $desktop == openbox ]] && actions+=(window-menu-keys) || actions+=(maximise-button)
[[ -n $window ]] && actions+=(maximise-request)
for action in "${actions[@]}"; do
    case "$action" in
    title-double-click) xdotool mousemove "$titleX" "$titleY" click --repeat 2 --delay 80 1 ;;
    maximise-button) xdotool mousemove "$maximiseX" "$maximiseY" click 1 ;;
    maximise-request) requestMaximise ;;
    window-menu-keys) xdotool key alt+space sleep 0.5 key Escape ;;
    esac
    sleep 1.5
    if ! kill -0 "$quorlin" 2>/dev/null; then
        echo "$action: Quorlin ended"
        cat "$work/quorlin.log"
        exit 1
    fi
    after=$(look)
    # Under load the compositor may draw late: a change must still be there a moment later.
    [[ $after == "$before" ]] || { sleep 3; after=$(look); }
    if [[ $after == "$before" ]]; then
        echo "$action: running, unchanged"
    else
        printf '%s: running, changed\n--- before\n%s\n--- after\n%s\n' "$action" "$before" "$after"
    fi
done
