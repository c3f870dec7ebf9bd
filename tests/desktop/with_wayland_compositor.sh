#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test program as a client of a private Wayland compositor: GNOME's mutter, headless, in
# a D-Bus session of its own, on Qt's wayland platform. What places, activates and focuses
# windows there is the compositor.
set -euo pipefail
for tool in mutter dbus-run-session; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: ./dev.sh test installs it" >&2; exit 1; }
done

if [ -z "${TENVO_IN_SESSION:-}" ]; then
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    trap 'rm -rf "$runtime"' EXIT
    status=0
    XDG_RUNTIME_DIR="$runtime" TENVO_IN_SESSION=1 dbus-run-session -- "$0" "$@" || status=$?
    exit "$status"
fi

display=tenvo-wayland-$$
mutter --wayland --headless --no-x11 --virtual-monitor 1280x800 --wayland-display="$display" \
    >"$XDG_RUNTIME_DIR/mutter.log" 2>&1 &
compositor=$!
trap 'kill "$compositor" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$display" ] && break
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$display" ]; then
    cat "$XDG_RUNTIME_DIR/mutter.log" >&2
    echo "no Wayland compositor came up" >&2
    exit 1
fi
unset DISPLAY
WAYLAND_DISPLAY="$display" QT_QPA_PLATFORM=wayland "$@"
