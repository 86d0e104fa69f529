#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program with real sound: started from an unrelated working directory,
# it plays the cues that lie beside its executable. Every pick is heard as a
# short click; a won showdown is heard as the long win cue at least the
# showdown pause (300 ms) after the click. Rounds of "Play" and a pick are
# played, each recorded from the sound server's sink, until one is won.
# The first cue also connects the game to the sound server, which can hold that
# click back by tens of milliseconds on a busy machine and so shorten the gap
# heard after it; a win in the first round is therefore not the one judged.
# Usage: window_sound_end_to_end.sh PATH_TO_VANTRELLO
set -euo pipefail
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/driver.sh" --display --sound -- "$@"
game=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

readonly rate=44100
readonly round_seconds=4           # recorded per round, from before "Play"
readonly next_deal_wait=3.5        # after a pick: the game deals again 2.5 s later
readonly max_rounds=13             # the first pick, then 12 that can be judged
# A pick wins with probability 6/13: 12 picks all fail to win once in 1700 runs.
readonly longest_click=0.1         # the click is heard for about 50 ms
readonly shortest_win=0.5          # the win cue is heard for about 0.8 s
readonly showdown_pause=0.300      # from the click to the showdown
# Each cue starts a few milliseconds after it is asked for, not always equally
# late, and the sink mixes a new sound in only at its next 10 ms block: a win
# cue that got going a little quicker than its click can be heard one block early.
readonly onset_slack=0.010

for cue in click.wav win.wav; do
    [ -f "$(dirname "$game")/$cue" ] ||
        fail "$cue is not beside $game (build the vantrello_sounds target)"
done

# Recordings go into the run's directory, kept when the test fails.
recordings=$work
recorder=""
stop_recorder() { [ -z "$recorder" ] || kill "$recorder" 2>/dev/null || true; }
exit_hooks+=(stop_recorder)

start_game

# Records the sink's monitor into $1 in the background: raw mono 16-bit, cut
# to a fixed length by head -c so that nothing parec still buffers is lost.
# Returns once the first recorded bytes have arrived.
start_recording() {
    local file=$1
    parec --device="$VANTRELLO_AUDIO_SINK.monitor" --format=s16le --rate=$rate --channels=1 \
        --latency-msec=10 --raw 2>"$file.log" | head -c $((2 * rate * round_seconds)) >"$file" &
    recorder=$!
    wait_until 10 test -s "$file" ||
        fail "parec recorded nothing from $VANTRELLO_AUDIO_SINK.monitor: $(cat "$file.log")"
}

finish_recording() {
    local file=$1
    wait "$recorder" || true
    recorder=""
    local bytes
    bytes=$(stat -c %s "$file")
    [ "$bytes" -eq $((2 * rate * round_seconds)) ] ||
        fail "the recording $file is cut short: $bytes bytes"
}

# True if $1 >= $2, as decimal numbers.
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

won_round=""
for round in $(seq "$max_rounds"); do
    slot=$(((round - 1) % 4 + 2)) # the player's card backs are Short2 to Short5
    recording="$recordings/round-$round.raw"
    start_recording "$recording"
    # The clicks are queued in order: the deal is done before the pick is handled.
    click Command1 "Short$slot"
    picked_at=$(date +%s.%N)
    finish_recording "$recording"
    python3 "$here/sound_segments.py" "$recording" "$rate" >"$recording.segments"

    # The click: the first thing heard, and short.
    read -r click_onset click_length _ <"$recording.segments" ||
        fail "round $round: nothing was heard after picking slot $slot (see $recording)"
    at_least "$longest_click" "$click_length" ||
        fail "round $round: the first sound after the pick lasts ${click_length} s," \
            "not a click (segments: $(tr '\n' ';' <"$recording.segments"))"

    # The win cue: a long sound after the click; nothing else may be heard.
    win_onset=""
    win_length=""
    while read -r onset length _; do
        if at_least "$length" "$shortest_win" && [ -z "$win_onset" ]; then
            win_onset=$onset
            win_length=$length
        else
            fail "round $round: unexpected sound at ${onset} s lasting ${length} s" \
                "(segments: $(tr '\n' ';' <"$recording.segments"))"
        fi
    done < <(tail -n +2 "$recording.segments")
    heard="round $round, slot $slot: click at ${click_onset} s (heard ${click_length} s)"
    if [ -n "$win_onset" ]; then
        gap=$(awk -v a="$click_onset" -v b="$win_onset" 'BEGIN { printf "%.4f", b - a }')
        heard+=", win at ${win_onset} s (heard ${win_length} s), ${gap} s after the click"
        [ "$round" -eq 1 ] && heard+=" (first cue: not judged)"
    fi
    echo "$heard"

    if [ -n "$win_onset" ] && [ "$round" -gt 1 ]; then
        won_round=$round
        break
    fi
    # A tie deals again by itself after its pause: wait it out before "Play".
    awk -v since="$picked_at" -v wait="$next_deal_wait" -v now="$(date +%s.%N)" \
        'BEGIN { left = since + wait - now; if (left > 0) system("sleep " left) }'
done
[ -n "$won_round" ] ||
    fail "no win was heard in rounds 2 to $max_rounds (one run in 1700 loses them all," \
        "so a repeat is likely a fault)"

floor=$(awk -v p="$showdown_pause" -v s="$onset_slack" 'BEGIN { printf "%.3f", p - s }')
at_least "$gap" "$floor" ||
    fail "the win cue began ${gap} s after the click, less than the ${showdown_pause} s" \
        "showdown pause (allowing ${onset_slack} s of jitter)"

close_window
expect_clean_exit "its window was closed"
[ -z "$(ls -A "$game_dir")" ] || fail "the game wrote into its working directory: $(ls -A "$game_dir")"
echo "PASS: won in round $won_round; in its recording: click onset ${click_onset} s," \
    "win onset ${win_onset} s (heard ${win_length} s), click to win ${gap} s (>= ${floor} s);" \
    "exit status 0"
