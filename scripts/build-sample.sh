#!/usr/bin/env bash
# Lays out the sample installations under OUT (default build/sample):
#   OUT/selko  a course in program mode 1
#   OUT/media  the media root both installations name in Config/cfg.ini
# Text sources come from sample/; learners' files (Users) start empty.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-build/sample}
mkdir -p "$OUT"
for inst in selko; do
  mkdir -p "$OUT/$inst"
  # Copy the course sources over the installation; learners' files stay.
  cp -r sample/$inst/. "$OUT/$inst/"
  mkdir -p "$OUT/$inst/Users"
done
mkdir -p "$OUT/media"
cp -r sample/media/. "$OUT/media/"
