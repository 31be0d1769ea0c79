#!/usr/bin/env bash
# The developer keys as a developer uses them on the demo tree with "devControls" on. In the
# main menu: V shows the variable panel and a click on its first line (the bool "AI_Chase")
# switches it; T shows the timers; Print Screen writes the window as a 1024 x 768 PNG; I twice
# switches the camera-path editor on and off. In a round: I switches the editor on, W flies its
# camera, F7 clears the lobby's path, Space adds three nodes, F3 saves them under
# "Maps/lobby.bsp", F4 and F5 fly and stop the path, I switches back; P and F fire a sphere and
# start the dust; 9 returns to the main menu.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# The variable panel's column and the timers' column.
readonly variables="170x200+850+100" timers="190x200+650+100"

dev_settings() {
  cat >"$1/Data/LogicConfig.xml" <<XML
<?xml version="1.0"?>
<var><string name="defaultMapName">Museummaps.xml</string><bool name="devControls">true</bool><bool name="skipMenus">$2</bool><float name="teleportHitDist">5000</float><float name="itemDropoffHitDist">5000</float><float name="guardHitDist">5000</float><float name="time">10</float><int name="difficulty">1</int></var>
XML
}

# Presses the key $1 until the part $3 of the window no longer looks as it did ($2 names the
# picture); a key sent before the game has seen its window gain the focus is not heard.
press_until_changed() {
  local try
  shoot "$2" "$3"
  for ((try = 0; try < 10; try++)); do
    xdotool key "$1"
    sleep 0.5
    shoot "$2.after" "$3"
    alike "$(pic "$2")" "$(pic "$2.after")" 0 || return 0
  done
  fail "the key $1 did not change the window"
}

make_tree "$work/menu"
dev_settings "$work/menu" false
# The timers are the profiler's sections, measured only when the engine settings ask.
sed -i 's|<bool name="dbgTimer">false</bool>|<bool name="dbgTimer">true</bool>|' "$work/menu/Data/EngineConfig.xml"
start_game "$work/menu"
place_cursor 900 700
wait_until_still first 20
xdotool key space
wait_for_golden menu main-menu 20

press_until_changed v panel "$variables"
press_until_changed t timers "$timers"
console_value() {
  open_console
  console_command "getvar AI_Chase" "AI_Chase  =  $1" || fail "AI_Chase is not $1"
  xdotool key grave
  sleep 0.5
}
point 860 108
sleep 0.3
xdotool click 1
sleep 0.5
console_value true

# The screenshot is the window's picture.
shoot window
xdotool key Print
shot_written() { compgen -G "$work/menu/Vaultrunner *.png" >/dev/null; }
wait_for 100 shot_written || fail "Print Screen wrote no file"
shot=$(compgen -G "$work/menu/Vaultrunner *.png" | head -n 1)
[ "$(identify -format '%wx%h' "$shot")" = 1024x768 ] || fail "the screenshot is not 1024 x 768"
alike "$shot" "$(pic window)" 0.02 || fail "the screenshot does not show the window"

xdotool key i
wait_for 50 has_printed "InterpEdit Mode Activated" || fail "I did not switch the editor on"
xdotool key i
wait_for 50 has_printed "InterpEdit Mode Deactivated" || fail "I did not switch the editor off"
sleep 1
has_ended && fail "the game ended after I, I"
stop_game

make_tree "$work/round"
dev_settings "$work/round" true
start_game "$work/round"
# I during the lobby's fly-through only ends it (as any key does); the next I switches the
# editor on.
switched_on() {
  xdotool key i
  wait_for 30 has_printed "InterpEdit Mode Activated"
}
wait_for 40 switched_on || fail "I did not switch the editor on in a round"
fly() {
  xdotool keydown w
  sleep 0.6
  xdotool keyup w
  sleep 0.3
}
shoot still
fly
shoot flown
alike "$(pic still)" "$(pic flown)" 0.01 && fail "W did not fly the editor's camera"
xdotool key F7
for node in 1 2 3; do
  xdotool key space
  sleep 0.3
  fly
done
xdotool key F3
lobby_nodes() {
  python3 - "$work/round/Data/InterpNodes.xml" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
m = re.search(r"<pair><string>Maps/lobby.bsp</string><list>(.*?)</list></pair>", text)
print(len(re.findall(r'<var name="pos">', m.group(1))) if m else -1)
PY
}
wait_for 50 test "$(lobby_nodes)" = 3 || fail "F3 did not save three nodes under Maps/lobby.bsp (found $(lobby_nodes))"
xdotool key F4
sleep 1
xdotool key F5
xdotool key i
wait_for 50 has_printed "InterpEdit Mode Deactivated" || fail "I did not switch the editor off in a round"
xdotool key p
xdotool key f
sleep 1
has_ended && fail "the game ended after P and F"
xdotool key 9
wait_for_golden back main-menu 20
echo "PASS"
