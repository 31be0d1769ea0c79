#!/usr/bin/env bash
# A round as a player plays it on the demo tree: quick start, the loading screen, the lobby's
# fly-through ended by a key, the HUD's clock running, the in-game menu on escape with the clock
# standing, and back; the end of the session to the main menu and a second quick start. Then,
# in a copy whose round lasts three seconds, the tally with the places after time-up, and a key
# back to the main menu.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree_without_agents "$work/tree"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
quick_start
# The loading screen gives way to the lobby seen from its camera path.
wait_until_changed flight loading 60 0.2
end_fly_through

open_in_game_menu
clock_stands || fail "the clock ran behind the in-game menu"
# Escape toggles the menu: a second press before the game has drawn the first one's answer
# would undo it, so each is pressed once and given time.
xdotool key Escape
clock_runs || fail "the clock did not run again after the in-game menu"

# The in-game menu's end-session button leads to the main menu; a second quick start works.
open_in_game_menu
# The game draws no cursor over a round to look for: it is pinned at the window's origin first.
pin_cursor
click_at 512 330
point 900 700
wait_for_golden menu-again main-menu 60
click_at 528 362
# The lobby's fly-through was shown once this run: the clock runs at once.
clock_runs 120 || fail "the second quick start did not start a round"
stop_game

# Time-up: the tally with each thief's score and the user's place, and a key back to the main
# menu.
make_tree_without_agents "$work/short"
set_settings "$work/short/Data/LogicConfig.xml" time=0.05
start_game "$work/short"
place_cursor 900 700
wait_until_still first-short 20
quick_start
wait_until_changed flight-short loading 60 0.2
point 900 700
xdotool key space
# The tally's thieves move; the user's place (the only thief: fourth) is watched where it shows.
wait_for_golden tally tally-place 120 0.002 "100x50+520+652"
point 900 700
press_until_golden space menu-after main-menu 20
echo "PASS"
