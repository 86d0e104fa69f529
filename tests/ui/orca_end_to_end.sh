#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real screen reader on the real program: Orca, with its default settings (desktop layout,
# key echo on) in Russian, reads the game while it is played with the keyboard, and what Orca
# speaks is recorded, step by step, as a transcript of "key -> spoken text" lines, printed on
# standard output and checked against the table below.
#
# On the private session bus and accessibility bus the driver starts, this run starts a
# speech-dispatcher whose only output module writes each text it is given to a file instead of
# speaking it (orca_speech_capture.conf), Orca, and the game. Plays "Play" and a pick of card 2
# until a pick is followed by a new deal, presses Shift in the pause before that deal (Orca's key
# listener must hear it at once: keys reach a screen reader's key listener only through the
# game's own accessibility bridge, so the game must pass it on while it pauses), moves to
# "Забрать" with Tab and collects with Enter, and closes the game with Ctrl+Q, which must end it
# with status 0 having written nothing on stderr. Each step waits for Orca's speech, and for what
# the game did, on conditions with deadlines; what the game did is seen through the accessibility
# bus by a small event recorder, as Orca sees it.
# Usage: orca_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# Orca refuses to start while another Orca of this user runs, and `orca --replace` would kill
# that one, which may be the user's own screen reader.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: another Orca of this user is running" >&2
    exit 77
fi
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display --accessibility -- "$@"
here=$(cd "$(dirname "$0")" && pwd)
game=$(realpath "$1")

# ---- What Orca must say ------------------------------------------------------------------------
# One row per expectation: a step of the session and a word (or words) the speech of every
# transcript line of that step must contain, in any case; checked once the session is over. Each
# step lasts until what the game did is seen, Orca has echoed the key and has spoken each
# announcement the game made and each newly focused control (or a deadline passed), whatever this
# table says. Orca cuts short what it is saying at each key and each new announcement; a text cut
# within some 15 ms, before speech-dispatcher handed it to the module, is not in the transcript,
# as a listener would not have heard it. The steps:
#   orca     Orca has started (no key)
#   window   the game's window has come up and is active, the focus on "Play" (no key)
#   play     Enter on "Play": the dealer's card is dealt and a win put up
#   review   (first round) flat review entered after Play and read up to the values' line
#   pick     the card's digit: it is turned, and 0.3 s later the outcome is shown
#   pause    Shift, in the 2.5 s pause after a won or tied pick
#   deal     (no key) the next deal, after that pause
#   tab      Tab: the focus moves to "Забрать"
#   collect  Enter on "Забрать": the win goes onto the credit
#   menu     Shift+F10: the menu opens on its first entry
#   entry    Down: the next entry
#   help, stats, about   Enter on an entry: the window it opens, read with its text
#   back     Escape: that window closes, and the focus is back on "Забрать"
#   close    Ctrl+Q
expectations=$(
    cat <<'EOF'
window   Vantrello       # the window title, when Orca takes the window as active
window   Play            # the focused button
play     return          # Orca echoes each key; "return" is not translated
play     Карта дилера    # «уведомление Карта дилера: …»: the game's announcement
review   Credit: 97      # flat review reads the credit Play left, not the one before it
pick     уведомление     # the announcement of the outcome: «Победа: туз червей. …»
pause    shift           # "левый shift": Orca hears the key while the game pauses
deal     Новая раздача
tab      табуляция       # the key echo, translated
tab      Забрать         # the newly focused button
collect  return
collect  Credit
menu     Звук            # the first entry, Sound, with its check
help     Как играть      # each window's title; Orca reads its text after it, but now and then
stats    Статистика      # cuts the text short for the focused button that follows
about    О программе
back     Забрать
close    control         # "левый control"; the Q with Ctrl is not echoed
EOF
)
readonly card=2        # the card every pick takes
readonly max_rounds=12 # a pick is followed by a new deal with a chance of 7 in 13
readonly speech_wait=5 # seconds a step waits for each part of its speech
readonly pick_wait=1   # the same after a pick: Shift must come within the 2.5 s pause
readonly game_wait=10  # seconds a step waits for the game's answer

spoken=$work/spoken.txt # each text speech-dispatcher was given, one a line
events=$work/events.log # the game's name and focus changes, one a line
touch "$spoken" "$events"

# ---- The transcript ---------------------------------------------------------------------------
# Per step: its name, its key, and where the speech file and the event file stood when it began.
# A step's speech is what arrived until the next step began.
steps=() keys=() speech_marks=() event_marks=()
size() { stat -c %s "$1"; }
begin() {
    steps+=("$1")
    keys+=("$2")
    speech_marks+=("$(size "$spoken")")
    event_marks+=("$(size "$events")")
}
# The speech of step $1 (by index): its texts, joined by " | ".
speech_of() {
    local from=${speech_marks[$1]} to
    to=${speech_marks[$(($1 + 1))]:-$(size "$spoken")}
    tail -c +$((from + 1)) "$spoken" | head -c $((to - from)) |
        awk 'NR > 1 { printf " | " } { sub(/ +$/, ""); printf "%s", $0 }'
}
current() { echo $((${#steps[@]} - 1)); }
print_transcript() {
    local i
    for i in "${!steps[@]}"; do
        printf '%-8s %-7s -> %s\n' "${steps[$i]}" "${keys[$i]:--}" "$(speech_of "$i")"
    done
}
# A failure's report shows the transcript so far.
failure_details() { print_transcript; }
# contains TEXT WORD: whether TEXT contains WORD, in any case.
contains() { printf '%s' "$1" | LC_ALL=C.UTF-8 grep -qiF -- "$2"; }
said() { contains "$(speech_of "$(current)")" "$1"; }
said_anything() { [ -n "$(speech_of "$(current)")" ]; }
# spoken_beyond SIZE: whether speech arrived since the speech file had SIZE bytes.
spoken_beyond() { [ "$(size "$spoken")" -gt "$1" ]; }
# The words the table expects of step $1 (by name), one a line.
expected_words() {
    local step word
    while read -r step word; do
        word=${word%%#*}
        word=${word%"${word##*[! ]}"}
        if [ "$step" = "$1" ] && [ -n "$word" ]; then
            echo "$word"
        fi
    done <<<"$expectations"
}
# await_speech [SECONDS]: waits, up to SECONDS ($speech_wait) for each, until Orca has spoken
# for the current step: after a key, anything at all (Orca echoes every key), and the text of each
# announcement and the name of each control newly focused that the game made since it began.
await_speech() {
    local limit=${1:-$speech_wait} text
    [ -z "${keys[$(current)]}" ] || wait_until "$limit" said_anything || true
    while read -r text; do
        [ -z "$text" ] || wait_until "$limit" said "$text" || true
    done <<<"$(events_since "$(current)" 'announce|focus')"
}
# press STEP KEY: presses KEY (as xdotool names it) as a new step.
press() {
    begin "$1" "$2"
    xdotool key --clearmodifiers "$2"
}

# Orca is killed outright: on SIGTERM it takes some 4 s to end (its braille shutdown tries to
# reach a braille server), and nothing it would save is kept. Waited for here, so that the shell
# does not report it killed.
orca=""
kill_orca() {
    local pids
    if [ -n "$orca" ]; then
        mapfile -t pids < <(descendants "$orca")
        kill -9 "${pids[@]}" 2>/dev/null || true
        wait "$orca" 2>/dev/null || true
    fi
}
exit_hooks+=(kill_orca)
# or_ended PID COMMAND...: whether COMMAND succeeds or process PID has ended, which ends a wait.
or_ended() {
    local pid=$1
    shift
    "$@" || ended "$pid"
}

# Only the private speech-dispatcher is visible to what runs here (the driver gives the run its
# own buses and settings).
unset SPEECHD_ADDRESS
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"

# speech-dispatcher with the capturing module only, on its default socket in $XDG_RUNTIME_DIR,
# where Orca looks for it. The module opens no sound device of its own but speech-dispatcher
# makes it open one: ALSA's null device. No autospawn: were this one gone, Orca's client would
# start another, outside what is stopped here.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
AddModule "capture" "sd_generic" "$here/orca_speech_capture.conf"
DefaultModule "capture"
AudioOutputMethod "alsa"
AudioALSADevice "null"
DisableAutoSpawn
EOF
VANTRELLO_SPOKEN=$spoken speech-dispatcher --run-single --timeout 0 \
    --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" --log-dir "$work" >"$work/speechd.log" 2>&1 &
started+=($!)
socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
wait_until 30 or_ended $! test -S "$socket" || true
test -S "$socket" || fail "speech-dispatcher did not start"

# ---- What the game did ---------------------------------------------------------------------
# The recorder writes each name change ("name Карта 2: дама червей"), each announcement (a name
# change of a notification: "announce Credit: 113") and each focus gained ("focus Забрать") by
# any application on the accessibility bus, at once. Orca's own debug log
# tells the same, but writing it (Orca logs everything once it logs at all) slows Orca's answer to
# each key beyond the 100 ms Qt waits for it under load, and Qt then warns on the game's stderr.
/usr/bin/python3 - "$events" <<'EOF' >"$work/recorder.log" 2>&1 &
import sys

import pyatspi

out = open(sys.argv[1], "a", buffering=1, encoding="utf-8")


def on_event(event):
    # The library has already taken a new name into its copy of the object.
    try:
        if event.type == "object:state-changed:focused":
            if event.detail1:
                out.write("focus %s\n" % event.source.name)
        elif event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            out.write("announce %s\n" % event.source.name)
        else:
            out.write("name %s\n" % event.source.name)
    except Exception:  # gone meanwhile
        out.write("gone\n")


pyatspi.Registry.registerEventListener(
    on_event, "object:property-change:accessible-name", "object:state-changed:focused")
out.write("ready\n")
pyatspi.Registry.start()
EOF
started+=($!)
wait_until 30 grep -q '^ready$' "$events" || fail "the event recorder did not start"

# events_since STEP KINDS: the events of the KINDS ("name", "announce", "focus", or several as
# "announce|focus") since step STEP (by index) began.
events_since() {
    tail -c +$((${event_marks[$1]} + 1)) "$events" | sed -nE "s/^($2) //p"
}
names_since() { events_since "$1" name; }
told() { names_since "$(current)" | grep -qE "$1"; }
focus_told() { events_since "$(current)" focus | grep -qxF "$1"; }
announced() { [ -n "$(events_since "$(current)" announce)" ]; }
# The outcome of a pick is shown when another card is turned.
outcome_shown() { told "^Карта [1-4]: " && names_since "$(current)" | grep -E '^Карта [1-4]: ' |
    grep -v "^Карта $card: " | grep -qv ': закрыта$'; }
readonly ranks=(двойка тройка четвёрка пятёрка шестёрка семёрка восьмёрка девятка десятка
    валет дама король туз)
# rank NAME: the place in $ranks of the card that NAME ("Карта 2: дама червей") tells.
rank() {
    local word=${1#*: } i
    word=${word%% *}
    for i in "${!ranks[@]}"; do
        [ "${ranks[$i]}" != "$word" ] || { echo "$i"; return 0; }
    done
    return 1
}

# ---- Orca --------------------------------------------------------------------------------------
# Default settings in a private directory; in Russian: Python's gettext follows LANGUAGE, which
# glibc honours in the C.UTF-8 locale (so no Russian locale need be generated; with a locale
# that is not, Orca's own texts are Russian but the role names, from the AT-SPI library, English).
begin orca ""
LC_ALL=C.UTF-8 LANGUAGE=ru orca --user-prefs "$work/orca" >"$work/orca.log" 2>&1 &
orca=$!
wait_until 30 or_ended "$orca" said_anything || true
said_anything || fail "Orca said nothing on starting"
await_speech

# ---- The game ----------------------------------------------------------------------------------
begin window ""
# The window is given the keyboard focus as it comes up; Qt then takes it as active and tells so,
# and Orca speaks the window and its focused button.
start_game
title=$(xdotool getwindowname "$window")
wait_until "$game_wait" said "$title" || fail "Orca did not speak the window title"
await_speech

# Rounds of "Play" and a pick until a pick is followed by a new deal.
for ((round = 1; ; round++)); do
    [ "$round" -le "$max_rounds" ] || fail "no pick of $max_rounds was followed by a new deal"
    # A deal closes the player's cards that were open, or turns the dealer's card up.
    press play Return
    wait_until "$game_wait" told '^Карта (дилера: |[1-4]: закрыта$)' ||
        fail "no deal was seen after Play"
    wait_until "$game_wait" announced || true
    await_speech

    if [ "$round" -eq 1 ]; then
        # Orca's flat review (keypad minus, NumLock off) starts on the focused button's line; the
        # keypad's 7 reads the line above, up to the values at the top. Minus again leaves it.
        press review KP_Subtract
        await_speech
        for ((line = 1; line <= 8; line++)); do
            before=$(size "$spoken")
            xdotool key --clearmodifiers KP_Home
            wait_until "$speech_wait" spoken_beyond "$before" || true
            ! said "Credit" || break
        done
        xdotool key --clearmodifiers KP_Subtract
        await_speech
    fi

    press pick "$card"
    wait_until "$game_wait" outcome_shown || fail "no outcome of a pick was seen"
    wait_until "$pick_wait" announced || true
    await_speech "$pick_wait"
    # The dealer's card as last named (a deal of the same card again renames nothing).
    dealer=$(names_since 0 | grep '^Карта дилера: ' | grep -v ': закрыта$' | tail -n 1)
    picked=$(names_since "$(current)" | grep "^Карта $card: " | grep -v ': закрыта$' | tail -n 1)
    dealer_rank=$(rank "$dealer") || fail "no rank in the dealer's card: '$dealer'"
    picked_rank=$(rank "$picked") || fail "no rank in the picked card: '$picked'"
    # A lower card loses, and the game waits for the next "Play"; a higher or equal one is
    # followed by a new deal after a pause.
    [ "$picked_rank" -ge "$dealer_rank" ] || continue

    press pause shift
    await_speech
    begin deal ""
    if ! wait_until "$game_wait" told "^Карта $card: закрыта$"; then
        names_since $(($(current) - 2)) | grep -q "^Карта $card: закрыта$" &&
            fail "the new deal came before Shift was pressed: too late for the pause"
        fail "no new deal was seen after a won or tied pick"
    fi
    wait_until "$game_wait" announced || true
    await_speech
    break
done

press tab Tab
wait_until "$game_wait" focus_told Забрать || fail "the focus was not seen moving to Забрать"
await_speech

press collect Return
wait_until "$game_wait" announced || true
await_speech

# The menu by Shift+F10, an entry chosen with the arrows and Enter, and the window it opens read
# and closed by Escape, for each window the menu opens.
# Each window puts the focus on its text, named by its title.
for entry in "help 1 Как_играть" "stats 2 Статистика" "about 3 О_программе_Vantrello"; do
    read -r name downs focused <<<"$entry"
    focused=${focused//_/ }
    press menu shift+F10
    wait_until "$game_wait" focus_told Звук || true
    await_speech
    for ((down = 1; down <= downs; down++)); do
        press entry Down
        await_speech
    done
    press "$name" Return
    wait_until "$game_wait" focus_told "$focused" || fail "$name: no window was seen opening"
    await_speech
    press back Escape
    wait_until "$game_wait" focus_told Забрать || fail "$name: the focus did not come back"
    await_speech
done

# Ctrl is held until Orca has echoed it, as a person's hand holds it: pressed with Q at once, its
# echo is cut by Q (Orca interrupts its speech at each key) before speech-dispatcher passes it on.
begin close ctrl+q
quit_by_keys wait_until "$speech_wait" said_anything
await_speech

print_transcript

# ---- Checks ------------------------------------------------------------------------------------
missing=()
for i in "${!steps[@]}"; do
    while read -r word; do
        [ -z "$word" ] || contains "$(speech_of "$i")" "$word" ||
            missing+=("${steps[$i]} (${keys[$i]:--}): no '$word'")
    done <<<"$(expected_words "${steps[$i]}")"
done
[ ${#missing[@]} -eq 0 ] || fail "speech missing: $(printf '%s; ' "${missing[@]}")"
# Qt hands each key to the screen reader first and waits 100 ms for its answer; a slower answer
# (Orca on a busy machine) makes Qt warn, then again when the answer comes, and the key is
# delivered anyway. Anything else the game writes on stderr fails the test.
tolerated_stderr='^QSpiApplication::(keyEventError |notifyKeyboardListenerCallback with no queued key called$)'
expect_clean_exit "Ctrl+Q"
echo "PASS: Orca read the game played by keyboard, and the game closed by Ctrl+Q"
