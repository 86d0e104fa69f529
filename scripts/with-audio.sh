#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command with a private PulseAudio sound server whose only output is a
# silent null sink, so that sound can be played and recorded on machines with
# no sound card, no desktop session and no display (CI, containers, root).
#
#   scripts/with-audio.sh CMD [ARGS...]
#
# The child sees PULSE_SERVER and XDG_RUNTIME_DIR pointing at the private
# server, and VANTRELLO_AUDIO_SINK naming its sink (record "$VANTRELLO_AUDIO_SINK.monitor").
# The server is stopped when the command ends; the script exits with the
# command's status.
set -u

if [ "$#" -eq 0 ]; then
    echo "usage: $0 CMD [ARGS...]" >&2
    exit 2
fi

for tool in pulseaudio pactl; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "with-audio: '$tool' not found (install the pulseaudio and pulseaudio-utils packages)" >&2
        exit 1
    fi
done

sink=vantrello_null
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrello-audio.XXXXXX") || exit 1
runtime="$work/runtime"
socket="$runtime/native"
log="$work/pulseaudio.log"
mkdir -m 700 "$runtime" "$work/home"

daemon_pid=
stop_daemon() {
    if [ -n "$daemon_pid" ]; then
        kill "$daemon_pid" 2>/dev/null
        wait "$daemon_pid" 2>/dev/null
        daemon_pid=
    fi
    rm -rf "$work"
}
trap stop_daemon EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The startup script replaces the system's default.pa: nothing is probed,
# only a null sink (no rewinds, so a stopped stream ends where the server
# cut it) and the local socket exist.
cat >"$work/server.pa" <<PA
load-module module-null-sink sink_name=$sink norewinds=1 rate=44100 channels=2 format=s16le sink_properties=device.description=Vantrello_null
load-module module-native-protocol-unix socket=$socket auth-anonymous=1
set-default-sink $sink
PA

# -n skips default.pa; --system=false with a private HOME and runtime
# directory lets it run as an ordinary per-user daemon even as root. The
# daemon sees no display and no session bus: on a bus (the desktop's, or one
# libdbus autolaunches on the display) it would claim the per-user names
# org.PulseAudio1 and org.pulseaudio.Server, and a second private daemon, such
# as a test's own, would exit at once.
env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$work/home/.config" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
    pulseaudio -n -F "$work/server.pa" --daemonize=no --system=false \
    --exit-idle-time=-1 --use-pid-file=false --realtime=false --high-priority=false \
    --no-cpu-limit=true --disable-shm=true --log-target=stderr \
    </dev/null >"$log" 2>&1 &
daemon_pid=$!

export PULSE_SERVER="unix:$socket"
export XDG_RUNTIME_DIR="$runtime"
export VANTRELLO_AUDIO_SINK="$sink"

# Ready once it answers a client, which it does only when its start-up is complete.
deadline=$((SECONDS + 30))
until pactl info >/dev/null 2>&1; do
    if ! kill -0 "$daemon_pid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
        echo "with-audio: the private PulseAudio server did not start; its log:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.05
done

# The command runs in the background so that a TERM or INT sent to this script
# is passed on to it at once; the server is stopped only after it has ended.
"$@" <&0 &
child=$!
trap 'kill -TERM "$child" 2>/dev/null' TERM
trap 'kill -INT "$child" 2>/dev/null' INT
wait "$child"
status=$?
while kill -0 "$child" 2>/dev/null; do
    # The wait was cut short by a signal: wait for the command's own status.
    wait "$child"
    status=$?
done
exit "$status"
