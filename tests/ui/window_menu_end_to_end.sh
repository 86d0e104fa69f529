#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program's menu through the X server: a right click and Shift+F10 open it, F1 opens
# How to play, Escape closes each, and the Sound entry, chosen by keyboard, writes the one
# settings file, which nothing before it wrote. A screenshot of the open menu is left in
# SCREENSHOT_DIR (the working directory by default).
# Usage: window_menu_end_to_end.sh PATH_TO_VANTRELLO [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
shots=${2:-$(pwd)}
if [ -z "${DISPLAY:-}" ]; then
    exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
. "$here/game_window.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

config=$(mktemp -d)
errors=$(mktemp)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$config" "$errors"' EXIT
XDG_CONFIG_HOME=$config LANGUAGE=ru "$game" 2>"$errors" &
pid=$!
window=$(game_window "$pid")
[ -n "$window" ] || fail "the game window did not appear"
wait_until 10 has_icon "$window" || fail "the window has no icon"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"

# The game's shown windows besides its own: the menu, or a window the menu opened.
others() { xdotool search --all --onlyvisible --pid "$pid" --name '' 2>/dev/null | grep -vx "$window" || true; }
opened() { [ -n "$(others)" ]; }
closed() { [ -z "$(others)" ]; }
# Opens with "$@" (xdotool arguments), checks something opened, then closes it with Escape.
open_and_escape() {
    local what=$1
    shift
    xdotool "$@"
    wait_until 10 opened || fail "$what opened nothing"
    [ "$what" != "a right click" ] || import -window root -crop "400x380+$((X - 10))+$((Y - 10))" +repage "$shots/window-menu.png"
    xdotool key Escape
    wait_until 10 closed || fail "Escape did not close what $what opened"
}
open_and_escape "a right click" mousemove $((X + 150)) $((Y + 200)) click 3
open_and_escape "Shift+F10" key shift+F10
xdotool key F1
wait_until 10 opened || fail "F1 opened nothing"
title=$(xdotool getwindowname "$(others)")
[[ $title == "Как играть"* ]] || fail "F1 opened '$title', not How to play"
xdotool key Escape
wait_until 10 closed || fail "Escape did not close How to play"

settings=$config/vantrello/vantrello.conf
[ ! -e "$config/vantrello" ] || fail "the game wrote settings nobody changed: $(ls -R "$config")"
# Opened by a key, the menu starts on its first entry, Sound, on: Enter switches it off.
xdotool key shift+F10
wait_until 10 opened || fail "Shift+F10 opened nothing"
xdotool key Return
wait_until 10 grep -qx 'sound=false' "$settings" 2>/dev/null || fail "Sound off was not written"
wait_until 10 closed || fail "the menu stayed open after Sound was chosen"

xdotool key ctrl+q
wait_until 10 ended "$pid" || fail "the game did not exit on Ctrl+Q"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ ! -s "$errors" ] || fail "the game wrote on stderr: $(cat "$errors")"
echo "PASS: right click, Shift+F10 and F1 opened, Escape closed, Sound off was written"
