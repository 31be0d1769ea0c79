#!/usr/bin/env bash
# The words a round shows a player, on a copy of the demo tree that skips the menus, has no
# computer thieves and a round of 45 seconds, and whose reach to a teleporter spans the museum:
# the door prompt from the first step and the sign over a drop-off; the prompt to take an
# exhibit to a drop-off and the busted picture, each brought by the game's own command typed
# into the console; at 00:00 the time's-up picture, where the screen used to stay plain blue;
# then the tally, with the arrow over the user's column, the user's score and place under it and
# no thief in the other columns.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
set_settings "$work/tree/Data/LogicConfig.xml" skipMenus=true teleportHitDist=1000000000000 guardHitDist=0 time=0.75 \
  difficulty=1
set_settings "$work/tree/Data/AIConfig.xml" MaxThieves=0
start_game "$work/tree"

# Runs a command of the game typed into the console, then closes the console. A "getvar" typed
# after it prints a line once both have run: the grave key that closes the console takes the
# keyboard from it, and with it the typing of the same frame not yet delivered. The console's
# lines cover the carry prompt: that prompt showing says the console has closed.
typed_command() {
  local before
  before=$(printed | grep -c "AlarmOn  =  ")
  open_console
  xdotool key Return
  xdotool type --delay 30 "$1"
  xdotool key Return Return
  xdotool type --delay 30 "getvar AlarmOn"
  xdotool key Return
  ran() { (($(printed | grep -c "AlarmOn  =  ") > before)); }
  wait_for 300 ran || fail "the console did not run $1"
  xdotool key grave
}

# The sign over a drop-off bobs up and down: its picture is looked for, for at most $1 seconds,
# where its green plate is in the window's right part; inside its rim, which the room's light
# does not reach.
sign_shows() {
  local width height left top deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    shoot sign
    if read -r width height left top < <(colour_box "$(pic sign)" "300x320+724+120" "#40914D"); then
      crop sign "150x64+$((724 + left + 24))+$((120 + top + 24))" sign.part
      alike "$(pic sign.part)" "$(golden dropoff-sign)" && return 0
    fi
    sleep 0.1
  done
  return 1
}

# The HUD shows once a key has ended the fly-through; the prompt is whole inside its frame.
press_until_golden space door door-prompt 20 0.002 "240x52+392+656"
# The thief starts facing a drop-off's sign, which runs on past the window's right edge.
sign_shows 90 || fail "the drop-off's sign does not look like golden/dropoff-sign.png"
typed_command GetItem
wait_for_golden carry carry-prompt 60 0.002 "370x52+4+288"
typed_command Busted
# The middle of the burst, which every frame covers: the game behind it turns meanwhile.
wait_for_golden busted busted 60 0.002 "176x40+424+364"

# Time's up: the words under the ringing clock.
wait_for_golden times-up times-up 120 0.002 "312x70+356+410"

# The tally: the user alone, in the third column (the outfit numbered 2, the default).
wait_for_golden tally-you tally-you 60 0.002 "256x104+512+150"
wait_for_golden tally-user tally-user 60 0.002 "256x208+512+560"
wait_for_golden tally-left tally-empty-left 60 0.002 "512x400+0+230"
wait_for_golden tally-right tally-empty-right 60 0.002 "256x400+768+230"
point 900 700
press_until_golden space menu-after main-menu 20
echo "PASS"
