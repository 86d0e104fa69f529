# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the end-to-end scripts: finds the game's window on the X display.

# game_window [PID]: prints the id of the visible 338x333 game window once it is mapped, polling
# for up to 10 s; prints nothing if it does not appear, or if process PID (when given) ends first.
game_window() {
    local candidate
    for _ in $(seq 100); do
        for candidate in $(xdotool search --onlyvisible --name 'Vantrello' 2>/dev/null); do
            if xdotool getwindowgeometry "$candidate" | grep -q 'Geometry: 338x333'; then
                echo "$candidate"
                return 0
            fi
        done
        if [ -n "${1:-}" ] && ! kill -0 "$1" 2>/dev/null; then
            return 0
        fi
        sleep 0.1
    done
}
