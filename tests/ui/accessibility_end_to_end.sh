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
# The processes started here and all their descendants, by process id.
descendants() {
    local pid
    for pid in "$@"; do
        echo "$pid"
        descendants $(pgrep -P "$pid" || true)
    done
}
all_ended() {
    local pid
    for pid in "$@"; do
        ended "$pid" || return 1
    done
}
stop_all() {
    local pids
    pids=$(descendants "${started[@]}")
    [ -n "$pids" ] && kill $pids 2>/dev/null || true
    wait_until 5 all_ended $pids || kill -9 $pids 2>/dev/null || true
    rm -rf "$work"
}
trap stop_all EXIT

# Only the private buses are visible to what runs here.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work"

# A private session bus; it reports its address once it listens.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/address" 2>"$work/bus.log" &
started+=($!)
wait_until 30 test -s "$work/address" || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/address")

# The AT-SPI bus launcher: it owns org.a11y.Bus on the session bus and starts the accessibility
# bus, on which the registry is started when first asked for.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/launcher.log" &
started+=($!)

# Accessibility switched on as a screen reader switches it on, once the launcher owns its name
# (asked before, the session bus would start a launcher of its own).
launcher_owns_its_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until 30 launcher_owns_its_name || fail "the AT-SPI bus launcher did not take its name"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null || fail "accessibility could not be switched on"

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
