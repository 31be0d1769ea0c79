#!/usr/bin/env bash
# The road a new player takes through the demo museum. First the menus: "Choose your thief", the
# female thief and her second outfit, the options with the hardest difficulty and the
# five-minute round, Go, the loading screen and the fly-through; then the HUD over the game with
# no money yet and the clock counting down from five minutes; the in-game menu's quit button
# leads through the credits to a clean exit. Both runs play without guards and computer thieves,
# which would bust the thief on its way.
#
# Then a round of two and a half minutes from Quick start, the thief walked by keys alone, each walk
# ended by the walls: at the start the drop-off's sign shows; into the entrance hall's north-east
# corner, wherever in the lobby the thief starts; east through the corridor into the souvenir shop,
# whose exhibits turn, and over one of them (the HUD says to take it to a drop-off); back to the
# hall and along the drop-off's row (the money counts up to the exhibit's worth, 80); up the north
# corridor across the laser's beam ("AlarmOn" turns true) into the Egyptian room and through its
# teleporter (the gallery's music plays). At time-up the tally gives the thief its 80, a key leads
# to the main menu, and a second Quick start shows the HUD afresh.
#
# The map's y axis points north, x east. The thief starts looking south, so W walks it south,
# S north, A east and D west; the mouse, which would turn it, is left alone in a round.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# Each screen is known by its title, once it has slid into place.
readonly title="280x48+350+72" choices="720x300+90+190"
# The HUD's money, in its yellow digits, from (100, 56); its clock's minutes, in white.
readonly money="90x48+100+56" minutes="90x64+392+52"
readonly money_yellow="#FFD933"

# Whether the HUD's money or the minutes of its clock (pic $1, the part $2 of the window) show
# the digits of golden/$3.png in their colour $4, whatever the game behind them shows. The
# digits' edges take some of that colour.
hud_reads() {
  shoot "$1" "$2"
  colour_alike "$(pic "$1")" "$(golden "$3")" "$4" 0.01 20
}
expect_hud() {
  if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
    wait_for_golden "$1" "$3" 60 0.002 "$2"
    return
  fi
  wait_for 600 hud_reads "$1" "$2" "$3" "$4" || fail "the HUD did not come to show golden/$3.png"
}

make_tree "$work/tree"
without_agents "$work/tree"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
xdotool key space
wait_for_golden menu main-menu 60
click_at 293 480
wait_for_golden thieves player-select 60 0.01 "$title"
click_at 746 664
wait_for_golden outfits outfit-select 60 0.01 "$title"
click_at 274 668
click_at 828 664
point 900 140
wait_until_still options 60
# The hardest difficulty and the first time button, which is five minutes: both stay lit.
click_at 504 290
click_at 164 460
point 900 140
wait_for_golden chosen options-chosen 60 0.01 "$choices"
click_at 828 664
wait_for_golden loading loading-screen 60 0.2
wait_until_changed flight loading 60 0.2
# The pointer stays where it is from here on: in a round the mouse turns the view.
end_fly_through
# Money 0 in the top left, the clock's minutes at 04 once the first second has gone.
expect_hud money "$money" hud-money-zero "$money_yellow"
expect_hud minutes "$minutes" hud-four-minutes "#FFFFFF"

open_in_game_menu
pin_cursor
# The button is pressed and let go in frames of their own, as a hand does: were both seen in one
# frame, the press would also end the credits the release brings.
point 512 484
frames_pass
xdotool mousedown 1
frames_pass
xdotool mouseup 1
wait_for 600 credits_centred || fail "the in-game menu's quit button did not lead to the credits"
xdotool key space
expect_exit 60 "a key did not end the credits"

# A round of two and a half minutes.
make_tree "$work/road"
without_agents "$work/road"
set_settings "$work/road/Data/LogicConfig.xml" time=2.5
start_game "$work/road"
place_cursor 900 700
wait_until_still road-first 20
xdotool key space
wait_for_golden road-menu main-menu 60
click_at 528 362
wait_for_golden road-loading loading-screen 60 0.2
wait_until_changed road-flight road-loading 60 0.2
end_fly_through

# The game below the HUD's clock.
readonly scene="1024x600+0+150"
# The drop-off's sign, a green plate, shows at the right: the nearest drop-off lies south-west.
sign_shows() {
  shoot start "$scene"
  (($(colour_count "$(pic start)" "1024x600+0+0" "#4A9D4A" 10) > 5000))
}
wait_for 100 sign_shows || fail "the drop-off's sign does not show"

# To the entrance hall's north-east corner, wherever in the lobby the round starts the thief,
# by walks that each end against a wall (a walk against a wall from the start is no step at
# all). From a start in the hall: east to its east wall, south along it to its south wall. From
# a start in a room off the Egyptian room's north wall: east to that room's east wall, south
# along it, east through the door in its south-east corner to the corridor's far wall, south
# down the corridor, across the Egyptian room, down the north corridor and across the hall to
# its south wall, east along that. Then north up the hall's east wall, past its door.
hold a 5
hold w 8
hold a 5
hold w 10
hold a 3
hold s 3
# South-east: down the hall's east wall and through its door into the corridor, along the
# corridor's south wall up to the shop's door; north-east through that door into the shop's
# north-east corner.
hold "w a" 6
hold "s a" 6
# The exhibits turn where they stand: the picture changes while the thief stands still.
shoot shop-before "$scene"
frames_pass 10
shoot shop-after "$scene"
alike "$(pic shop-before)" "$(pic shop-after)" 0 && fail "nothing turns in the souvenir shop"

# South-west from the corner runs over two exhibits; the first is taken, and the HUD's button at
# the left says to take it to a drop-off.
take_it_shows() {
  shoot take-it "256x64+0+282"
  (($(colour_count "$(pic take-it)" "256x64+0+0" "#E6BF4D" 10) > 1000))
}
take_it_shows && fail "the HUD asks to take an exhibit to a drop-off before one is taken"
hold_until "w d" 10 take_it_shows || fail "walking over an exhibit did not take it"

# On to the shop's south-west corner; north-west up its west wall, through the door and along
# the corridor's north wall to the hall's door; south-west through it into the hall's
# south-west corner.
hold "w d" 6
hold "s d" 6
hold "w d" 8
# A step north, then east along the drop-off's row: the money counts up to the exhibit's worth.
hold s 0.3
money_is_80() { hud_reads money-80 "$money" hud-money-80 "$money_yellow"; }
if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
  hold a 3
  expect_hud money-80 "$money" hud-money-80 "$money_yellow"
else
  hold_until a 4 money_is_80 || wait_for 100 money_is_80 || fail "the money did not count up to 80 at the drop-off"
fi

# North to the hall's north wall, west along it into the north corridor and up its west wall to
# the laser's box; east along the box to the corridor's east wall. North from there the thief
# breaks the beam: the alarm goes on.
hold s 3
hold "s d" 6
hold a 3
[ "$(value_of AlarmOn)" = false ] || fail "the alarm was on before the thief came to the beam"
alarm_on() { [ "$(value_of AlarmOn)" = true ]; }
hold_until s 4 alarm_on || fail "walking through the laser's beam did not turn \"AlarmOn\" true"
# On north to the door of the Egyptian room; north-west through it into the room's north-west
# corner.
hold s 4
hold "s d" 6
# East along the room's north wall, slowly, with the door key pressed: the teleporter sends the
# thief to the gallery, whose music plays.
music_lines=$(lines_with "museum2 music")
in_gallery() { more_lines_with "museum2 music" "$music_lines"; }
xdotool keydown Control_L keydown a
deadline=$((SECONDS + 30))
while ! in_gallery && ((SECONDS < deadline)); do
  xdotool key e
  frames_pass
done
xdotool keyup a keyup Control_L
in_gallery || fail "the door key at the lobby's teleporter did not lead to the gallery"

# Time-up, and the tally counts the thief's 80 in its column (the only thief who scored).
scored_80() {
  local column
  for column in 1 2 3 4; do [ "$(value_of "Score$column")" = 80 ] && return 0; done
  return 1
}
wait_for 3000 scored_80 || fail "the tally did not give the thief 80"
point 900 700
press_until_golden space road-menu-again main-menu 20
# A second Quick start: no money, and a clock that runs again.
click_at 528 362
clock_runs 120 || fail "the second round did not start"
expect_hud money-again "$money" hud-money-zero "$money_yellow"
echo "PASS"
