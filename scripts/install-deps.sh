#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vantrello developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, with apt-get, whichever of the Debian 12 packages are missing. Runs as
# root, or through sudo.
#
#   scripts/install-deps.sh play   what building and playing the game needs
#   scripts/install-deps.sh test   that, and what building and running the tests needs
#                                  (the default)
set -euo pipefail

play_packages=(
    # build
    g++ make cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev libfontconfig-dev
    # the translations: lrelease compiles them into the program, lupdate updates them
    qt6-tools-dev qt6-l10n-tools
    libcanberra-dev
    # exact fractions for the odds
    libgmp-dev
    python3 python3-fonttools
    # bundled into the binary at build time
    fonts-liberation2 fonts-comic-neue fonts-inter
    # run time: sound cues through PulseAudio, and Qt's Wayland support for a
    # desktop that has no X server
    libcanberra0 libcanberra-pulse
    qt6-wayland
)
test_packages=(
    # the second compiler every change is built with
    clang
    # test and benchmark libraries
    libgtest-dev libgmock-dev libbenchmark-dev
    # the start-up benchmark watches the display for the first frame (DAMAGE)
    libxcb-damage0-dev
    # a virtual display, clicks, screenshots, a private sound server
    xvfb xauth xdotool x11-utils imagemagick
    pulseaudio pulseaudio-utils sox
    strace
    # a Wayland compositor for the native Wayland run
    weston
    # licence information of every file
    reuse
    # accessibility: Qt's platform API to switch it on in the offscreen window tests, and a
    # private accessibility bus with a real client for the end-to-end run
    qt6-base-private-dev at-spi2-core dbus python3-pyatspi
    # the real screen reader, Orca, speaking through speech-dispatcher into a file, for the
    # end-to-end run that records what it says
    orca speech-dispatcher
    # building the Debian package (dpkg-shlibdeps) and checking it and its desktop files
    dpkg-dev lintian desktop-file-utils appstream file
)

case "${1:-test}" in
play) packages=("${play_packages[@]}") ;;
test) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 [play|test]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
