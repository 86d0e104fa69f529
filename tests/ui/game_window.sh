# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end scripts: waits on a condition, and finds the game's window.

# wait_until SECONDS COMMAND [ARGS...]: runs COMMAND every 50 ms until it succeeds; fails if it
# has not within SECONDS.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# ended PID: whether process PID has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }

# Prints the id of the visible 338x333 game window (of process $1, when given) if it is mapped;
# succeeds also when process $1 has ended.
mapped_game_window() {
    local candidate
    for candidate in $(xdotool search --all --onlyvisible ${1:+--pid "$1"} --name 'Vantrello' 2>/dev/null); do
        if xdotool getwindowgeometry "$candidate" | grep -q 'Geometry: 338x333'; then
            echo "$candidate"
            return 0
        fi
    done
    [ -n "${1:-}" ] && ended "$1"
}

# has_icon WINDOW: whether the window carries its icon, which the game gives it just after its
# first frame.
has_icon() { [ "$(xprop -id "$1" _NET_WM_ICON | wc -c)" -gt 1000 ]; }

# game_window [PID]: prints the id of the game window once it is mapped, waiting up to 30 s;
# prints nothing if it does not appear, or if process PID (when given) ends first.
game_window() {
    wait_until 30 mapped_game_window "${1:-}" || true
}
