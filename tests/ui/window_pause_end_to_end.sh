#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window, during the 2.5 s pause before a chain's next deal:
#  1. the window still repaints (a screenshot taken in the pause shows the turned cards);
#  2. closing the window (WM_DELETE_WINDOW, as the close box sends it), or Ctrl+Q, ends the
#     program at once, with status 0, not when the pause would have ended;
#  3. when the X server goes away, the program ends at once with one line on standard error.
# Rounds of "Play" and a pick of the player's first card are played until a pick enters that
# pause: the win on the banner was not 0 before the pick and is not 0 after it (a lost pick sets
# it to 0).
# The run has a display of its own, since part 3 takes it away.
# Usage: window_pause_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --own-display -- "$@"
game=$(realpath "$1")

readonly close_limit_ms=1000 # generous: measured in tens of milliseconds

# win_shows_zero SHOT: the banner's win reads as at start.
win_shows_zero() { [ "$(changed_pixels start "$1" LabelTotalWin)" = 0 ]; }

# Plays until a pick is in its next-deal pause; returns when it is, about 0.6 s into the pick.
into_the_pause() {
    shoot start
    for _ in $(seq 60); do
        click Command1
        sleep 0.15
        shoot dealt
        win_shows_zero dealt && continue
        click Short2
        sleep 0.6
        shoot picked
        if ! win_shows_zero picked; then
            return 0
        fi
    done
    fail "no pick entered the next-deal pause in 60 rounds"
}

# exits_at_once WHAT: the game, closed during the pause at $asked (ms), exits with status 0 at once.
exits_at_once() {
    expect_clean_exit "$1"
    local took=$(($(now_ms) - asked))
    [ "$took" -lt "$close_limit_ms" ] || fail "the game exited $took ms after $1"
    echo "$1 during the next-deal pause: the game exited $took ms later"
}

# 1 and 2: repaint and close during the pause.
start_game
into_the_pause
# The cards turned by the pick show in the pause: the backs of the player's slots are gone.
changed=$(changed_pixels dealt picked Short2 Short3 Short4 Short5)
[ "$changed" -gt 1000 ] || fail "the window shows no turned cards during the pause"
close_window
asked=$close_sent_ms
exits_at_once "the close request"

# 2b: Ctrl+Q during the pause closes the game as the close box does, not when the pause ends.
start_game
into_the_pause
asked=$(now_ms)
quit_by_keys
exits_at_once "Ctrl+Q"

# 3: the display goes away during the pause.
start_game
into_the_pause
asked=$(now_ms)
take_display_away
await_game_end "the display went away"
took=$(($(now_ms) - asked))
[ "$game_status" -ne 0 ] || fail "exit status 0 when the display went away"
[ "$took" -lt "$close_limit_ms" ] || fail "the game exited $took ms after the display went away"
lines=$(grep -cv '^$' "$work/game.log" || true)
[ "$lines" -eq 1 ] || fail "expected one line on standard error, got: $(cat "$work/game.log")"
echo "display gone during the next-deal pause: exited $took ms later with: $(cat "$work/game.log")"
echo "PASS: the window repaints in the pause; a close, Ctrl+Q or a lost display ends the game at once"
