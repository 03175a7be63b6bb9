# shellcheck shell=bash
# Sourced by the scripts that drive the desktop program under Xvfb. xvfb_start PREFIX makes a
# private work folder ($work, with the home, config and runtime folders that Qt and fontconfig
# use, so that the real ones stay untouched), starts Xvfb on a display number nobody uses and
# exports DISPLAY; it returns non-zero when Xvfb does not come up. On exit the program started
# under it (its pid in $app_pid), the helpers a script started beside it (their pids in
# $helper_pids) and Xvfb are ended, and $work is removed: only the processes the script started
# itself.

work=""
xvfb_pid=""
app_pid=""
helper_pids=()

xvfb_cleanup() {
  set +e
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
  local pid
  for pid in "${helper_pids[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  [ -n "$work" ] && rm -rf "$work"
}

xvfb_start() {
  work=$(mktemp -d "/tmp/$1-XXXXXX")
  trap xvfb_cleanup EXIT
  mkdir -p "$work/home" "$work/config" "$work/run"
  chmod 700 "$work/run"
  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  # A display number of our own: a random one well above those that desktops and other
  # scripts take first, so that two runs at the same time never share a server (Xvfb's own
  # search from :0 upwards can hand two servers started together the same number). A number
  # whose lock is taken, or whose server does not come up, is simply tried again.
  local display=""
  for _ in $(seq 20); do
    local n=$((100 + (RANDOM * 32768 + RANDOM) % 9000))
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: by default the server resets whenever its last client leaves, and a program
    # that connects during such a reset (say, while xdotool polls for its window) fails.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -S "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then
      display=$n
      break
    fi
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  [ -n "$display" ] || return 1
  export DISPLAY=":$display"
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# Waits (up to 20 s) for a visible window whose title matches, and prints its id.
window_named() {
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
