#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program on a private X server (Xvfb) under a real window manager (openbox), on
# Qt's xcb platform: what places, minimizes, closes and focuses windows there is the manager. It
# has a D-Bus session of its own, with the accessibility bus a screen reader listens on.
set -euo pipefail
if [ -z "${TENVO_IN_SESSION:-}" ]; then
    # A runtime folder of its own, for the session bus and the accessibility bus it starts:
    # a suite running beside this one must not find their sockets.
    runtime=$(mktemp -d)
    status=0
    TENVO_IN_SESSION=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- "$0" "$@" || status=$?
    rm -rf "$runtime"
    exit "$status"
fi
for tool in Xvfb xdpyinfo openbox xdotool wmctrl dbus-run-session; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: ./dev.sh test installs it" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
stop() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    pids=()
}
trap 'stop; rm -rf "$work"' EXIT

# Xvfb picks a free display and writes its number to descriptor 3 once it takes connections;
# openbox is ready when it answers as the window manager.
start_session() {
    rm -f "$work/display"
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    local number=""
    read -r number <"$work/display" || true
    [ -n "$number" ] || return 1
    export DISPLAY=":$number"
    xdpyinfo >/dev/null 2>&1 || return 1
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        wmctrl -m >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

for attempt in 1 2 3; do
    start_session && break
    cat "$work/xvfb.log" "$work/openbox.log" >&2 2>/dev/null || true
    echo "attempt $attempt: no X session with a window manager on ${DISPLAY:-no display}" >&2
    stop
    [ "$attempt" -lt 3 ] || exit 1
done

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
