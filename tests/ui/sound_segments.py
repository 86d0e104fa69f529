#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists the audible stretches of a recording, one line each: onset and length in
seconds from the recording's start, and peak level (full scale 1).

Usage: sound_segments.py RAW_FILE [RATE]
  RAW_FILE holds signed 16-bit little-endian mono samples (RATE, default 44100).

A sample is audible above 1 % of full scale. Audible samples less than 20 ms
apart belong to one stretch (a tone's zero crossings and a note's soft start
do not split it); a stretch shorter than 5 ms is ignored. The onset is the
stretch's first audible sample, its length reaches to its last audible sample.
Only the standard library is used.
"""
import array
import sys

THRESHOLD = 32768 // 100
JOIN_SECONDS = 0.020
SHORTEST_SECONDS = 0.005


def segments(samples, rate):
    join = int(JOIN_SECONDS * rate)
    found = []
    first = last = None
    peak = 0
    for index, value in enumerate(samples):
        level = -value if value < 0 else value
        if level <= THRESHOLD:
            continue
        if last is not None and index - last > join:
            found.append((first, last, peak))
            first, peak = None, 0
        if first is None:
            first = index
        last = index
        peak = max(peak, level)
    if first is not None:
        found.append((first, last, peak))
    return [(begin / rate, (end + 1 - begin) / rate, top / 32768)
            for begin, end, top in found if (end + 1 - begin) / rate >= SHORTEST_SECONDS]


def main() -> int:
    if len(sys.argv) not in (2, 3):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    rate = int(sys.argv[2]) if len(sys.argv) == 3 else 44100
    samples = array.array("h")
    with open(sys.argv[1], "rb") as raw:
        data = raw.read()
    samples.frombytes(data[: len(data) - len(data) % 2])
    if sys.byteorder != "little":
        samples.byteswap()
    for onset, length, peak in segments(samples, rate):
        print(f"{onset:.4f} {length:.4f} {peak:.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
