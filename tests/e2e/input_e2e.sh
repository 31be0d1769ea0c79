#!/usr/bin/env bash
# Starts the game in a fresh data folder on its own virtual X display, opens the console with
# the grave key, types two commands with xdotool and checks what the program prints.
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

mkdir "$work/data" "$work/data/Data"
cd "$work/data"
SDL_VIDEODRIVER=x11 ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
  "$app" >"$work/out.txt" 2>&1 </dev/null &
app_pid=$!

window=$(timeout 15 xdotool search --sync --name "Vaultrunner!" | head -n 1)
[ -n "$window" ] || fail "no game window"
xdotool windowfocus --sync "$window" || fail "could not focus the window"
wait_for 50 grep -q "Starting Logic" "$work/out.txt" || fail "the game did not start"
sleep 0.3

# Lines the program prints, with the colour codes of the terminal taken out.
printed() { sed 's/\x1b\[[0-9;]*m//g' "$work/out.txt"; }

# Grave opens the console and gives it the focus; Enter starts a command line.
xdotool key grave
sleep 0.2
xdotool key Return
sleep 0.2
# "getvar MoveLeft": the default bindings show the key of each action as a console variable.
xdotool type --delay 30 "getvar MoveLeft"
xdotool key Return
wait_for 50 sh -c "sed 's/\x1b\[[0-9;]*m//g' '$work/out.txt' | grep -q 'MoveLeft  =  A'" ||
  fail "the typed command did not run"

# Shift with "a" types a capital letter: the unknown variable is named back as typed.
xdotool key Return
xdotool type --delay 30 "getvar xa"
xdotool key shift+a
xdotool key Return
wait_for 50 sh -c "sed 's/\x1b\[[0-9;]*m//g' '$work/out.txt' | grep -q \"Couldn't get variable xaA\"" ||
  fail "shift and a did not type a capital A"

defaults='<?xml version="1.0" encoding="ISO-8859-1"?>
<var><bool name="keyboardForeground">false</bool><bool name="keyboardExclusive">false</bool><bool name="mouseForeground">false</bool><bool name="mouseExclusive">false</bool><bool name="keyboardDisableWindowsKey">false</bool><float name="doubleClickDelay">1</float><int name="keyboardBufferSize">128</int><int name="mouseBufferSize">128</int></var>'
printf '%s' "$defaults" | cmp -s Data/InputConfig.xml - || fail "Data/InputConfig.xml is not the defaults"
printed | grep -q "Starting Input" || fail "no start-up line"
echo "PASS"
