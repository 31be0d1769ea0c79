#!/usr/bin/env bash
# A round of the demo museum, started at once by the game settings, as a player plays it. The
# thief starts looking at a box pickup. The wheel goes on to the box ("x1"); W walks the thief
# (the picture behind it changes) into the pickup ("x2"). A right click puts the thief in the
# box and another takes it out ("x1"). On the taser two right clicks aim and fire at the wall
# ahead: the beam shows, and shot after shot the HUD's battery meter drops. On the smoke grenade ("x2") two
# right clicks throw a bomb ("x1") and its cloud shows. Back on the box, walking to and fro
# over the pickup's place takes the box again once it has come back.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree_without_agents "$work/tree"
# Guards bust nobody here: they would send the thief back to a start in the middle of the walk.
cat >"$work/tree/Data/LogicConfig.xml" <<'XML'
<?xml version="1.0"?>
<var><string name="defaultMapName">Museummaps.xml</string><bool name="devControls">false</bool><bool name="skipMenus">true</bool><float name="teleportHitDist">5000</float><float name="itemDropoffHitDist">5000</float><float name="guardHitDist">0</float><int name="time">10</int><int name="difficulty">1</int></var>
XML
start_game "$work/tree"

# Below the HUD's clock, which changes anyway.
scene_change() {
  crop "$1" "1024x600+0+150" "$1-scene"
  crop "$2" "1024x600+0+150" "$2-scene"
  pixels_differing "$(pic "$1-scene")" "$(pic "$2-scene")" 0
}

# Whether the ammunition text reads $1: the console prints it once more.
lines_of() { printed | grep -cF -- "$1"; }
ammo_reads() {
  local line="AmmoText  =  $1" before
  before=$(lines_of "$line")
  open_console
  xdotool key Return
  xdotool type --delay 30 "getvar AmmoText"
  xdotool key Return
  more_lines() { (($(lines_of "$line") > before)); }
  wait_for 50 more_lines
  local found=$?
  xdotool key grave
  sleep 0.5
  return $found
}
expect_ammo() { ammo_reads "$1" || fail "the ammunition text did not read $1 $2"; }
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.3
}

# The wheel is not heard during the fly-through at the start: it is turned until the smoke
# grenade shows, then once more to the box.
on_smoke() {
  xdotool click 4
  sleep 1.5
  ammo_reads x2
}
sleep 8
wait_for 40 on_smoke || fail "the wheel did not switch to the smoke grenade"
xdotool click 4
sleep 1.5
expect_ammo x1 "on the box"

shoot standing
hold w 1.5
shoot walked
(($(scene_change standing walked) > 10000)) || fail "W did not move the thief"
expect_ammo x2 "after walking into the box pickup"
taken=$SECONDS

shoot thief
xdotool click 3
sleep 1
shoot boxed
(($(scene_change thief boxed) > 2000)) || fail "the box did not hide the thief"
xdotool click 3
sleep 1
shoot out
(($(scene_change boxed out) > 2000)) || fail "the thief did not come out of the box"
expect_ammo x1 "after the box was used"

# Back from the wall, so that the beam has a length to show.
hold s 0.6
xdotool click 4
sleep 1.5
xdotool click 3
sleep 1.5
shoot aiming
beam_shows() {
  shoot fired
  (($(scene_change aiming fired) > 200))
}
xdotool click 3
wait_for 20 beam_shows || fail "the taser's beam did not show"
# The meter shows as much of its 48-pixel bar as the battery holds, its cells from red to
# green: eighteen shots more leave 5, and the green cells gone.
for ((shot = 0; shot < 18; shot++)); do
  xdotool click 3
  sleep 0.4
done
sleep 1
shoot after
crop aiming "48x16+100+700" meter-full
crop after "48x16+100+700" meter-spent
(($(pixels_differing "$(pic meter-full)" "$(pic meter-spent)" 15) > 20)) || fail "the battery meter did not drop"

# Left shift leaves aim, so the first right click aims again and the second throws.
xdotool key Shift_L
xdotool click 4
sleep 1.5
expect_ammo x2 "on the smoke grenade"
xdotool click 3
sleep 0.3
shoot before-smoke
xdotool click 3
sleep 4
shoot smoke
expect_ammo x1 "after a smoke bomb was thrown"
(($(scene_change before-smoke smoke) > 2000)) || fail "no smoke cloud showed"

xdotool click 4
sleep 1.5
expect_ammo x1 "on the box again"
# The box comes back 30 s after it was taken.
sleep $((taken + 30 > SECONDS ? taken + 30 - SECONDS : 0))
to_and_fro() {
  hold s 1.5
  hold w 1.5
  ammo_reads x2
}
wait_for 8 to_and_fro || fail "the box pickup did not come back"
