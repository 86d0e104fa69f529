#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# vantrello-odds as a user runs it: bad command lines get one line and status 2; the exact
# figures need no simulation; a short simulation agrees with them, as a table, as JSON and as a
# chart in both formats, with no display.
set -euo pipefail
odds=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
fail() {
    echo "program_test: $*" >&2
    exit 1
}

for line in "--strategy bogus" "--rounds many" "--rounds -5" "--rounds 0" "--threads 0" \
    "--chart out.gif" "--frobnicate" "--rounds" "--strategy pick-to=8,redeal-to=2"; do
    status=0
    # shellcheck disable=SC2086 # each line is split into its arguments on purpose
    "$odds" $line >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 2 ] || fail "'$line' exited $status, not 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$line' wrote $(wc -l <"$work/err") lines"
    [ ! -s "$work/out" ] || fail "'$line' wrote to stdout"
done

"$odds" --help | grep -q -- '--strategy S' || fail "--help names no --strategy"
"$odds" --exact >"$work/exact" || fail "--exact failed"
grep -q '^  return to player  *1\.398854$' "$work/exact" || fail "--exact: no return 1.398854"
grep -q 'exact fractions: return 3907/2793' "$work/exact" || fail "--exact: no 3907/2793"
grep -q 'replace a win below 5, collect 5 or more' "$work/exact" || fail "--exact: no best X"

"$odds" --strategy collect --strategy double=2 --rounds 40000 --rules-rounds 20000 --seed 3 \
    --chart "$work/odds.svg" >"$work/table" || fail "a short simulation failed"
grep -q 'All 16 simulated figures with an interval lie inside it' "$work/table" || fail "the table: $(tail -1 "$work/table")"
grep -q '<svg' "$work/odds.svg" || fail "the SVG chart is no SVG"
"$odds" --strategy replay-below=5 --rounds 40000 --no-rules --json --chart "$work/odds.png" \
    >"$work/json" || fail "--json failed"
python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); assert d["outside_their_interval"] == 0, d' \
    "$work/json" || fail "the JSON does not parse or disagrees"
file "$work/odds.png" | grep -q 'PNG image data, 1200 x 1020' || fail "the PNG chart: $(file -b "$work/odds.png")"
# The strategies that look at the dealer's card: exact fractions, and a word where a figure has
# no finite value, never inf or nan.
"$odds" --exact --json --strategy pick-to=8 --strategy pick-to=13,redeal-to=2,collect-at=1024 \
    --strategy pick-to=3,redeal-to=4 >"$work/looking" || fail "--exact --json with pick-to failed"
python3 - "$work/looking" <<'PY' || fail "the JSON of pick-to disagrees"
import json, sys
s = json.load(open(sys.argv[1]))["strategies"]
assert s[0]["exact"]["return_to_player"]["fraction"] == "50791/16758", s[0]
assert s[0]["exact"]["spread_per_charge"] == {"unbounded": True}, s[0]
assert s[1]["exact"]["return_to_player"]["fraction"] == "570169669/8968323", s[1]
assert s[2]["exact"]["return_to_player"] == {"unbounded": True} and not s[2]["simulable"], s[2]
PY
"$odds" --exact >"$work/all"
! grep -Eiq '\b(inf|nan)\b' "$work/all" || fail "--exact printed inf or nan"
"$odds" --exact --best --strategy collect-at=64 | grep -q '^Best of pick-to=2..13 on top of "collect-at=64": pick-to=' ||
    fail "--best names no best"
echo "program_test: ok"
