#!/usr/bin/env bash
# Installs the Debian 12 packages the player, its tools and its tests need.
# Safe to run again: packages already present are left alone.
set -euo pipefail

PKGS=(
  # build
  cmake ninja-build g++ pkg-config git
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev
  libfftw3-dev libsndfile1-dev
  # speech recognition
  libpocketsphinx-dev libsphinxbase-dev pocketsphinx-en-us
  # playback back-ends (Qt Multimedia needs them at run time)
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  gstreamer1.0-plugins-bad # the MPEG program-stream demuxer of the course's videos
  # headless display and audio for tests and screenshots
  xvfb xauth xdotool x11-utils pulseaudio pulseaudio-utils imagemagick
  # fonts
  fonts-dejavu-core fonts-liberation fonts-wine
  # sample media and independent checkers
  python3 espeak-ng sox lame ffmpeg icoutils dict-freedict-eng-pol
)

missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
