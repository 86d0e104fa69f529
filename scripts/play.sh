#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The game is a window: without a display to show it on, installing and building would be
# minutes spent for nothing.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "play.sh: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run it from a desktop session, or over 'ssh -X'." >&2
    exit 1
fi

scripts/install-deps.sh play
# A build directory of its own: without the tests, it must not switch them off in the one the
# README builds by hand, nor take on the warnings-as-errors setting of the test builds.
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-play -j"$(nproc)" --target vantrello
exec build-play/bin/vantrello
