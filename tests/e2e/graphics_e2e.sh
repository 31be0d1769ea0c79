#!/usr/bin/env bash
# The demo tree's first screen as the game draws it, and the in-game console over it: opened
# with the grave key, it shows the typed command, its answer and the line being typed in its
# own font, and it goes away again with the same key.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
start_game "$work/tree"
# The cursor stands still away from the console and the menus' buttons.
place_cursor 900 700
wait_until_still idle 20
expect_golden idle first-screen

# The console shows its last 30 lines, 15 pixels apart from y = 10, and the line being typed 30
# pixels below them. Counting frames at the terminal fills it first, so that the echo of the
# command typed, in the console's purple, and the answer below it are its last two lines.
frames_pass 30
open_console
console_command "getvar MoveLeft" "MoveLeft  =  A" || fail "the typed command did not run"
xdotool key Return
xdotool type --delay 30 "Vault 42"
lines="160x78+0+$((10 + 15 * 28))"
if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
  # The answers the terminal gives to count frames would show in the open console: the typed
  # keys are given a second instead.
  sleep 1
  shoot console "$lines"
  expect_golden console console-typed-lines
else
  wait_for_golden console console-typed-lines 20 0.002 "$lines"
fi

close_console
# The top-left corner is empty background again, as on the first screen.
crop idle "360x140+0+0" corner-before
wait_until_still closed 20
crop closed "360x140+0+0" corner-after
alike "$(pic corner-before)" "$(pic corner-after)" || fail "the console did not close"
echo "PASS"
