#!/usr/bin/env bash
# A round of the demo museum, started at once by the game settings, as a player plays it: W
# walks the thief (the picture behind it changes), the wheel switches gadgets (the ammunition
# text reads "x2" for the smoke grenades), two right clicks aim and throw a smoke bomb ("x1"
# left), the wheel on to the box ("x1") and a right click puts the thief in the box and
# another takes it out.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
cat >"$work/tree/Data/LogicConfig.xml" <<'XML'
<?xml version="1.0"?>
<var><string name="defaultMapName">Museummaps.xml</string><bool name="devControls">false</bool><bool name="skipMenus">true</bool><float name="teleportHitDist">5000</float><float name="itemDropoffHitDist">5000</float><float name="guardHitDist">5000</float><int name="time">10</int><int name="difficulty">1</int></var>
XML
start_game "$work/tree"

# Below the HUD's clock, which changes anyway.
scene_change() {
  crop "$1" "1024x600+0+150" "$1-scene"
  crop "$2" "1024x600+0+150" "$2-scene"
  pixels_differing "$(pic "$1-scene")" "$(pic "$2-scene")" 0
}
# The thief moves only once the fly-through at the start has ended, so W is held again until
# the picture behind the thief changes.
walks() {
  shoot standing
  xdotool keydown w
  sleep 1.5
  xdotool keyup w
  sleep 0.5
  shoot walked
  (($(scene_change standing walked) > 10000))
}
sleep 8
wait_for 8 walks || fail "W did not move the thief"

# The ammunition text must read $1 ($2 says when): the console prints it once more.
lines_of() { printed | grep -cF -- "$1"; }
expect_ammo() {
  local line="AmmoText  =  $1" before
  before=$(lines_of "$line")
  open_console
  xdotool key Return
  xdotool type --delay 30 "getvar AmmoText"
  xdotool key Return
  more_lines() { (($(lines_of "$line") > before)); }
  wait_for 80 more_lines || fail "the ammunition text did not read $1 $2"
  xdotool key grave
  sleep 0.5
}

xdotool click 4
sleep 1.5
expect_ammo x2 "on the smoke grenade"
xdotool click 3
sleep 0.3
xdotool click 3
sleep 1
expect_ammo x1 "after a smoke bomb was thrown"

xdotool click 4
sleep 1.5
expect_ammo x1 "on the box"
shoot thief
xdotool click 3
sleep 1
shoot boxed
(($(scene_change thief boxed) > 2000)) || fail "the box did not hide the thief"
xdotool click 3
sleep 1
shoot out
(($(scene_change boxed out) > 2000)) || fail "the thief did not come out of the box"
