# Starts a virtual X display. Source it, then:
#   start_xvfb FIRST LAST LOG
# starts Xvfb (1024x768x24) on the first free display number from FIRST to
# LAST, its output going to LOG; sets and exports DISPLAY and sets XVFB_PID.
# Returns 1 (XVFB_PID empty) when Xvfb is missing or no display could start.
start_xvfb() {
  local first=$1 last=$2 log=$3 n
  XVFB_PID=""
  command -v Xvfb >/dev/null || return 1
  for n in $(seq "$first" "$last"); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    XVFB_PID=""
  done
  return 1
}
