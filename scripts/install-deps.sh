#!/usr/bin/env bash
# Installs, with apt-get, whichever of the Debian 12 packages the game needs to
# build, run and test are missing. Runs as root, or through sudo.
set -euo pipefail

packages=(
    # build
    g++ make cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcanberra-dev
    python3 python3-fonttools
    # bundled into the binary at build time
    fonts-liberation2 fonts-comic-neue fonts-inter
    # run time: sound cues through PulseAudio
    libcanberra0 libcanberra-pulse
    # tests: a virtual display, clicks, screenshots, a private sound server
    xvfb xauth xdotool x11-utils imagemagick
    pulseaudio pulseaudio-utils sox
    strace
)

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
