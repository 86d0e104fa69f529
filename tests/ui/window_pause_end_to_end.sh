#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window, during the 2.5 s pause before a chain's next deal:
#  1. the window still repaints (a screenshot taken in the pause shows the turned cards);
#  2. closing the window (WM_DELETE_WINDOW, as the close box sends it), or Ctrl+Q, ends the
#     program at once, with status 0, not when the pause would have ended;
#  3. when the X server goes away, the program ends at once with one line on standard error.
# Rounds of "Play" and a pick on card 2 are played until a pick enters that pause: the win on
# the banner was not 0 before the pick and is not 0 after it (a lost pick sets it to 0).
# Usage: window_pause_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
. "$here/game_window.sh"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

readonly close_limit_ms=1000    # generous: measured in tens of milliseconds
readonly play_x=288 play_y=284  # the "Play" button
readonly back_x=106 back_y=100  # the back of card slot 2
readonly win_box=81x25+138+8    # LabelTotalWin on the banner

work=$(mktemp -d)
xvfb=""
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# A display of our own, since part 3 takes it away; it does not reset when the first game leaves
# it (see scripts/with-display.sh).
start_display() {
    local ready="$work/display"
    rm -f "$ready"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    wait_until 30 test -s "$ready" || fail "Xvfb did not start; its log: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(tr -dc '0-9' <"$ready")"
}

window=""
start_game() {
    (cd "$work" && exec "$game" 2>"$work/stderr") &
    pid=$!
    window=$(game_window "$pid")
    if [ -z "$window" ] && ! kill -0 "$pid" 2>/dev/null; then
        fail "the game ended before its window appeared: $(cat "$work/stderr")"
    fi
    [ -n "$window" ] || fail "the game window did not appear on $DISPLAY: $(cat "$work/stderr")"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wait_until 10 has_icon "$window" || fail "the game drew no first frame"
}

shoot() { import -window root -crop "338x333+$X+$Y" +repage "$work/$1"; }
win_shows_zero() { # win_shows_zero SHOT: the banner's win reads as at start
    local changed
    changed=$(compare -metric AE -extract "$win_box" "$work/start.png" "$work/$1" null: 2>&1 || true)
    [ "${changed%% *}" = 0 ]
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# exits_at_once WHAT: the game, closed during the pause at $started, exits with status 0 at once.
exits_at_once() {
    local status=0
    wait "$pid" || status=$?
    local took=$(($(now_ms) - started))
    pid=""
    [ "$status" -eq 0 ] || fail "exit status $status after $1, expected 0: $(cat "$work/stderr")"
    [ "$took" -lt "$close_limit_ms" ] || fail "the game exited $took ms after $1"
    echo "$1 during the next-deal pause: the game exited $took ms later"
}

# Plays until a pick is in its next-deal pause; returns when it is, about 0.6 s into the pick.
into_the_pause() {
    shoot start.png
    for _ in $(seq 60); do
        click "$play_x" "$play_y"
        sleep 0.15
        shoot dealt.png
        win_shows_zero dealt.png && continue
        click "$back_x" "$back_y"
        sleep 0.6
        shoot picked.png
        if ! win_shows_zero picked.png; then
            return 0
        fi
    done
    fail "no pick entered the next-deal pause in 60 rounds"
}

# 1 and 2: repaint and close during the pause.
start_display
start_game
into_the_pause
# The cards turned by the pick show in the pause: the backs of slots 2 to 5 are gone.
changed=$(compare -metric AE -extract 220x78+89+61 "$work/dealt.png" "$work/picked.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] 2>/dev/null || fail "the window shows no turned cards during the pause"
# The time is taken once the request is sent, not before Python starts.
started=$(python3 -c 'import sys, time
sys.path.insert(0, sys.argv[1])
import close_window
sys.argv = sys.argv[1:]
close_window.main()
print(time.clock_gettime_ns(time.CLOCK_REALTIME) // 1000000)' "$here" "$window")
exits_at_once "the close request"

# 2b: Ctrl+Q during the pause closes the game as the close box does, not when the pause ends.
start_game
into_the_pause
started=$(now_ms)
xdotool key --clearmodifiers ctrl+q
exits_at_once "Ctrl+Q"

# 3: the display goes away during the pause.
start_game
into_the_pause
started=$(now_ms)
kill "$xvfb"
status=0
wait "$pid" || status=$?
took=$(($(now_ms) - started))
pid=""
wait "$xvfb" 2>/dev/null || true
xvfb=""
[ "$status" -ne 0 ] || fail "exit status 0 when the display went away"
[ "$took" -lt "$close_limit_ms" ] || fail "the game exited $took ms after the display went away"
lines=$(grep -cv '^$' "$work/stderr" || true)
[ "$lines" -eq 1 ] || fail "expected one line on standard error, got: $(cat "$work/stderr")"
echo "display gone during the next-deal pause: exited $took ms later with: $(cat "$work/stderr")"
echo "PASS: the window repaints in the pause; a close, Ctrl+Q or a lost display ends the game at once"
