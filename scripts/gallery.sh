#!/usr/bin/env bash
# Renders every skinned control in every state, drawn with the sample skin,
# into one contact sheet: OUT (default build/gallery/gallery.png).
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-build/gallery/gallery.png}
BUILD_DIR=${BUILD_DIR:-build}
mkdir -p "$(dirname "$OUT")"
bash scripts/build-skin.sh "$(dirname "$OUT")/resource.dll"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  "$BUILD_DIR/bin/orvanta-gallery" --skin "$(dirname "$OUT")/resource.dll" --out "$OUT"
echo "contact sheet: $OUT"
