# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154

# Sourced, after game_window.sh, by the end-to-end scripts that read the game as a screen reader
# does: starting and stopping the private buses and whatever else they start. The scripts define
# `fail`, the array `started` and the directory `$work`.

# The processes given and all their descendants, by process id.
descendants() {
    local pid children
    for pid in "$@"; do
        echo "$pid"
        mapfile -t children < <(pgrep -P "$pid" || true)
        descendants "${children[@]}"
    done
}
# Whether the processes have ended, a zombie counted as ended: the accessibility bus, its launcher
# stopped with it, waits as a zombie for whoever inherits it to reap it, which can take seconds.
all_ended() {
    local pid
    for pid in "$@"; do
        ended "$pid" || [[ $(ps -o stat= -p "$pid") == Z* ]] || return 1
    done
}
# stop PID...: ends the processes and their descendants, forcibly after 5 s.
stop() {
    local pids
    mapfile -t pids < <(descendants "$@")
    kill "${pids[@]}" 2>/dev/null || true
    wait_until 5 all_ended "${pids[@]}" || kill -9 "${pids[@]}" 2>/dev/null || true
}

# start_accessibility_bus: starts a private D-Bus session bus and the AT-SPI bus launcher, which
# starts the accessibility bus and its registry when first asked, and switches accessibility on as
# a screen reader does. Exports DBUS_SESSION_BUS_ADDRESS; adds both processes to `started`.
start_accessibility_bus() {
    # The session bus reports its address once it listens.
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/address" \
        2>"$work/bus.log" &
    started+=($!)
    wait_until 30 test -s "$work/address" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/address")
    export DBUS_SESSION_BUS_ADDRESS

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
    started+=($!)
    # Switched on once the launcher owns its name: asked before, the session bus would start a
    # launcher of its own.
    wait_until 30 launcher_owns_its_name || fail "the AT-SPI bus launcher did not take its name"
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null || fail "accessibility could not be switched on"
}

launcher_owns_its_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
