#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window: it refuses cleanly without a display, opens
# its window from any working directory, deals on a click of "Play", and exits
# with status 0 when its window is closed.
# Usage: window_end_to_end.sh PATH_TO_VANTRELLO [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
shots=${2:-$(pwd)}
if [ -z "${DISPLAY:-}" ]; then
    exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
. "$here/game_window.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

# --version needs no display at all.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --version) || fail "--version failed"
[[ "$version" =~ ^vantrello\ [0-9.]+$ ]] || fail "--version printed: $version"

# Where no window can open: one line naming Qt's reason and the platform it tried, and
# status 1, no abort.
refused() { # refused PLATFORM-IN-MESSAGE ENV...
    local named=$1 status=0 errors
    shift
    errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>&1 >/dev/null) ||
        status=$?
    [ "$status" -eq 1 ] || fail "$*: exit status $status, expected 1"
    [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || fail "$*: expected one line, got: $errors"
    [[ "$errors" == *"\"$named\""* ]] || fail "$*: the message does not name $named: $errors"
    echo "refused ($*): $errors"
}
refused xcb
refused wayland QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$(mktemp -d)"
refused nosuch QT_QPA_PLATFORM=nosuch

# Started from an unrelated working directory, and traced: its pictures and fonts
# are part of the program, so it must open no picture or font file. (strace passes
# the game's exit status on; LeakSanitizer cannot run under it.)
elsewhere=$(mktemp -d)
opened=$(mktemp)
# On the way out the game goes too, not only strace (which would leave it running).
trap 'kill $(pgrep -P "$pid") "$pid" 2>/dev/null || true; rm -rf "$elsewhere" "$opened"' EXIT
(cd "$elsewhere" && ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    exec strace -f -qq -e trace=open,openat -o "$opened" "$game") &
pid=$!

window=$(game_window)
[ -n "$window" ] || fail "the 338x333 game window did not appear"
[ "$(xdotool getwindowname "$window")" = 'Тестовый режим - игра Vantrello - карты' ] ||
    fail "wrong caption: $(xdotool getwindowname "$window")"
xprop -id "$window" WM_CLASS | grep -q '"vantrello", "vantrello"' ||
    fail "WM_CLASS is not the desktop entry's: $(xprop -id "$window" WM_CLASS)"
wait_until 10 has_icon "$window" || fail "the window has no icon"
eval "$(xdotool getwindowgeometry --shell "$window")"

shoot() { import -window root -crop "338x333+$X+$Y" +repage "$shots/$1"; }
# The first frame is on the screen once the window has its icon.
shoot window-start.png
# "Play" is at (248..329, 256..313) in the window.
xdotool mousemove --window "$window" 288 284 click 1
# The dealer's card (pixels 33..84, 61..139 in the window) turns face up.
dealer_turned() {
    shoot window-dealt.png
    changed=$(compare -metric AE -extract 51x78+33+61 "$shots/window-start.png" "$shots/window-dealt.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 500 ] 2>/dev/null
}
wait_until 10 dealer_turned || fail "the dealer's card did not turn after Play (changed pixels: $changed)"

python3 "$here/close_window.py" "$window"
status=0
wait_until 10 ended "$pid" || fail "the game did not exit after its window was closed"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status after closing, expected 0"
[ -s "$opened" ] || fail "strace recorded nothing"
files=$(grep -oiE '"[^"]+\.(png|svg|bmp|jpe?g|xpm|ico|ttf|otf|ttc|pfb|pcf(\.gz)?|woff2?)"' "$opened" | sort -u || true)
[ -z "$files" ] || fail "the game opened picture or font files: $files"

echo "PASS: window opened, dealt on Play, closed with status 0; screenshots in $shots"
