#!/usr/bin/env bash
# A trip laser as a player meets it, in a round of the demo museum started at once, with the
# lobby's guards, who see only 200 units far here. They stand at their posts ("EnableAI" off)
# until the alarm is on, so that the guard it sends is the one nearest the laser whatever the
# time the walk took: the hall's guard, whose patrol starts at the hall's west side. The thief
# starts in the cloakroom looking south, its back to the cloakroom's north wall. Walked sideways
# to the east wall, forward along it to the south wall (leaving the box that lies ahead of the
# start alone), sideways east through the door in that corner to the entrance corridor's far
# wall, and forward down the corridor and across the Egyptian room, then step by step on into the
# beam, it raises the alarm: "AlarmOn" turns true and the thief glows red in pulses. "AI_Run"
# then switches the guards on: the one the alarm sent comes, sees the thief and busts it; it
# starts again in the cloakroom with the north wall just behind it, the camera staying in the map
# all along, and 5 s after the beam was last broken "AlarmOn" is false.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
set_settings "$work/tree/Data/LogicConfig.xml" skipMenus=true difficulty=1
# The shipped AI settings, but the agents standing still, no computer thieves, guards that see
# 200 units and hear as far as the settings say, and no learned routes written back.
set_settings "$work/tree/Data/AIConfig.xml" EnableAI=false AvoidGuards=false MaxThieves=0 SavePaths=false \
  GUARD_VISION_RANGE=40000 LISTEN_RANGE_MODIFIER=1
start_game "$work/tree"

end_fly_through

# The share of the picture file $1 (the middle of the window, where the thief stands) that is
# pink, as neither the plaster walls nor the thief's hair are: the alarm tints the models (not
# the lightmapped walls) with its pulse, and the thief's white stripes turn pink.
red_share() {
  convert "$1" -fx 'r > g + 0.2 && b > g - 0.1 ? 1 : 0' -format '%[fx:mean]' info:
}
# The share of the picture file $1 that is black in blocks of 20 x 20 pixels: the void beyond
# the map's walls (the drawn outlines and dark tiles are finer than that).
black_share() {
  convert "$1" -scale 5% -colorspace Gray -threshold 3% -format '%[fx:1 - mean]' info:
}

# The lower left of the window, without the thief, the HUD or the signs; and the thief from its
# striped top, which the alarm turns pink (just below the window's middle while the camera
# follows the thief down a corridor), to its feet.
readonly view="340x300+0+420" thief="160x300+432+400"

reads AlarmOn false || fail "the alarm was on before the beam was broken"
# East to the cloakroom's east wall and forward along it to the south wall; east through the
# door in that corner to the entrance corridor's east wall (each ends against a wall, so it is
# held long enough for a slow machine); forward down the corridor along that wall, which lines
# the thief up with the doors ahead, and on into the Egyptian room, short of the laser.
hold_game_time a 3
hold_game_time w 4
hold_game_time a 3
hold_game_time w 3
# Then on towards the beam, a short step at a time, until "getvar" says the alarm is on. The
# thief stands in the beam from then on, which raises the alarm anew every 5 s, until a guard
# comes. Pictures of the thief are taken all along, as fast as they come: untinted before the
# alarm, in its pulse after.
(
  for ((i = 0; ; i++)); do
    shoot pulse.taking "$thief"
    mv "$(pic pulse.taking)" "$(pic "pulse-$i")"
    sleep 0.1
  done
) &
shooter_pid=$!
for ((step = 0; step < 40; step++)); do
  hold_game_time w 0.1
  reads AlarmOn true && break
done
((step < 40)) || fail "the thief walked through the beam and \"AlarmOn\" did not turn true"
set_var AI_Run true
# The pictures taken before "getvar" said so; the last two may already show the alarm.
before_alarm=$(($(find "$work" -maxdepth 1 -name 'pulse-*.ppm' | wc -l) - 2))

# From now on every picture of the scene is looked at for the void beyond the walls; those that
# show it are kept.
readonly scene="1024x560+0+150"
(
  for ((i = 0; ; i++)); do
    shoot scene "$scene"
    awk -v s="$(black_share "$(pic scene)")" 'BEGIN { exit !(s > 0.1) }' && mv "$(pic scene)" "$(pic void-$i)"
  done
) &
watcher_pid=$!
# The thief glows red: a picture taken since the alarm is pinker than the least pink of those
# before it. The pulse takes the thief's colour from the alarm's to the ambient light's and back
# every second, and is near the alarm's, where the pink shows plainly, about a quarter of the
# time: the pictures are looked at as they come until one shows it, while the alarm lasts.
untinted=$(for ((i = 0; i < before_alarm; i++)); do red_share "$(pic "pulse-$i")"; echo; done | sort -g | head -n 1)
[ -n "$untinted" ] || fail "no picture of the thief was taken before the alarm"
awk -v s="$untinted" 'BEGIN { exit !(s < 0.004) }' || fail "the thief was pink before the alarm"
next_shot=$before_alarm
glow_seen() {
  while [ -f "$(pic "pulse-$next_shot")" ]; do
    awk -v s="$(red_share "$(pic "pulse-$next_shot")")" -v u="$untinted" 'BEGIN { exit !(s > u + 0.008) }' && return 0
    next_shot=$((next_shot + 1))
  done
  return 1
}
wait_for 600 glow_seen || fail "the thief did not glow red during the alarm"
stop "$shooter_pid"

# The alarm ends by itself, 5 s after the beam was last broken: once the bust took the thief out
# of it.
wait_for_value AlarmOn false 60 || fail "the alarm did not end"

# The guard the alarm sent saw the thief, chased and busted it: after the "Busted" banner the
# thief starts again at the next start, the cloakroom's north wall 96 units behind it, and the
# lower left of the picture shows the cloakroom's floor and south wall.
# Compared by their mean colours: where exactly the physics set the thief down shifts the
# floor's fine pattern by a few pixels, while the corridor's chequered floor or the void would
# change the colours altogether.
mean_colour() { convert "$1" -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:; }
in_the_cloakroom() {
  shoot now "$view"
  echo "$(mean_colour "$(pic now)") $(mean_colour "$(golden alarm-after-bust)")" |
    awk '{ for (i = 1; i <= 3; i++) if ($i - $(i + 3) > 0.03 || $(i + 3) - $i > 0.03) exit 1 }'
}
if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
  shoot now "$view"
  view_still() {
    mv "$(pic now)" "$(pic before)"
    shoot now "$view"
    [ "$(pixels_differing "$(pic before)" "$(pic now)" 0)" = 0 ]
  }
  wait_for 300 view_still || fail "the cloakroom kept changing"
  expect_golden now alarm-after-bust
else
  wait_for 150 in_the_cloakroom || {
    keep_mismatch now alarm-after-bust
    fail "no guard came to bust the thief, or the cloakroom looks otherwise; see $out"
  }
fi
stop "$watcher_pid"
for shot in "$work"/void-*.ppm; do
  [ -f "$shot" ] && fail "the camera left the map: $(basename "$shot")"
done
exit 0
