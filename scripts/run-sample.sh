#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages), builds, lays out the sample
# installations and opens the program on one of them. Can be run again.
#   scripts/run-sample.sh          the mode-1 course, build/sample/selko
#   scripts/run-sample.sh varda    the mode-2 course, build/sample/varda
# Without a display the program runs on a virtual one (Xvfb) until its login
# window shows; a screenshot of that window is saved and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
INST=${1:-selko}
case "$INST" in
  selko|varda) ;;
  *) echo "usage: scripts/run-sample.sh [selko|varda]" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${BUILD_DIR:-build}
bash scripts/build-sample.sh "$BUILD_DIR/sample"

# The program runs on the folder it was started from; a link to it in the
# installation folder makes that folder the installation.
ln -sfn ../../bin/orvanta "$BUILD_DIR/sample/$INST/orvanta"
OTHER=$([ "$INST" = selko ] && echo varda || echo selko)

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Orvanta 6.0 on $BUILD_DIR/sample/$INST (the other course: bash scripts/run-sample.sh $OTHER)"
  exec "$BUILD_DIR/sample/$INST/orvanta"
fi

echo "No display: running the program on a virtual one (Xvfb)."
source scripts/lib/drive-orvanta.sh
trap orv_stop EXIT
orv_start_display
ORV_LOG="$BUILD_DIR/orvanta-$INST.log" orv_start_program "$(cd "$BUILD_DIR/sample/$INST" && pwd)"
if ! orv_wait_role frmLogowanie 60; then
  echo "The login window did not show; see $BUILD_DIR/orvanta-$INST.log" >&2
  exit 1
fi
SHOT="$(cd "$BUILD_DIR" && pwd)/screenshots/login-$INST.png"
orv_shot "$SHOT"
echo "Screenshot of the login window: $SHOT"
echo "(the other course: bash scripts/run-sample.sh $OTHER; all windows: bash scripts/screenshots.sh)"
