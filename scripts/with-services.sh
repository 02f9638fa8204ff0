#!/usr/bin/env bash
# Runs a command with the services the windowed and audio tests need, and
# stops them again by process id:
#   - Xvfb on a free display, 1024x768x24 (DISPLAY is set for the command)
#   - PulseAudio with a null sink and its monitor remapped as a microphone
#     (PULSE_SERVER is set for the command)
# Usage: scripts/with-services.sh COMMAND [ARGS...]
set -uo pipefail

RUN_DIR=$(mktemp -d /tmp/orvanta-services.XXXXXX)
XVFB_PID=""
PULSE_PID=""

cleanup() {
  [ -n "$PULSE_PID" ] && kill "$PULSE_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$PULSE_PID" ] && wait "$PULSE_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$RUN_DIR"
}
trap cleanup EXIT

source "$(dirname "$0")/lib/xvfb.sh"
start_xvfb 90 140 "$RUN_DIR/xvfb.log"

if command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR="$RUN_DIR"
  SOCK="$RUN_DIR/pulse-native"
  HOME="$RUN_DIR" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --use-pid-file=no --system=no \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$SOCK" \
    -L "module-null-sink sink_name=orvanta_null rate=44100 channels=2" \
    -L "module-remap-source master=orvanta_null.monitor source_name=orvanta_mic" \
    -L "module-always-sink" \
    >"$RUN_DIR/pulse.log" 2>&1 &
  PULSE_PID=$!
  export PULSE_SERVER="unix:$SOCK"
  for _ in $(seq 50); do
    [ -S "$SOCK" ] && break
    sleep 0.1
  done
  if [ -S "$SOCK" ]; then
    pactl set-default-sink orvanta_null >/dev/null 2>&1
    pactl set-default-source orvanta_mic >/dev/null 2>&1
  else
    echo "with-services: PulseAudio did not start (see below); audio tests will report it" >&2
    cat "$RUN_DIR/pulse.log" >&2
  fi
fi

"$@"
exit $?
