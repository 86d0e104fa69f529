#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program read through the real accessibility bus, as a screen reader reads it: on a
# private session bus and accessibility bus, an AT-SPI client (tests/ui/accessibility_client.py)
# reads the tree and plays through its accessible actions; then the game, ended with Ctrl+Q, must
# exit with status 0 having written nothing on stderr. The keyboard played with a screen reader
# listening is the Orca run's (orca_end_to_end.sh).
# Usage: accessibility_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display --accessibility -- "$@"
game=$(realpath "$1")

start_game
/usr/bin/python3 "$(dirname "$0")/accessibility_client.py" || fail "the accessibility client failed"
quit_by_keys
expect_clean_exit "Ctrl+Q"
echo "PASS: the game read and played through the accessibility bus, and closed by Ctrl+Q"
