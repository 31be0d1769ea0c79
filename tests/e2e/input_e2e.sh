#!/usr/bin/env bash
# Starts the game in a fresh data folder on its own virtual X display, opens the console with
# the grave key, types commands with xdotool and checks what the program prints; then, with the
# keyboard set to the foreground, takes the focus away and gives it back.
set -u
app=$(realpath "${1:?usage: input_e2e.sh path/to/vaultrunner}")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

# Ends a process: politely, then for good after two seconds.
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null
  for ((i = 0; i < 20; i++)); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

cleanup() {
  stop "$app_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- program output ---" >&2
  cat "$work/out.txt" >&2 2>/dev/null
  exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tries=$1
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Xvfb picks a free display number itself and writes it out once it listens, so that runs in
# parallel never share a display.
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/display.txt" >"$work/xvfb.txt" 2>&1 &
xvfb_pid=$!
wait_for 100 grep -q '[0-9]' "$work/display.txt" || fail "Xvfb did not start"
display=$(tr -dc '0-9' <"$work/display.txt")
export DISPLAY=":$display"

# Starts the game in the data folder $1 (made fresh unless it exists) and focuses its window.
start_game() {
  mkdir -p "$1/Data"
  cd "$1"
  SDL_VIDEODRIVER=x11 ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    "$app" >"$work/out.txt" 2>&1 </dev/null &
  app_pid=$!
  window=$(timeout 15 xdotool search --sync --name "Vaultrunner!" | head -n 1)
  [ -n "$window" ] || fail "no game window"
  xdotool windowfocus --sync "$window" || fail "could not focus the window"
  wait_for 50 grep -q "Starting Logic" "$work/out.txt" || fail "the game did not start"
  sleep 0.3
}

# Lines the program prints, with the colour codes of the terminal taken out.
printed() { sed 's/\x1b\[[0-9;]*m//g' "$work/out.txt"; }
has_printed() { printed | grep -qF "$1"; }

# Types a console command (Enter opens the command line, Enter runs it) and waits for the line
# it prints. The keys after the text, if any, are pressed before the final Enter.
console_command() {
  xdotool key Return
  xdotool type --delay 30 "$1"
  [ -n "${3:-}" ] && xdotool key "$3"
  xdotool key Return
  wait_for 50 has_printed "$2"
}

start_game "$work/data"
# Grave opens the console and gives it the focus. The default bindings show the key of each
# action as a console variable.
xdotool key grave
sleep 0.2
console_command "getvar MoveLeft" "MoveLeft  =  A" || fail "the typed command did not run"
# Shift with "a" types a capital letter: the unknown variable is named back as typed.
console_command "getvar xa" "Couldn't get variable xaA" shift+a || fail "shift and a did not type a capital A"

# The input settings were written back from the defaults, byte for byte.
defaults='<?xml version="1.0" encoding="ISO-8859-1"?>
<var><bool name="keyboardForeground">false</bool><bool name="keyboardExclusive">false</bool><bool name="mouseForeground">false</bool><bool name="mouseExclusive">false</bool><bool name="keyboardDisableWindowsKey">false</bool><float name="doubleClickDelay">1</float><int name="keyboardBufferSize">128</int><int name="mouseBufferSize">128</int></var>'
printf '%s' "$defaults" | cmp -s Data/InputConfig.xml - || fail "Data/InputConfig.xml is not the defaults"
has_printed "Starting Input" || fail "no start-up line"
stop "$app_pid"
app_pid=""

# A keyboard set to the foreground is lost when the window loses the focus: that is logged
# once, and it works again once the window has the focus back.
mkdir -p "$work/foreground/Data"
printf '%s' "${defaults/<bool name=\"keyboardForeground\">false/<bool name=\"keyboardForeground\">true}" \
  >"$work/foreground/Data/InputConfig.xml"
start_game "$work/foreground"
xdotool key grave
sleep 0.2
console_command "getvar MoveBack" "MoveBack  =  S" || fail "the foreground keyboard did not work"
losses() { grep -c "Lost DirectInput keyboard device" InputLog.txt 2>/dev/null; }
before=$(losses)
# The focus goes to the root window, with the pointer outside the game's window.
xdotool mousemove 1279 719
root=$(xdotool search --maxdepth 0 --name "" | head -n 1)
xdotool windowfocus "$root"
sleep 0.5
[ "$(losses)" -ge 1 ] || fail "the lost keyboard was not logged"
# Hundreds of frames pass meanwhile; the X server may hand the focus back and forth once or
# twice, but the loss must not be logged in every frame.
[ "$(losses)" -le $((before + 3)) ] || fail "the lost keyboard was logged in every frame"
xdotool windowfocus --sync "$window"
sleep 0.2
console_command "getvar MoveRight" "MoveRight  =  D" || fail "the keyboard did not come back with the focus"
echo "PASS"
