#!/bin/sh
# Drives the real window as a screen reader sees it: a virtual display, a window manager, a session
# bus with the accessibility bus on it, then window_check.py over AT-SPI. Skipped (exit 77) where
# the tools are not installed.
#
#   run-window-check.sh BUILD-FOLDER
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox dbus-daemon xdotool; do
    command -v "$tool" > /dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] && [ -x /usr/libexec/at-spi2-registryd ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2> /dev/null ||
    { echo "skipped: python3-gi with Atspi is not installed"; exit 77; }

work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2> /dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory HOME="$work/home" NO_AT_BRIDGE=0
mkdir -p "$HOME"

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
pids="$pids $!"
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
dbus-daemon --session --nofork --address="unix:path=$work/bus" > /dev/null 2>&1 &
pids="$pids $!"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"
for _ in $(seq 100); do [ -S "$work/bus" ] && break; sleep 0.05; done
openbox > /dev/null 2>&1 &
pids="$pids $!"
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 > /dev/null 2>&1 &
pids="$pids $!"
sleep 0.5
/usr/libexec/at-spi2-registryd > /dev/null 2>&1 &
pids="$pids $!"
sleep 0.5
/usr/bin/python3 "$here/window_check.py" "$build" "$work"
