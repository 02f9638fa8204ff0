#!/usr/bin/env bash
# Screenshots of the login, main, settings, table-of-contents and help windows
# of the program on a copy of the mode-1 sample installation, taken on a
# virtual X display while xdotool drives the program:
#   scripts/screenshots.sh [OUTDIR]    (default: BUILD_DIR/screenshots)
# writes OUTDIR/login.png, main.png, settings.png, selection.png, help.png,
# and the exercise windows before and after their check (test2-before.png,
# test2-after.png: the multiple-choice test "W kuchni – test").
# The sample installation is built first when it is missing.
set -uo pipefail
source "$(dirname "$0")/lib/drive-orvanta.sh"
OUT=${1:-$ORV_BUILD/screenshots}
SAMPLE=${SAMPLE_DIR:-$ORV_BUILD/sample}
if [ ! -d "$SAMPLE/selko" ]; then
  BUILD_DIR="$ORV_BUILD" bash "$ORV_ROOT/scripts/build-sample.sh" "$SAMPLE" || exit 1
fi
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
trap orv_stop EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }
orv_start_on_sample "$SAMPLE" || fail "the program did not start"

# Two profiles, then the login window with the mouse over the first entry
# (its highlight and the change and remove icons show).
orv_click $ORV_CREATE_PROFILE
sleep 1
orv_click $ORV_PROFILE_LOGIN
orv_type "Anna"
orv_click $ORV_PROFILE_OK
sleep 1
orv_click $ORV_CREATE_PROFILE
sleep 1
orv_click $ORV_PROFILE_LOGIN
orv_type "Piotr"
orv_click $ORV_PROFILE_MAN
orv_click $ORV_PROFILE_STYLE2
orv_click $ORV_PROFILE_OK
sleep 1
orv_move 600 150
orv_move $ORV_FIRST_ENTRY
orv_shot "$OUT/login.png"

orv_click $ORV_FIRST_ENTRY
orv_wait_role frmMain 20 || fail "the main window did not show"
orv_move 700 300   # over the reviews entry: its frame shows
orv_shot "$OUT/main.png"

orv_click $ORV_SETTINGS
sleep 1.5
orv_shot "$OUT/settings.png"
orv_key Escape

orv_click $ORV_HELP
sleep 2
orv_shot "$OUT/help.png"
orv_key Escape
orv_click 415 24   # the help window's back button (330, 0; 170 x 48)
sleep 1

orv_wait_role frmMain 20 || fail "the main window did not come back after help"
orv_click $ORV_LEARNING
orv_wait_role frmWyborCwiczenia 20 || fail "the table of contents did not show"
orv_click 286 735   # btnExpand (203, 724; 167 x 22): every group open
orv_move 500 250
orv_shot "$OUT/selection.png"

# The multiple-choice test: its first question with the mouse over a row, then
# answered to the end (a digit picks a row, the next button moves on; a
# question comes back until it is answered right) with its result shown.
orv_click 350 511   # "W kuchni - test"
orv_wait_role frmTest2 20 || fail "the multiple-choice test did not open"
sleep 1.5
orv_click 651 469   # OK of the one-time notice about the dictionary
orv_move 300 400
orv_shot "$OUT/test2-before.png"
for i in $(seq 1 90); do
  xdotool key $(( i % 3 + 1 )); sleep 0.1
  xdotool mousemove 885 716 click 1; sleep 0.1   # btn_Spr
done
orv_move 600 740
sleep 1
orv_shot "$OUT/test2-after.png"

for f in login main settings help selection test2-before test2-after; do
  echo "$OUT/$f.png"
done
