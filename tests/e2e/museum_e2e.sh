#!/usr/bin/env bash
# The road a new player takes through the demo museum: the first screen, "Choose your thief",
# the female thief and her second outfit, the options with the hardest difficulty and the
# five-minute round, Go, the loading screen and the fly-through; then the HUD over the game
# with no money yet and the clock counting down from five minutes; the in-game menu's quit
# button leads through the credits to a clean exit.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# Clicks the point (x, y) of the layout.
click_at() {
  point "$1" "$2"
  sleep 0.3
  xdotool click 1
}

make_tree "$work/tree"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
xdotool key space
wait_for_golden menu main-menu 20
# Each screen is known by its title, once it has slid into place.
readonly title="280x48+350+72" choices="720x300+90+190"
click_at 293 480
wait_for_golden thieves player-select 30 0.01 "$title"
click_at 746 664
wait_for_golden outfits outfit-select 30 0.01 "$title"
click_at 274 668
click_at 828 664
point 900 140
wait_until_still options 30
# The hardest difficulty and the first time button, which is five minutes: both stay lit.
click_at 504 290
click_at 164 460
point 900 140
wait_for_golden chosen options-chosen 20 0.01 "$choices"
click_at 828 664
wait_for_golden loading loading-screen 20 0.2
wait_until_changed flight loading 60 0.2
point 900 140
xdotool key space

# The HUD: money 0 in the top left, the clock's minutes at 04 once the first second has gone.
wait_for_golden money hud-money-zero 40 0.05 "36x44+129+58"
wait_for_golden minutes hud-four-minutes 40 0.05 "90x64+392+52"

xdotool key Escape
wait_for_golden in-game in-game-menu 40 0.05 "120x36+415+198"
click_at 512 484
wait_for 300 credits_centred || fail "the in-game menu's quit button did not lead to the credits"
xdotool key space
expect_exit 30 "a key did not end the credits"
echo "PASS"
