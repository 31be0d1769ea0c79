#!/usr/bin/env bash
# A round of the demo tree as it ships, guards and computer thieves and all, started at once by
# the settings ("skipMenus") and lasting three minutes. The user's thief walks out of the
# cloakroom, down the entrance corridor and on through the Egyptian room, where a guard stands,
# towards the hall, where a guard walks its patrol: a guard sees the thief, chases it and the
# busted banner comes. Then the thief is left alone: the round plays to its end by itself, the
# tally credits a computer thief with the worth of what it stole, and no log holds an error line.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
set_settings "$work/tree/Data/LogicConfig.xml" skipMenus=true time=3
start_game "$work/tree"
end_fly_through

# A guard sees the thief, chases it and catches it: the burst of the busted picture. It shows for
# a moment only, which screenshots taken one at a time on a busy machine can miss, so the
# window's part is recorded from the first step on: the newest picture is looked at while the
# thief walks and the chase goes on, and should that have been too slow, every picture taken is
# looked at in the end. A guard may come before the thief is out of the cloakroom's corridor,
# and the catch sends the thief back to a start, whence the rest of the walk would lead astray:
# each walk stops at the catch.
readonly banner="176x40+424+364"
start_recording bust "$banner"
busted_shows() { alike "$(pic "$1")" "$(golden busted)" 0.002; }
newest_busted() {
  local frame
  frame=$(recorded bust | tail -n 2 | head -n 1)
  [ -n "$frame" ] && busted_shows "$frame"
}
busted=""
deadline=$((SECONDS + 170))
# Holds the key $1 for $2 seconds, or until the busted picture comes or the time is up.
walk_until_busted() {
  local left=$((deadline - SECONDS))
  hold_until "$1" $(($2 < left ? $2 : left)) newest_busted && busted=yes
}
# Sideways to the cloakroom's east wall, forward to its south wall, sideways through the door in
# that corner to the corridor's far wall, each held long enough for a slow machine, whose game
# time runs behind the clock on the wall. Then forward down the corridor, across the Egyptian
# room and on to the entrance hall's far wall. The guards also chase the computer thieves and
# are tased by them, so the Egyptian room's guard may be away when the thief passes, and the
# hall's patrol may take minutes to come by: the thief then walks back and forth between the
# hall and the Egyptian room, where the guards are.
walk_until_busted a 5 || walk_until_busted w 8 || walk_until_busted a 5 || walk_until_busted w 25 ||
  until [ -n "$busted" ] || ((SECONDS >= deadline)); do
    walk_until_busted s 10 || walk_until_busted w 15
  done
stop_recording
if [ -z "$busted" ]; then
  # Only pictures as bright as the banner on the whole are compared with it: one pass of the
  # image tool measures them all.
  bright=$(convert "$(golden busted)" -format '%[fx:mean]' info:)
  for frame in $(cd "$work" && recorded bust | sed 's/$/.ppm/' | xargs -r identify -format '%t %[fx:mean]\n' |
    awk -v b="$bright" '{ d = $2 - b; if (d < 0) d = -d; if (d < 0.03) print $1 }'); do
    busted_shows "$frame" && { busted=$frame; break; }
  done
fi
[ -n "$busted" ] || fail "no picture of the window's middle came to look like golden/busted.png in 170 s; see $out"

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
