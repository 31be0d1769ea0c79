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

# The console shows the printed lines and the commands' echoes, 15 pixels apart from y = 10.
# The echo of the first command stands right above its answer, below the lines printed before
# it; the line being typed comes 30 pixels below the last line.
open_console
console_command "getvar MoveLeft" "MoveLeft  =  A" || fail "the typed command did not run"
lines_before=$(($(printed | grep -nF "MoveLeft  =  A" | head -n 1 | cut -d: -f1) - 1))
xdotool key Return
xdotool type --delay 30 "Vault 42"
wait_until_still console 20
crop console "300x78+0+$((10 + 15 * lines_before))" console-lines
expect_golden console-lines console-typed-lines

xdotool key grave
# The top-left corner is empty background again, as on the first screen.
crop idle "360x140+0+0" corner-before
wait_until_still closed 20
crop closed "360x140+0+0" corner-after
alike "$(pic corner-before)" "$(pic corner-after)" || fail "the console did not close"
echo "PASS"
