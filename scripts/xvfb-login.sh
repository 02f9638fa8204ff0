#!/usr/bin/env bash
# A real-window run: starts the program on a copy of the mode-1 sample
# installation on a virtual X display and, with xdotool clicks at the
# coordinates of the layouts, creates a profile, logs in and opens the table
# of contents. Checks the windows shown and the learner's files written.
#   scripts/xvfb-login.sh [SAMPLE_DIR]    (default: BUILD_DIR/sample)
# Exit status 0 when every step worked.
set -uo pipefail
source "$(dirname "$0")/lib/drive-orvanta.sh"
SAMPLE=${1:-$ORV_BUILD/sample}
for tool in xdotool xprop import; do
  command -v $tool >/dev/null || { echo "xvfb-login: $tool is not installed" >&2; exit 1; }
done
trap orv_stop EXIT
fail() {
  echo "xvfb-login: $*" >&2
  local shot=${ORV_FAILSHOT:-/tmp/orvanta-xvfb-login-failed.png}
  orv_shot "$shot" 2>/dev/null && echo "xvfb-login: the screen is in $shot" >&2
  exit 1
}

orv_start_on_sample "$SAMPLE" || fail "the program did not start"
INST=$ORV_INST

# A second start shows nothing, ends at once and leaves the first running.
( cd / && QT_QPA_PLATFORM=xcb timeout 20 "$INST/orvanta" ) >/dev/null 2>&1
[ $? -eq 0 ] || fail "the second start did not end with 0"
kill -0 "$ORV_PID" 2>/dev/null || fail "the second start ended the first"

orv_click $ORV_CREATE_PROFILE
sleep 1
orv_click $ORV_PROFILE_LOGIN
orv_type "Xvfb"
orv_click $ORV_PROFILE_OK
sleep 1
[ -s "$INST/Users/usr.txt" ] || fail "no Users/usr.txt after creating the profile"
for f in 1_config.xml 1_stat.xml; do
  [ -s "$INST/Users/$f" ] || fail "no Users/$f after creating the profile"
done
[ -d "$INST/Users/1_Media_temp" ] && [ -d "$INST/Users/1_Media_arch" ] || fail "no recording folders"

orv_click $ORV_FIRST_ENTRY
orv_wait_role frmMain 20 || fail "the main window did not show after the login"
orv_hidden_role frmLogowanie || fail "the login window is still shown"

orv_click $ORV_LEARNING
orv_wait_role frmWyborCwiczenia 20 || fail "the table of contents did not show"
orv_hidden_role frmMain || fail "the main window is still shown"
echo "xvfb-login: profile created, logged in, table of contents shown"
exit 0
