#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a native Wayland client, under a private headless weston: the real program
# maps its window with the desktop entry's app id and its exact caption, and the window
# tests deal and pick on the Wayland platform.
# Usage: wayland_end_to_end.sh PATH_TO_VANTRELLO PATH_TO_TEST_WINDOW
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" -- "$@"
game=$1
window_tests=$2

# No X display either, so nothing can fall back to X11.
unset DISPLAY
export WAYLAND_DISPLAY=vantrello-wayland QT_QPA_PLATFORM=wayland
# The kiosk shell maps the window at once and starts no helper clients of its own.
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 </dev/null &
weston=$!
started+=("$weston")
listening() {
    ! ended "$weston" || fail "weston ended"
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]
}
wait_until 30 listening || fail "weston made no socket in 30 s"

# The real game: its protocol log shows the toplevel it asks for and the frames it draws. Kept
# apart from the logs a failure shows, which get the game's own lines.
protocol=$work/protocol.txt
WAYLAND_DEBUG=client "$game" >/dev/null 2>"$protocol" </dev/null &
game_pid=$!
drawn() {
    ! ended "$game_pid" || fail "the game exited: $(grep -v '^\[' "$protocol")"
    grep -q 'wl_surface@[0-9]*\.attach' "$protocol"
}
wait_until 30 drawn || fail "the game drew no frame on Wayland in 30 s"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("vantrello")' "$protocol" ||
    fail "the window's app id is not the desktop entry's"
grep -q 'xdg_toplevel@[0-9]*\.set_title("Тестовый режим - игра Vantrello - карты")' \
    "$protocol" || fail "the title bar would not show the caption as it is"
stop "$game_pid"
game_pid=""

# Play, pick and collect with the window on the Wayland platform.
timeout 60 "$window_tests" --gtest_brief=1 \
    --gtest_filter='Form1Play.PlayPickAndCollectByMouse:Form1Play.DealtCardsShowTheirFaces:Form1Layout.EveryControlIsBuiltFromItsRow'
echo "PASS: native Wayland window with app id vantrello; play and pick on Wayland"
