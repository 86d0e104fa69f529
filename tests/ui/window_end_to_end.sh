#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window: it refuses cleanly without a display, opens its window
# from any working directory with its caption, class and icon and without opening a picture or
# font file, deals on a click of "Play", and exits with status 0 when its window is closed.
# Screenshots of the table at the start and after the deal are left as window-*.png.
# Usage: window_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display -- "$@"
game=$(realpath "$1")

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
mkdir -m 700 "$work/no-wayland"
refused wayland QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work/no-wayland"
refused nosuch QT_QPA_PLATFORM=nosuch

# Traced: its pictures and fonts are part of the program, so it must open no picture or font
# file. (strace passes the game's exit status on; LeakSanitizer cannot run under it.)
opened=$work/opened
start_game env ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    strace -f -qq -e trace=open,openat -o "$opened"
[ "$(xdotool getwindowname "$window")" = 'Тестовый режим - игра Vantrello - карты' ] ||
    fail "wrong caption: $(xdotool getwindowname "$window")"
xprop -id "$window" WM_CLASS | grep -q '"vantrello", "vantrello"' ||
    fail "WM_CLASS is not the desktop entry's: $(xprop -id "$window" WM_CLASS)"

# The first frame is on the screen once the window has its icon.
shoot start
click Command1
wait_until 10 dealer_turned || fail "the dealer's card did not turn after Play (changed pixels: $changed)"

close_window
expect_clean_exit "its window was closed"
[ -s "$opened" ] || fail "strace recorded nothing"
files=$(grep -oiE '"[^"]+\.(png|svg|bmp|jpe?g|xpm|ico|ttf|otf|ttc|pfb|pcf(\.gz)?|woff2?)"' "$opened" | sort -u || true)
[ -z "$files" ] || fail "the game opened picture or font files: $files"

echo "PASS: window opened, dealt on Play, closed with status 0; screenshots in $shots"
