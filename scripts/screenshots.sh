#!/usr/bin/env bash
# Screenshots of the login, main, settings, table-of-contents and help windows
# and of exercise windows before and after their check, of the program on a copy of the mode-1 sample installation, taken on a
# virtual X display while xdotool drives the program:
#   scripts/screenshots.sh [OUTDIR]    (default: BUILD_DIR/screenshots)
# writes OUTDIR/login.png, main.png, settings.png, selection.png, help.png,
# and the exercise windows before and after their check: wpisywanie-before.png,
# wpisywanie-after.png, test2-before.png and test2-after.png.
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

# The gap text "Moja rodzina – tekst" (row 6 of the list with every group
# open; rows are 24 pixels high from y 166): a few answers typed, one of them
# wrong, then checked. The one-time notice of a new learner is closed with
# the space bar (a space typed into a gap would be trimmed).
orv_click 303 $((166 + 6 * 24 + 12))
orv_wait_role frmWpisywanie 20 || fail "the gap typing window did not show"
sleep 1.5
orv_key space
orv_type "family"; orv_key Return
orv_type "father"; orv_key Return
orv_type "Mother"; orv_key Return
orv_type "brother"
orv_move 600 400
orv_shot "$OUT/wpisywanie-before.png"
orv_click 885 716   # btnSpr (800, 700; 170 x 32)
sleep 1
orv_move 600 400
orv_shot "$OUT/wpisywanie-after.png"
orv_key Escape
orv_wait_role frmWyborCwiczenia 20 || fail "the table of contents did not come back after the gap text"

# The multiple-choice test: its first question with the mouse over a row, then
# answered to the end (a digit picks a row, the next button moves on; a
# question comes back until it is answered right) with its result shown.
# "W kuchni – test" is row 14 of the list with every group open.
orv_click 350 $((166 + 14 * 24 + 12))
orv_wait_role frmTest2 20 || fail "the multiple-choice test did not open"
sleep 1.5
orv_key space       # closes the one-time notice if it is still to come
orv_move 300 400
orv_shot "$OUT/test2-before.png"
for i in $(seq 1 90); do
  xdotool key $(( i % 3 + 1 )); sleep 0.1
  xdotool mousemove 885 716 click 1; sleep 0.1   # btn_Spr
done
orv_move 600 740
sleep 1
orv_shot "$OUT/test2-after.png"

for f in login main settings help selection wpisywanie-before wpisywanie-after test2-before test2-after; do
  echo "$OUT/$f.png"
done
