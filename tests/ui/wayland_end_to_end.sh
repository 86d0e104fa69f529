#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a native Wayland client, under a private headless weston: the real program
# maps its window with the desktop entry's app id and its exact caption, and the window
# tests deal and pick on the Wayland platform.
# Usage: wayland_end_to_end.sh PATH_TO_VANTRELLO PATH_TO_TEST_WINDOW
set -euo pipefail
game=$1
window_tests=$2
. "$(dirname "$0")/game_window.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrello-wayland.XXXXXX")
chmod 700 "$work"
weston_pid=
game_pid=
# Ends a process and waits for it, but never for long: a compositor or client stuck on the
# other going away must not hang the test.
stop() {
    kill "$1" 2>/dev/null || return 0
    wait_until 2 ended "$1" || kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    [ -n "$game_pid" ] && stop "$game_pid"
    [ -n "$weston_pid" ] && stop "$weston_pid"
    rm -rf "$work"
}
trap cleanup EXIT

# No X display either, so nothing can fall back to X11.
unset DISPLAY
export XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=vantrello-wayland QT_QPA_PLATFORM=wayland
# The kiosk shell maps the window at once and starts no helper clients of its own.
weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$WAYLAND_DISPLAY" \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 </dev/null &
weston_pid=$!
listening() {
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(cat "$work/weston.log")"
    [ -S "$work/$WAYLAND_DISPLAY" ]
}
wait_until 30 listening || fail "weston made no socket in 30 s: $(cat "$work/weston.log")"

# The real game: its protocol log shows the toplevel it asks for and the frames it draws.
WAYLAND_DEBUG=client "$game" >/dev/null 2>"$work/game.log" </dev/null &
game_pid=$!
drawn() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game exited: $(grep -v '^\[' "$work/game.log")"
    grep -q 'wl_surface@[0-9]*\.attach' "$work/game.log"
}
wait_until 30 drawn || fail "the game drew no frame on Wayland in 30 s: $(cat "$work/weston.log")"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("vantrello")' "$work/game.log" ||
    fail "the window's app id is not the desktop entry's"
grep -q 'xdg_toplevel@[0-9]*\.set_title("Тестовый режим - игра Vantrello - карты")' \
    "$work/game.log" || fail "the title bar would not show the caption as it is"
stop "$game_pid"
game_pid=

# Play, pick and collect with the window on the Wayland platform.
timeout 60 "$window_tests" --gtest_brief=1 \
    --gtest_filter='Form1Play.PlayPickAndCollectByMouse:Form1Play.DealtCardsShowTheirFaces:Form1Layout.EveryControlIsBuiltFromItsRow'
echo "PASS: native Wayland window with app id vantrello; play and pick on Wayland"
