#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X window on an English desktop (LANG=en_US.UTF-8, no other language
# set): its title is English, Enter deals, a card's key picks it, Tab and Enter collect, and
# Ctrl+Q ends it with status 0 and nothing on stderr. Screenshots of the table at the start and
# after the deal are left as window_english-*.png.
# Usage: window_english_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display -- "$@"
game=$(realpath "$1")

start_game env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8
title=$(xdotool getwindowname "$window")
[ "$title" = "Test mode — Vantrello card game" ] || fail "the title is not English: $title"
shoot start

# Enter presses the focused "Play": the dealer's card turns face up.
xdotool key Return
wait_until 10 dealer_turned || fail "the dealer's card did not turn after Enter"
# The first card's key picks it; "Collect", reached with Tab, collects after whatever followed.
xdotool key 1 Tab Return
quit_by_keys
expect_clean_exit "Ctrl+Q"
echo "PASS: in English, the game dealt on Enter, picked by key, collected and closed by Ctrl+Q"
