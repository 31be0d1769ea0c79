#!/usr/bin/env bash
# The AI's navigation as a level designer looks at it in a round of the demo tree, with no
# guards or computer thieves: "setvar AI_NodeGraph true" draws the lobby's graph over its floor;
# with "AI_Train" and "AI_Show Paths" on, the routes the training plans show, every other leg
# red; quitting through the menus writes each map's path file, and the next start logs each of
# them loaded on "AI Log". The models are hidden ("Show Models"), so that the thief's idle
# movements do not change the floor's picture.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# The lobby's floor seen from the first thief's start, from the foot of the far wall down and
# right of the HUD's gadgets.
readonly floor="704x290+320+478"
# The round's view right of the HUD's gadgets and below its clock (the battery meter is red).
readonly view="704x638+320+130"

# Whether pic $1 shows lines of a route's red legs.
shows_red_legs() {
  shoot "$1" "$view"
  (($(red_count "$(pic "$1")") > 50))
}
red_count() {
  convert "$1" -fill black -opaque white -fuzz 30% -fill white -opaque red -fuzz 0 -fill black +opaque white \
    -format '%[fx:round(mean * w * h)]' info:
}

make_tree "$work/tree"
without_agents "$work/tree"
set_settings "$work/tree/Data/LogicConfig.xml" skipMenus=true
grep -q '<bool name="SavePaths">true</bool>' "$work/tree/Data/AIConfig.xml" || fail "the demo tree does not save paths"
for map in lobby gallery vault; do
  [ -e "$work/tree/Maps/$map.bsp.path" ] && fail "the demo tree ships Maps/$map.bsp.path"
done
start_game "$work/tree"
end_fly_through
set_var "Show Models" false
wait_until_still plain 60 "$floor"
set_var AI_NodeGraph true
wait_for_golden graph lobby-node-graph 60 0.03 "$floor"
alike "$(pic plain)" "$(golden lobby-node-graph)" 0.03 && fail "the floor looks the same without the graph"

# Without the graph, the training's routes: the view shows red lines in some frame.
set_var AI_NodeGraph false
frames_pass
shoot no-graph "$view"
(($(red_count "$(pic no-graph)") == 0)) || fail "red lines show before any route is drawn"
set_var AI_Train true
set_var "AI_Show Paths" true
wait_for 600 shows_red_legs routes || fail "no route showed with AI_Train and AI_Show Paths on"

# Quitting as a player quits: the in-game menu's end-session button, the main menu's exit
# button, and a key to end the credits.
open_in_game_menu
pin_cursor
click_at 512 330
point 900 700
wait_for_golden menu main-menu 60
click_at 528 632
wait_for 600 credits_centred || fail "the exit button did not lead to the credits"
xdotool key space
expect_exit 60 "a key did not end the credits"
for map in lobby gallery vault; do
  [ -s "$work/tree/Maps/$map.bsp.path" ] || fail "quitting wrote no routes to Maps/$map.bsp.path"
done

start_game "$work/tree"
loaded() { grep -qE "Maps/$1\.bsp\.path: [1-9][0-9]* routes loaded" "$work/tree/AI Log.txt" 2>/dev/null; }
for map in lobby gallery vault; do
  wait_for 600 loaded "$map" || fail "the next start did not log Maps/$map.bsp.path loaded on AI Log"
done
stop_game
echo "PASS"
