#!/usr/bin/env bash
# Keys, buttons and the wheel as the game hears them. In a fresh data folder: commands typed at
# the in-game console, shift with a letter, the input settings written from their defaults, and
# a keyboard set to the foreground losing and regaining the focus. On the demo tree: a right
# click on the first screen counts as a key press and brings the main menu. In a test program
# with the real input system on its own window: a key, the right button and the wheel arrive
# with their codes and amounts.
# input_e2e.sh PROGRAM BUILD_DIR INPUT_PROBE
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"
probe=$(realpath "${3:?usage: input_e2e.sh PROGRAM BUILD_DIR INPUT_PROBE}")

start_game "$work/data"
# Grave opens the console and gives it the focus. The default bindings show the key of each
# action as a console variable.
open_console
console_command "getvar MoveLeft" "MoveLeft  =  A" || fail "the typed command did not run"
# Shift with "a" types a capital letter: the unknown variable is named back as typed.
console_command "getvar xa" "Couldn't get variable  xaA" shift+a || fail "shift and a did not type a capital A"

# The input settings were written back from the defaults, byte for byte.
defaults='<?xml version="1.0" encoding="ISO-8859-1"?>
<var><bool name="keyboardForeground">false</bool><bool name="keyboardExclusive">false</bool><bool name="mouseForeground">false</bool><bool name="mouseExclusive">false</bool><bool name="keyboardDisableWindowsKey">false</bool><float name="doubleClickDelay">1</float><int name="keyboardBufferSize">128</int><int name="mouseBufferSize">128</int></var>'
printf '%s' "$defaults" | cmp -s Data/InputConfig.xml - || fail "Data/InputConfig.xml is not the defaults"
has_printed "Starting Input" || fail "no start-up line"
stop_game

# A keyboard set to the foreground is lost when the window loses the focus: that is logged
# once, and it works again once the window has the focus back.
mkdir -p "$work/foreground/Data"
printf '%s' "${defaults/<bool name=\"keyboardForeground\">false/<bool name=\"keyboardForeground\">true}" \
  >"$work/foreground/Data/InputConfig.xml"
start_game "$work/foreground"
open_console
console_command "getvar MoveBack" "MoveBack  =  S" || fail "the foreground keyboard did not work"
losses() { grep -c "Lost DirectInput keyboard device" InputLog.txt 2>/dev/null; }
more_losses_than() { (($(losses) > $1)); }
before=$(losses)
# The focus goes to the root window, with the pointer outside the game's window.
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))
root=$(xdotool search --maxdepth 0 --name "" | head -n 1)
xdotool windowfocus "$root"
wait_for 300 more_losses_than "$before" || fail "the lost keyboard was not logged"
# The X server may hand the focus back and forth once or twice, but the loss must not be logged
# in every frame.
frames_pass 30
[ "$(losses)" -le $((before + 3)) ] || fail "the lost keyboard was logged in every frame"
xdotool windowfocus --sync "$window"
frames_pass
console_command "getvar MoveRight" "MoveRight  =  D" || fail "the keyboard did not come back with the focus"
stop_game

# The right button is a key like any other to the first screen: it reached an active control
# map, so the main menu slides in.
make_tree "$work/tree"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
expect_golden first first-screen
xdotool click 3
wait_for_golden menu main-menu 20
stop_game

# The test program prints each action its scheme receives.
heard() { has_printed "$1"; }
launch "$work/probe" "$probe"
wait_for 100 heard "ready" || fail "the input test program did not start"
point 100 100
# Until the program has seen its window gain the focus it hears nothing: press until it does.
for ((attempt = 0; attempt < 20; attempt++)); do
  xdotool key a
  wait_for 5 heard "KeyA code=0x1E pressed=0" && break
done
heard "KeyA code=0x1E pressed=1" || fail "the A key was not pressed"
heard "KeyA code=0x1E pressed=0" || fail "the A key was not released"
xdotool click 3
wait_for 30 heard "RightButton code=0x0D pressed=0" || fail "the right button was not released"
heard "RightButton code=0x0D pressed=1" || fail "the right button was not pressed"
# A notch of the wheel is 120: upwards it counts as a release, its sign bit being clear.
xdotool click 4
wait_for 30 heard "Wheel code=0x14 pressed=0 wheel=120" || fail "a turn of the wheel up did not arrive as +120"
xdotool click 5
wait_for 30 heard "Wheel code=0x14 pressed=1 wheel=-120" || fail "a turn of the wheel down did not arrive as -120"
[ "$(printed | grep -c '^Wheel')" = 2 ] || fail "the wheel was heard more often than it turned"
xdotool key Escape
expect_exit 10 "the input test program did not end on Escape"
echo "PASS"
