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
    "--chart out.gif" "--frobnicate" "--rounds"; do
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
grep -q 'All 16 simulated figures lie inside' "$work/table" || fail "the table: $(tail -1 "$work/table")"
grep -q '<svg' "$work/odds.svg" || fail "the SVG chart is no SVG"
"$odds" --strategy replay-below=5 --rounds 40000 --no-rules --json --chart "$work/odds.png" \
    >"$work/json" || fail "--json failed"
python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); assert d["outside_their_interval"] == 0, d' \
    "$work/json" || fail "the JSON does not parse or disagrees"
file "$work/odds.png" | grep -q 'PNG image data, 1200 x 900' || fail "the PNG chart: $(file -b "$work/odds.png")"
echo "program_test: ok"
