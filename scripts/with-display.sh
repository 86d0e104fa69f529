#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command with a private Xvfb display and stops the display afterwards.
# Xvfb picks a free display number itself and reports it once it is ready.
set -euo pipefail
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 200); do
    [ -s "$ready" ] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "with-display: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
number=$(tr -dc '0-9' <"$ready")
[ -n "$number" ] || { echo "with-display: Xvfb reported no display" >&2; exit 1; }
# Only the private display is visible to the command: a desktop's Wayland session is hidden, or Qt
# would open its windows there.
env -u WAYLAND_DISPLAY DISPLAY=":$number" "$@"
