#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program's menu through the X server: a right click and Shift+F10 open it, F1 opens
# How to play, Escape closes each, and the Sound entry, chosen by keyboard, writes the one
# settings file, which nothing before it wrote. A screenshot of the open menu is left as
# window_menu-menu.png.
# Usage: window_menu_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display -- "$@"
game=$(realpath "$1")

start_game env LANGUAGE=ru

# The game's shown windows besides its own: the menu, or a window the menu opened.
others() { xdotool search --all --onlyvisible --pid "$game_pid" --name '' 2>/dev/null | grep -vx "$window" || true; }
opened() { [ -n "$(others)" ]; }
closed() { [ -z "$(others)" ]; }
# Opens with COMMAND..., checks something opened, then closes it with Escape.
open_and_escape() {
    local what=$1 shown
    shift
    "$@"
    wait_until 10 opened || fail "$what opened nothing"
    mapfile -t shown < <(others)
    [ "$what" != "a right click" ] || shoot menu "${shown[@]}"
    xdotool key Escape
    wait_until 10 closed || fail "Escape did not close what $what opened"
}
open_and_escape "a right click" right_click Frame1
open_and_escape "Shift+F10" xdotool key shift+F10
xdotool key F1
wait_until 10 opened || fail "F1 opened nothing"
title=$(xdotool getwindowname "$(others)")
[[ $title == "Как играть"* ]] || fail "F1 opened '$title', not How to play"
xdotool key Escape
wait_until 10 closed || fail "Escape did not close How to play"

settings=$XDG_CONFIG_HOME/vantrello/vantrello.conf
[ ! -e "$XDG_CONFIG_HOME/vantrello" ] || fail "the game wrote settings nobody changed: $(ls -R "$XDG_CONFIG_HOME")"
# Opened by a key, the menu starts on its first entry, Sound, on: Enter switches it off.
xdotool key shift+F10
wait_until 10 opened || fail "Shift+F10 opened nothing"
xdotool key Return
wait_until 10 grep -qx 'sound=false' "$settings" 2>/dev/null || fail "Sound off was not written"
wait_until 10 closed || fail "the menu stayed open after Sound was chosen"

quit_by_keys
expect_clean_exit "Ctrl+Q"
echo "PASS: right click, Shift+F10 and F1 opened, Escape closed, Sound off was written"
