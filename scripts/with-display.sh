#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command with a private Xvfb display and stops the display afterwards. The command is told
# the server's process id in VANTRELLO_XVFB_PID, so that a test can take its display away.
# Xvfb picks a free display number itself and reports it once it is ready; if it does not
# within 30 s, its own messages are shown. -noreset: an X server resets itself when its last
# client leaves, and refuses connections while it does, so a program started just as another
# ended could find no display.
set -euo pipefail
work=$(mktemp -d)
ready=$work/display
log=$work/xvfb.log
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" >"$log" 2>&1 &
xvfb=$!
# Stopped at the end, unless a test has taken it away already.
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
deadline=$((SECONDS + 30))
until [ -s "$ready" ]; do
    if ! kill -0 "$xvfb" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
        echo "with-display: Xvfb did not start; its log:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.05
done
number=$(tr -dc '0-9' <"$ready")
[ -n "$number" ] || { echo "with-display: Xvfb reported no display" >&2; exit 1; }
# Only the private display is visible to the command: a desktop's Wayland session is hidden, or Qt
# would open its windows there; and so is a session bus, given an address that leads nowhere. On
# the desktop's bus the game would join the desktop's accessibility; with none, libdbus would
# autolaunch one on this display, which every later command would share until the display ends.
env -u WAYLAND_DISPLAY DISPLAY=":$number" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
    VANTRELLO_XVFB_PID="$xvfb" "$@"
