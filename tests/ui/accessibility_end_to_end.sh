#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program read through the real accessibility bus, as a screen reader reads it. Starts a
# private D-Bus session bus and the AT-SPI bus launcher (which starts the accessibility bus and its
# registry), switches accessibility on as a screen reader does, runs the game, and lets an AT-SPI
# client (tests/ui/accessibility_client.py) read and play it; the client ends with Ctrl+Q, and the
# game must exit with status 0 having written nothing on stderr. Stops everything it started.
# Usage: accessibility_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
    exec "$here/../../scripts/with-display.sh" "$0" "$@"
fi
. "$here/game_window.sh"
# shellcheck source=tests/ui/accessibility_bus.sh
. "$here/accessibility_bus.sh"
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do
        echo "--- $(basename "$log"):" >&2
        cat "$log" >&2
    done
    exit 1
}

work=$(mktemp -d)
chmod 700 "$work"
started=()
stop_all() {
    stop "${started[@]}"
    rm -rf "$work"
}
trap stop_all EXIT

# Only the private buses are visible to what runs here.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work"

start_accessibility_bus

"$game" >"$work/game-out.log" 2>"$work/game.log" &
pid=$!
started+=("$pid")

window=$(game_window)
[ -n "$window" ] || fail "the game window did not appear"

/usr/bin/python3 "$here/accessibility_client.py" "$window" || fail "the accessibility client failed"

# The client closed the game with Ctrl+Q.
wait_until 10 ended "$pid" || fail "the game did not exit on Ctrl+Q"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game exited with status $status"
[ ! -s "$work/game.log" ] || fail "the game wrote on stderr"
echo "PASS: the game read and played through the accessibility bus, and closed by Ctrl+Q"
