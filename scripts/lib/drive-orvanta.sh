# Shared by the scripts that run the real program on a virtual X display and
# drive it with xdotool at the coordinates of its 1024 x 768 layouts.
# Source it; it defines:
#   orv_start_display         starts Xvfb (1024x768x24) on a free display, sets DISPLAY
#   orv_start_on_sample DIR   all of the below on a copy of DIR/selko, up to the login window
#   orv_install_copy SRC DIR  lays out DIR as a copy of installation SRC made of
#                             links (help and handbook pages copied; the learners'
#                             Users folder a new empty one) plus a link to the
#                             program; the media root beside SRC is linked beside DIR
#   orv_start_program DIR     starts DIR/orvanta, sets ORV_PID
#   orv_wait_role ROLE [S]    waits until a window of that role (form name) is shown
#   orv_hidden_role ROLE      succeeds when no window of that role is shown
#   orv_click X Y, orv_move X Y, orv_type TEXT, orv_key KEY
#   orv_shot FILE             saves the screen as a PNG
#   orv_stop                  stops the program and the display (by process id) and
#                             removes the work folder of orv_start_on_sample
# BUILD_DIR chooses the build (default: build); the program is BUILD_DIR/bin/orvanta.

ORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
ORV_BUILD=${BUILD_DIR:-build}
case "$ORV_BUILD" in /*) ;; *) ORV_BUILD="$ORV_ROOT/$ORV_BUILD" ;; esac
ORV_PID=""
ORV_XVFB_PID=""
ORV_XVFB_LOG=""
ORV_WORK=""
source "$ORV_ROOT/scripts/lib/xvfb.sh"

orv_start_display() {
  command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; return 1; }
  ORV_XVFB_LOG=$(mktemp /tmp/orvanta-xvfb.XXXXXX)
  start_xvfb 150 199 "$ORV_XVFB_LOG" || { echo "no free display for Xvfb" >&2; return 1; }
  ORV_XVFB_PID=$XVFB_PID
}

# Everything a run on a copy of the sample needs, in a fresh work folder
# ORV_WORK (removed again by orv_stop): a lock folder of its own (so a program
# on the real display does not count as the first instance), the display, the
# installation copy ORV_INST of SAMPLE/selko, and the program up to its login
# window.
orv_start_on_sample() {
  local sample=$1
  [ -x "$ORV_BUILD/bin/orvanta" ] || { echo "$ORV_BUILD/bin/orvanta is missing; build first" >&2; return 1; }
  [ -d "$sample/selko" ] || { echo "no sample installation in $sample (scripts/build-sample.sh)" >&2; return 1; }
  ORV_WORK=$(mktemp -d /tmp/orvanta-run.XXXXXX)
  export XDG_RUNTIME_DIR="$ORV_WORK/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  orv_start_display || return 1
  ORV_INST="$ORV_WORK/inst/selko"
  orv_install_copy "$sample/selko" "$ORV_INST"
  ORV_LOG="$ORV_WORK/program.log" orv_start_program "$ORV_INST"
  orv_wait_role frmLogowanie 60 || { echo "the login window did not show" >&2; return 1; }
}

orv_install_copy() {
  local src dst
  src=$(cd "$1" && pwd)
  dst=$2
  rm -rf "$dst"
  mkdir -p "$dst"
  cp -as "$src/." "$dst/"
  rm -rf "$dst/Users" "$dst/orvanta"
  mkdir "$dst/Users"
  # The help viewer shows only pages that really lie inside the installation:
  # the help and handbook folders are copied, not linked.
  local d
  for d in "$src"/Pomoc* "$src/Podrecznik"; do
    [ -d "$d" ] || continue
    rm -rf "$dst/$(basename "$d")"
    cp -r "$d" "$dst/"
  done
  ln -s "$ORV_BUILD/bin/orvanta" "$dst/orvanta"
  # cfg.ini names the media root relative to the installation (..\media)
  [ -e "$(dirname "$src")/media" ] && [ ! -e "$(dirname "$dst")/media" ] && ln -s "$(dirname "$src")/media" "$(dirname "$dst")/media"
  return 0
}

orv_start_program() {
  local dir=$1
  ( cd / && QT_QPA_PLATFORM=xcb exec "$dir/orvanta" ) >"${ORV_LOG:-/dev/null}" 2>&1 &
  ORV_PID=$!
}

# The ids of the shown windows whose role (the form's name) is $1.
orv_windows_of_role() {
  local w
  for w in $(xdotool search --onlyvisible --name 'Orvanta 6.0' 2>/dev/null); do
    if xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q "\"$1\""; then
      echo "$w"
    fi
  done
}

orv_wait_role() {
  local role=$1 seconds=${2:-30} i
  for i in $(seq $((seconds * 10))); do
    [ -n "$(orv_windows_of_role "$role")" ] && { sleep 0.5; return 0; }
    if [ -n "$ORV_PID" ] && ! kill -0 "$ORV_PID" 2>/dev/null; then
      echo "the program ended while waiting for $role" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "no $role window after ${seconds}s" >&2
  return 1
}

orv_hidden_role() {
  [ -z "$(orv_windows_of_role "$1")" ]
}

orv_move() { xdotool mousemove "$1" "$2"; sleep 0.3; }
orv_click() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.6; }
orv_type() { xdotool type --delay 60 "$1"; sleep 0.3; }
orv_key() { xdotool key "$1"; sleep 0.6; }

orv_shot() {
  mkdir -p "$(dirname "$1")"
  import -window root "$1"
}

orv_stop() {
  if [ -n "$ORV_PID" ]; then
    kill "$ORV_PID" 2>/dev/null
    wait "$ORV_PID" 2>/dev/null
    ORV_PID=""
  fi
  if [ -n "$ORV_XVFB_PID" ]; then
    kill "$ORV_XVFB_PID" 2>/dev/null
    wait "$ORV_XVFB_PID" 2>/dev/null
    ORV_XVFB_PID=""
  fi
  [ -n "$ORV_XVFB_LOG" ] && rm -f "$ORV_XVFB_LOG"
  [ -n "$ORV_WORK" ] && rm -rf "$ORV_WORK"
  ORV_WORK=""
  return 0
}

# Where the layouts put things (screen coordinates of the full-screen windows
# and of the centred dialogs on a 1024 x 768 screen).
ORV_CREATE_PROFILE="708 557"     # login window: btnStworzProfil (541, 541; 334 x 32)
ORV_FIRST_ENTRY="691 170"        # login window: the name of the first entry of Lista (541, 140)
ORV_PROFILE_LOGIN="350 298"      # profile window (572 x 348 at 226, 210): eLogin (24, 76)
ORV_PROFILE_OK="620 526"         # profile window: btnOK (344, 300; 100 x 32)
ORV_PROFILE_MAN="384 350"        # profile window: chPlec_M (150, 132)
ORV_PROFILE_STYLE2="721 307"     # profile window: LumResButton2 (486, 88; 18 x 18), the second style
ORV_LEARNING="784 202"           # main window: PaintBox1 (608, 160; 353 x 84)
ORV_SETTINGS="535 24"            # main window: btnBelkaUstawienia (450, 0; 170 x 48)
ORV_HELP="870 24"                # navigation bar: btn_nawigacja_help (810, 0; 120 x 48)
