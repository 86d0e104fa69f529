#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a build directory and checks it as a user meets it: the
# desktop entry and the AppStream metadata validate, lintian finds nothing to warn about, the
# files lie where they belong, the game on the PATH answers --version without a display, and,
# started through that symlink, opens its window (with its icon and class) and plays the click
# cue from its private directory when a card is picked.
# Usage: check_package.sh BUILD_DIR VERSION
# It runs the game through the end-to-end runs' driver (tests/ui/driver.sh), with a display and a
# sound server of its own when it has none, and the window's design from
# VANTRELLO_WINDOW_GEOMETRY.
set -euo pipefail
if [ "$#" -ne 2 ]; then
    echo "usage: $0 BUILD_DIR VERSION" >&2
    exit 2
fi
# shellcheck source=tests/ui/driver.sh
. "$(dirname "$0")/../ui/driver.sh" --display --sound -- "$@"
build=$(realpath "$1")
version=$2

# Lintian warnings that are accepted, each with its reason.
accepted_lintian_warnings=(
    # The package is a game, and it also ships the odds tool, a plain command-line program
    # that is no game: it belongs among the ordinary commands, not beside the game.
    package-section-games-but-has-usr-bin
)

# The package is written into the scratch directory, not into the build directory.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb="$work/package/vantrello_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "cpack wrote no $(basename "$deb"): $(ls "$work/package")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

lintian_args=('--fail-on=error,warning')
if [ "${#accepted_lintian_warnings[@]}" -gt 0 ]; then
    lintian_args+=("--suppress-tags=$(IFS=,; echo "${accepted_lintian_warnings[*]}")")
fi
# Lintian names a run as root; that is no finding about the package.
lintian "${lintian_args[@]}" "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports errors or warnings (above)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
root=$(realpath "$root")
private="$root/usr/libexec/vantrello"

# The names in a directory, sorted, on one line.
entries() { find "$1" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort | paste -sd ' '; }

# The layout: only the symlink on the games PATH, the game and its cues together in their own
# directory, and the odds tool among the ordinary commands.
[ "$(entries "$root/usr")" = "bin games libexec share" ] ||
    fail "usr/ holds $(entries "$root/usr"), expected bin games libexec share"
[ "$(entries "$root/usr/bin")" = vantrello-odds ] ||
    fail "usr/bin holds $(entries "$root/usr/bin"), expected vantrello-odds"
[ "$(entries "$root/usr/games")" = vantrello ] ||
    fail "usr/games holds more than the game: $(entries "$root/usr/games")"
[ -L "$root/usr/games/vantrello" ] || fail "usr/games/vantrello is not a symlink"
case $(readlink "$root/usr/games/vantrello") in
/*) fail "usr/games/vantrello is an absolute symlink" ;;
esac
[ "$(realpath "$root/usr/games/vantrello")" = "$private/vantrello" ] ||
    fail "usr/games/vantrello does not lead to $private/vantrello"
[ "$(entries "$private")" = "click.wav vantrello win.wav" ] ||
    fail "the private directory holds $(entries "$private")"
file -L "$private/vantrello" | grep -q ', stripped' || fail "the executable is not stripped"

expected=(
    usr/share/applications/vantrello.desktop
    usr/share/metainfo/example.vantrello.vantrello.metainfo.xml
    usr/share/man/man6/vantrello.6.gz
    usr/share/man/man1/vantrello-odds.1.gz
    usr/share/doc/vantrello/copyright
    usr/share/doc/vantrello/changelog.gz
    usr/share/icons/hicolor/scalable/apps/vantrello.svg
    usr/share/vantrello/translations/vantrello_en.qm
)
for size in 16 22 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x$size/apps/vantrello.png
    expected+=("$icon")
    if [ -f "$root/$icon" ]; then
        file "$root/$icon" | grep -q "PNG image data, $size x $size," ||
            fail "$icon is not a $size x $size PNG: $(file -b "$root/$icon")"
    fi
done
for path in "${expected[@]}"; do
    [ -f "$root/$path" ] || fail "the package lacks $path"
done

# The desktop entry and the metadata validate without a warning, the metadata together with the
# desktop entry it launches; the changelog and the metadata's newest release name this version.
report=$(desktop-file-validate "$root/usr/share/applications/vantrello.desktop" 2>&1) ||
    fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate-tree --no-net "$root" 2>&1) || true
if grep -qE '^ *[EW]: ' <<<"$report" || ! grep -q 'Validation was successful' <<<"$report"; then
    fail "appstreamcli validate-tree: $report"
fi
docs="$root/usr/share/doc/vantrello"
zcat "$docs/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's newest entry is not version $version"
newest=$(grep -m1 -o '<release version="[^"]*"' "$root/usr/share/metainfo/"*.metainfo.xml)
[ "$newest" = "<release version=\"$version\"" ] ||
    fail "the AppStream metadata's newest release is not $version: $newest"
if ! grep -q '^License: OFL-1.1$' "$docs/copyright" ||
    ! grep -q '^ "Reserved Font Name" refers' "$docs/copyright"; then
    fail "the copyright file lacks the font licence's text"
fi

# The command on the PATH, without any display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/games/vantrello" --version) || fail "vantrello --version failed without a display"
[ "$answer" = "vantrello $version" ] || fail "vantrello --version printed '$answer'"
# The odds tool, installed, without any display: the exact return of collecting at once.
odds=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/bin/vantrello-odds" --exact --strategy collect) || fail "vantrello-odds failed"
grep -q '3907/2793' <<<"$odds" || fail "vantrello-odds did not print the exact return: $odds"

# The installed game, started through its symlink from an unrelated directory and traced; the
# driver waits for its window to carry its own icon, for desktops that look there.
game=$root/usr/games/vantrello
start_game strace -f -qq -e trace=openat -o "$work/opened"
# Its class names the desktop entry, vantrello.desktop, by which desktops find the window's
# name and icon (they compare it without case).
class=$(xprop -id "$window" WM_CLASS)
[ "${class,,}" = 'wm_class(string) = "vantrello", "vantrello"' ] ||
    fail "the window's class does not name the desktop entry: $class"

# "Play", then the first card back: the pick plays the click from the private directory. The
# cues are read when played, so nothing has opened it before.
! grep -qF 'click.wav"' "$work/opened" || fail "the game opened click.wav before any click"
click Command1 Short2
wait_until 10 grep -qF "\"$private/click.wav\"" "$work/opened" ||
    fail "the pick did not open $private/click.wav; the game opened:
$(grep -o '"[^"]*\.wav"' "$work/opened" | sort -u)"

close_window
expect_clean_exit "its window was closed"

echo "PASS: $(basename "$deb"): lintian and the validators are content, the files are in place," \
    "and the game on the PATH plays its own cues"
