#!/usr/bin/env bash
# A damaged map as a player meets it: quick start shows the loading screen, then the game,
# which cannot be built, gives the main menu back with the reason in red on the console; the
# grave key closes the console and the menu works on (its exit button leads to the credits).
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# The main menu's lower buttons, below the console's lines: it shows thirty at most, and the
# lines the terminal's questions bring (frames_pass) push the reason down to the thirtieth.
readonly buttons="1024x280+0+488"

make_tree "$work/tree"
head -c 3000 "$work/tree/Maps/gallery.bsp" >"$work/gallery.bsp"
mv "$work/gallery.bsp" "$work/tree/Maps/gallery.bsp"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
quick_start

# The menu comes back, and the console over it shows why.
wait_for 300 has_printed "Could not load map. " || fail "the refused start was not reported"
point 900 700
convert "$(golden main-menu)" -crop "$buttons" +repage "$(pic menu-buttons)"
buttons_show() {
  shoot back
  crop back "$buttons" back-buttons
  alike "$(pic back-buttons)" "$(pic menu-buttons)"
}
wait_for 200 buttons_show || fail "the main menu did not come back"
# The console draws its red half-transparent: over the menu's blue it comes out crimson.
red_line() {
  shoot console "1024x480+0+0"
  [ -n "$(colour_box "$(pic console)" "1024x480+0+0" "#8E152C")" ]
}
wait_for 50 red_line || fail "no red line shows on the console"

xdotool key grave
wait_for_golden closed main-menu 60
click_at 528 632
wait_for 100 credits_centred || fail "the menu did not work after the refused start"
echo "PASS"
