#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window on an English desktop (LANG=en_US.UTF-8, no other language
# set): its title is English, Enter deals, a card's key picks it, Tab and Enter collect, and
# Ctrl+Q ends it with status 0 and nothing on stderr. Screenshots of the table at the start and
# after the deal are left in SCREENSHOT_DIR (the working directory by default).
# Usage: window_english_end_to_end.sh PATH_TO_VANTRELLO [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
shots=${2:-$(pwd)}
if [ -z "${DISPLAY:-}" ]; then
    exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
. "$here/game_window.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

errors=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -f "$errors"' EXIT
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$game" 2>"$errors" &
pid=$!
window=$(game_window "$pid")
[ -n "$window" ] || fail "the game window did not appear"
title=$(xdotool getwindowname "$window")
[ "$title" = "Test mode — Vantrello card game" ] || fail "the title is not English: $title"
wait_until 10 has_icon "$window" || fail "the window has no icon"
eval "$(xdotool getwindowgeometry --shell "$window")"
shoot() { import -window root -crop "338x333+$X+$Y" +repage "$shots/$1"; }
shoot window-start-en.png

xdotool windowfocus --sync "$window"
# Enter presses the focused "Play": the dealer's card (pixels 33..84, 61..139) turns face up.
xdotool key Return
dealer_turned() {
    shoot window-dealt-en.png
    changed=$(compare -metric AE -extract 51x78+33+61 "$shots/window-start-en.png" \
        "$shots/window-dealt-en.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 500 ] 2>/dev/null
}
wait_until 10 dealer_turned || fail "the dealer's card did not turn after Enter"
# The first card's key picks it; "Collect", reached with Tab, collects after whatever followed.
xdotool key 1 Tab Return ctrl+q
wait_until 10 ended "$pid" || fail "the game did not exit on Ctrl+Q"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$errors" ] || fail "the game wrote on stderr: $(cat "$errors")"
echo "PASS: in English, the game dealt on Enter, picked by key, collected and closed by Ctrl+Q"
