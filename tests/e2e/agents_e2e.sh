#!/usr/bin/env bash
# A round of the demo tree as it ships, guards and computer thieves and all, started at once by
# the settings ("skipMenus") and lasting three minutes. The agents first stand where the game's
# start put them ("EnableAI" off): the guards at their posts, the computer thieves on the
# cloakroom's starts. Meanwhile the user's thief walks out of the cloakroom, down the entrance
# corridor and across the Egyptian room into its north-east corner, 140 units from the guard who
# sleeps in that room. There, still walking into the wall, the thief is heard once "AI_Run"
# switches the agents on: the guard wakes, sees the thief, is surprised, chases and catches it, and
# the busted banner comes. Then the thief is left alone: the round plays to its end by itself,
# the tally credits a computer thief with the worth of what it stole, and no log holds an error
# line.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
set_settings "$work/tree/Data/LogicConfig.xml" skipMenus=true time=3
set_settings "$work/tree/Data/AIConfig.xml" EnableAI=false
start_game "$work/tree"
end_fly_through

# Each walk ends against a wall, so it is held long enough for a slow machine, whose game time
# runs behind the clock on the wall. The map's y axis points north; the thief looks south, so W
# walks it south, S north and A east. Sideways to the cloakroom's east wall, forward to its south
# wall, sideways through the door in that corner to the entrance corridor's far wall. Then south-
# east: down the corridor along that wall, across the Egyptian room past the guard, who stands
# 100 units off that line (beyond a guard's reach), to the room's east wall and along it into its
# south-east corner. Then north along the east wall into the north-east corner.
hold_game_time a 3
hold_game_time w 4
hold_game_time a 3
hold_game_time "w a" 8
hold_game_time s 4

# The guard, asleep, hears a thief on the move within 200 units (the shipped hearing): the thief
# keeps walking into the corner until it is caught. Awake, the guard sees it at once, turns to it
# in surprise and chases it. No computer thief from the cloakroom, 500 units away at the least,
# reaches the room before the guard's second of surprise is over, and a chasing guard turns only
# to a thief nearer than its quarry, which is within 140 units: the catch comes some two seconds
# of the game's time after the switch. The busted picture shows for a moment only, which
# screenshots taken one at a time on a busy machine can miss, so the window's middle is
# recorded: the newest picture is looked at while the chase goes on, and should that have been
# too slow, every picture taken is looked at in the end.
readonly banner="176x40+424+364"
busted_shows() { alike "$(pic "$1")" "$(golden busted)" 0.002; }
newest_busted() {
  local frame
  frame=$(recorded bust | tail -n 2 | head -n 1)
  [ -n "$frame" ] && busted_shows "$frame"
}
# Only pictures as bright as the banner on the whole are compared with it: one pass of the image
# tool measures them all.
some_recorded_busted() {
  local bright frame
  bright=$(convert "$(golden busted)" -format '%[fx:mean]' info:)
  for frame in $(cd "$work" && recorded bust | sed 's/$/.ppm/' | xargs -r identify -format '%t %[fx:mean]\n' |
    awk -v b="$bright" '{ d = $2 - b; if (d < 0) d = -d; if (d < 0.03) print $1 }'); do
    busted_shows "$frame" && return 0
  done
  return 1
}
start_recording bust "$banner"
set_var AI_Run true
busted=no
hold_until s 120 newest_busted && busted=yes
stop_recording
[ "$busted" = yes ] || some_recorded_busted ||
  fail "no picture of the window's middle came to look like golden/busted.png in 120 s; see $out"

# Left alone, the round runs out; the tally counts up what each thief delivered. The user wears
# the third outfit, so the computer thieves' scores are the other columns'.
wait_for_golden times-up times-up 400 0.002 "312x70+356+410"
wait_for_golden tally-you tally-you 30 0.002 "256x104+512+150"
a_computer_thief_scored() {
  local column score
  for column in 1 2 4; do
    score=$(value_of "Score$column")
    [[ "$score" =~ ^[0-9]+$ ]] && ((score > 0)) && return 0
  done
  return 1
}
wait_for 30 a_computer_thief_scored || fail "no computer thief scored in the round"

errors=$(cat "$work/tree"/*Log.txt "$work/out.txt" 2>/dev/null | grep -i "error")
[ -z "$errors" ] || fail "error lines in the logs: $errors"
echo "PASS"
