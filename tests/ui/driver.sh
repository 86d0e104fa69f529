# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2034

# The driver of the runs of the real program, sourced by each end-to-end script before anything
# else:
#
#   . "$(dirname "$0")/driver.sh" [--display | --own-display] [--sound] [--accessibility] -- "$@"
#
# It gives the run what it asks for, and the script keeps only what it checks:
#   --display        an X display: without DISPLAY, the script runs itself again under
#                    scripts/with-display.sh, the one place that starts the tests' X server.
#   --own-display    a display of the run's own, which take_display_away ends: the script always
#                    runs itself again under scripts/with-display.sh, never on a shared display.
#   --sound          a sound server: without PULSE_SERVER and VANTRELLO_AUDIO_SINK, the script runs
#                    itself again under scripts/with-audio.sh.
#   --accessibility  a private D-Bus session bus and the AT-SPI bus launcher, accessibility
#                    switched on as a screen reader does.
# Every run gets a private directory, $work, as its home, its settings and runtime directory: it
# reads and writes nothing of the user's. Each process put in `started` (and the game) is stopped
# with its descendants when the script ends; a failure, by `fail` or by a command that fails under
# `set -e`, is reported once, with every log of the run (the game's standard error is game.log),
# and $work is then kept.
#
# The game's window as designed comes from the program VANTRELLO_WINDOW_GEOMETRY (by default
# window_geometry beside the game), which prints each control's name and rectangle in the window;
# `click Command1` or `region Short1` use it.

driver_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
driver_scripts=$driver_dir/../../scripts

# ---- What the run needs ------------------------------------------------------------------------
driver_needs=()
while [ "$#" -gt 0 ]; do
    case $1 in
    --) shift; break ;;
    --display | --own-display | --sound | --accessibility) driver_needs+=("${1#--}"); shift ;;
    *) echo "driver.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
needs() { [[ " ${driver_needs[*]} " == *" $1 "* ]]; }

# The script runs itself again under the display and the sound server it lacks; the script's own
# arguments follow the driver's `--`.
if needs own-display && [ "${VANTRELLO_DISPLAY_OWNER:-}" != "$PPID" ]; then
    # with-display.sh keeps this shell's process id and is the parent of the script run under it.
    VANTRELLO_DISPLAY_OWNER=$$ exec "$driver_scripts/with-display.sh" "$0" "$@"
fi
if needs display && [ -z "${DISPLAY:-}" ]; then
    exec "$driver_scripts/with-display.sh" "$0" "$@"
fi
if needs sound && { [ -z "${PULSE_SERVER:-}" ] || [ -z "${VANTRELLO_AUDIO_SINK:-}" ]; }; then
    exec "$driver_scripts/with-audio.sh" "$0" "$@"
fi

# ---- Waiting -----------------------------------------------------------------------------------
# now_us, now_ms: the time of day in microseconds and milliseconds.
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }
now_ms() { echo $(($(now_us) / 1000)); }

# wait_until SECONDS COMMAND [ARGS...]: runs COMMAND every 50 ms until it succeeds; fails if it has
# not within SECONDS (a decimal number: 0.5 is half a second).
wait_until() {
    local whole=${1%%.*} fraction=0 deadline
    [[ $1 != *.* ]] || fraction=${1#*.}
    fraction=${fraction}000000
    deadline=$((${EPOCHREALTIME//[!0-9]/} + 10#${whole:-0} * 1000000 + 10#${fraction:0:6}))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME//[!0-9]/}" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# ended PID: whether process PID has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }

# ---- Failing and ending ------------------------------------------------------------------------
driver_reported=""
driver_error=""
# report REASON: the run's one failure report: the reason, the script's own account of what it saw
# (its function failure_details, when it has one) and every log of the run.
report() {
    [ -z "$driver_reported" ] || return 0
    driver_reported=1
    echo "FAIL: $*" >&2
    if declare -F failure_details >/dev/null; then
        failure_details >&2 || true
    fi
    local log
    for log in "$work"/*.log; do
        [ -s "$log" ] || continue
        echo "--- $(basename "$log"):" >&2
        cat "$log" >&2
    done
    echo "The run's files are kept in $work" >&2
}
fail() {
    report "$*"
    exit 1
}

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
    [ "$#" -gt 0 ] || return 0
    mapfile -t pids < <(descendants "$@")
    kill "${pids[@]}" 2>/dev/null || true
    wait_until 5 all_ended "${pids[@]}" || kill -9 "${pids[@]}" 2>/dev/null || true
}

started=()    # processes of the run, stopped when it ends
exit_hooks=() # commands run when it ends, before those processes are stopped
driver_exit() {
    local status=$? hook
    set +e
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        report "the script ended with status $status${driver_error:+ at $driver_error}"
    fi
    for hook in "${exit_hooks[@]}"; do
        eval "$hook"
    done
    [ -z "$game_pid" ] || stop "$game_pid"
    stop "${started[@]}"
    [ -n "$driver_reported" ] || rm -rf "$work"
    exit "$status"
}
# The last command that failed, for a script that ends on one under `set -e`.
set -E
trap 'driver_error="${BASH_SOURCE[0]##*/} line $LINENO: $BASH_COMMAND"' ERR

# ---- The run's private directory ----------------------------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrello-run.XXXXXX")
chmod 700 "$work"
game_pid=""
trap driver_exit EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The game starts in an empty directory of its own, unrelated to where it lies.
game_dir=$work/wd
mkdir "$game_dir"
# Screenshots are left where the run starts (or in VANTRELLO_SCREENSHOTS), named after the script.
shots=${VANTRELLO_SCREENSHOTS:-$PWD}
shot_prefix=$(basename "$0" .sh)
shot_prefix=${shot_prefix%_end_to_end}-

# ---- The accessibility bus ---------------------------------------------------------------------
# Only the private buses are visible to what runs here. Without them, the session bus is one that
# leads nowhere: on the desktop's the game would join the desktop's accessibility.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
launcher_owns_its_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
# A private D-Bus session bus and the AT-SPI bus launcher, which starts the accessibility bus and
# its registry when first asked; accessibility is switched on as a screen reader does.
if needs accessibility; then
    # The launcher reads its settings through GSettings: from memory, not the user's.
    export GSETTINGS_BACKEND=memory
    # The session bus reports its address once it listens.
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/address" \
        2>"$work/bus.log" &
    started+=($!)
    wait_until 30 test -s "$work/address" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/address")

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
    started+=($!)
    # Switched on once the launcher owns its name: asked before, the session bus would start a
    # launcher of its own.
    wait_until 30 launcher_owns_its_name || fail "the AT-SPI bus launcher did not take its name"
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null || fail "accessibility could not be switched on"
fi

# take_display_away: ends the run's own display (--own-display), as when an X server goes away.
take_display_away() {
    [ -n "${VANTRELLO_XVFB_PID:-}" ] || fail "the run has no display of its own to take away"
    kill "$VANTRELLO_XVFB_PID"
}

# ---- The window as designed --------------------------------------------------------------------
declare -A design=() # control name -> WIDTHxHEIGHT+LEFT+TOP in the window
load_design() {
    [ "${#design[@]}" -eq 0 ] || return 0
    local program=${VANTRELLO_WINDOW_GEOMETRY:-$(dirname "$game")/window_geometry} name geometry
    [ -x "$program" ] || fail "no $program to read the window's design from"
    while read -r name geometry; do
        design[$name]=$geometry
    done < <("$program")
    [ -n "${design[Form1]:-}" ] || fail "$program printed no window"
    window_size=${design[Form1]%%+*}
}

# region NAME...: the rectangle of the named controls in the window (the smallest holding them
# all), as ImageMagick writes a geometry: WIDTHxHEIGHT+LEFT+TOP.
region() {
    local name width height left top x0="" y0="" x1=0 y1=0
    load_design
    for name; do
        [ -n "${design[$name]:-}" ] || { echo "the window has no control $name" >&2; return 1; }
        IFS='x+' read -r width height left top <<<"${design[$name]}"
        [ -n "$x0" ] && [ "$x0" -le "$left" ] || x0=$left
        [ -n "$y0" ] && [ "$y0" -le "$top" ] || y0=$top
        [ "$x1" -ge $((left + width)) ] || x1=$((left + width))
        [ "$y1" -ge $((top + height)) ] || y1=$((top + height))
    done
    echo "$((x1 - x0))x$((y1 - y0))+$x0+$y0"
}

# centre NAME: the middle of the control in the window, as "X Y".
centre() {
    local width height left top
    IFS='x+' read -r width height left top <<<"$(region "$1")"
    echo "$((left + width / 2)) $((top + height / 2))"
}

# click NAME...: clicks each control in turn with the left button, in one go: the clicks are
# queued in order. right_click NAME: the right button.
click() {
    local name x y args=()
    for name; do
        read -r x y <<<"$(centre "$name")"
        args+=(mousemove --window "$window" "$x" "$y" click 1)
    done
    xdotool "${args[@]}"
}
right_click() {
    local x y
    read -r x y <<<"$(centre "$1")"
    xdotool mousemove --window "$window" "$x" "$y" click 3
}

# ---- The game ----------------------------------------------------------------------------------
# Prints the id of the visible game window, known by its title and its designed size, if one is
# mapped.
mapped_game_window() {
    local candidate
    for candidate in $(xdotool search --all --onlyvisible --name 'Vantrello' 2>/dev/null); do
        if xdotool getwindowgeometry "$candidate" | grep -q "Geometry: $window_size\$"; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}
window_up() { window=$(mapped_game_window) || ended "$game_pid"; }
# has_icon WINDOW: whether the window carries its icon, which the game gives it just after its
# first frame.
has_icon() { [ "$(xprop -id "$1" _NET_WM_ICON | wc -c)" -gt 1000 ]; }

# start_game [PREFIX...]: starts $game in $game_dir, under PREFIX when given ("env LANGUAGE=ru",
# "strace ..."), its standard error into game.log and its output into game-out.log; waits for its
# window and its first frame and gives the window the keyboard, as a window manager would. Sets
# game_pid, window, and the window's place on the screen, X and Y.
# shellcheck disable=SC2120 # the prefix is optional
start_game() {
    load_design
    (cd "$game_dir" && exec "$@" "$game") >"$work/game-out.log" 2>"$work/game.log" </dev/null &
    game_pid=$!
    window=""
    wait_until 30 window_up || true
    if [ -z "$window" ]; then
        ! ended "$game_pid" || fail "the game ended before its window appeared"
        fail "the $window_size game window did not appear on $DISPLAY"
    fi
    wait_until 10 has_icon "$window" || fail "the game drew no first frame"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool windowfocus --sync "$window"
}

# close_window: asks the window to close as its close box does; close_sent_ms is when it was asked.
close_window() {
    close_sent_ms=$(python3 "$driver_dir/close_window.py" "$window") ||
        fail "the close request could not be sent"
}

# quit_by_keys [COMMAND...]: ends the game with Ctrl+Q as a person does: Ctrl is pressed (and
# COMMAND, when given, run while it alone is held), then Q, and both are held until the game has
# gone. Released at once, their release would come while the game quits on the press, and Qt's
# accessibility bridge, which holds each key until a screen reader's key listener has answered,
# would still hold it at the end: it never frees what it holds then, which AddressSanitizer
# reports as a leak.
# shellcheck disable=SC2120 # the command is optional
quit_by_keys() {
    local gone=0
    xdotool keydown ctrl
    [ "$#" -eq 0 ] || "$@" || true
    xdotool keydown q
    wait_until 10 ended "$game_pid" && gone=1
    xdotool keyup q ctrl
    [ "$gone" -eq 1 ] || fail "the game did not exit on Ctrl+Q"
}

# await_game_end WHAT: waits up to 10 s for the game to end after WHAT; sets game_status.
await_game_end() {
    wait_until 10 ended "$game_pid" || fail "the game did not exit after $1"
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=""
}

# expect_clean_exit WHAT: the game ends after WHAT with status 0, having written nothing on
# standard error but lines that match the extended regular expression $tolerated_stderr.
tolerated_stderr=""
expect_clean_exit() {
    await_game_end "$1"
    [ "$game_status" -eq 0 ] || fail "exit status $game_status after $1, expected 0"
    if [ -n "$tolerated_stderr" ]; then
        ! grep -qvE "$tolerated_stderr" "$work/game.log" || fail "the game wrote on stderr"
    else
        [ ! -s "$work/game.log" ] || fail "the game wrote on stderr"
    fi
}

# ---- Screenshots -------------------------------------------------------------------------------
# shot NAME: the file of screenshot NAME.
shot() { echo "$shots/$shot_prefix$1.png"; }

# shoot NAME [WINDOW...]: a screenshot of the game window, or of the smallest part of the screen
# that holds it and the other windows given.
shoot() {
    local name=$1 x0=$X y0=$Y x1 y1 other
    local width=${window_size%x*} height=${window_size#*x}
    x1=$((X + width)) y1=$((Y + height))
    shift
    for other; do
        local X Y WIDTH HEIGHT WINDOW SCREEN
        eval "$(xdotool getwindowgeometry --shell "$other")"
        [ "$X" -ge "$x0" ] || x0=$X
        [ "$Y" -ge "$y0" ] || y0=$Y
        [ $((X + WIDTH)) -le "$x1" ] || x1=$((X + WIDTH))
        [ $((Y + HEIGHT)) -le "$y1" ] || y1=$((Y + HEIGHT))
    done
    import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$(shot "$name")"
}

# changed_pixels SHOT1 SHOT2 NAME...: how many pixels of the named controls' region differ
# between two screenshots of the window; -1 if they cannot be compared.
changed_pixels() {
    local count
    count=$(compare -metric AE -extract "$(region "${@:3}")" "$(shot "$1")" "$(shot "$2")" \
        null: 2>&1) || true
    count=${count%% *}
    [[ $count =~ ^[0-9]+$ ]] || count=-1
    echo "$count"
}

# dealer_turned: whether the dealer's card has turned since the screenshot "start": takes the
# screenshot "dealt" and counts the card's pixels that changed ($changed).
dealer_turned() {
    shoot dealt
    changed=$(changed_pixels start dealt Short1)
    [ "$changed" -gt 500 ]
}
