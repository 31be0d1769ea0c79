#!/usr/bin/env bash
# The menus as a player walks them on the demo tree: the first screen, the main menu sliding in
# at a key, a button lit under the cursor, the credits reached through the exit button,
# scrolling and ending the program at a key; and, in a second game, the quick start button
# leading to the loading screen.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

readonly gold='#FFD94D'
# The rows in which the slide is watched: the first screen's title, in the top 30, and the main
# menu's quick start button, in the 64 below. No other element of the two screens has their
# gold there.
readonly slide_rows="1024x94+0+300" first_band="1024x30+0+0" menu_band="1024x64+0+30"
# The quick start button with the place above it where the arrow points at a lit button.
readonly quick_start="256x130+400+264"

# The box around the gold in the band $2 of the picture file $1, as "width height x y"; nothing
# while there is none.
gold_box() { colour_box "$1" "$2" "$gold"; }

# Whether a box "width height x y" ($1) is, to a pixel, the box at rest ($2) moved sideways and
# cut off by the window's edges.
moved_whole() {
  local w h x y rw rh rx ry
  read -r w h x y <<<"$1"
  read -r rw rh rx ry <<<"$2"
  local shift=$((x > 0 ? x - rx : x + w - rx - rw))
  local left=$((rx + shift < 0 ? 0 : rx + shift)) right=$((rx + rw + shift > 1024 ? 1024 : rx + rw + shift))
  near "$w" $((right - left)) && near "$h" "$rh" && near "$y" "$ry"
}
near() { (($1 - $2 <= 1 && $2 - $1 <= 1)); }

# Whether the picture file $1 of the slide's rows shows the slide part-way: the first screen's
# title moved right as it leaves, the main menu's quick start button moved left as it comes
# (either whole), or, half-way through, both screens out of sight: the background alone, as in
# golden/slide-mid-point.png.
part_way() {
  local -a first menu
  read -r -a first < <(gold_box "$1" "$first_band")
  read -r -a menu < <(gold_box "$1" "$menu_band")
  if ((${#first[@]})); then
    ((first[2] > first_rest[2] + 8)) || return 1
    moved_whole "${first[*]}" "${first_rest[*]}" || fail "the leaving first screen's title is out of shape: ${first[*]}"
  elif ((${#menu[@]})); then
    ((menu[0] + menu[2] < menu_rest[0] + menu_rest[2] - 8)) || return 1
    moved_whole "${menu[*]}" "${menu_rest[*]}" || fail "the coming main menu's button is out of shape: ${menu[*]}"
  else
    if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
      convert "$1" "$(golden slide-mid-point)" && echo "wrote $(golden slide-mid-point)"
    fi
    alike "$1" "$(golden slide-mid-point)"
  fi
}

# Starts the game in a fresh copy of the demo tree in the folder $1: the first screen shows.
show_first_screen() {
  make_tree_without_agents "$work/$1"
  start_game "$work/$1"
  place_cursor 900 700
  wait_until_still first 20
  expect_golden first first-screen
}

show_first_screen tree
# A key slides the main menu in from the left over half a second. The rows that show it are
# recorded, each picture with the time since the key.
start_recording slide "$slide_rows"
key_time=$EPOCHREALTIME
xdotool key space
wait_for_golden menu main-menu 60
stop_recording
recorded_times slide "$key_time" >"$work/slide-times.txt"
convert "$(golden first-screen)" -crop "$slide_rows" +repage "$(pic first-rows)"
convert "$(golden main-menu)" -crop "$slide_rows" +repage "$(pic menu-rows)"

# The slide's half second of the engine's time may include at most one frame, a tenth of a
# second, from before the key was read: no picture taken sooner than 0.4 s after the key shows
# the menu at rest.
while read -r i seconds; do
  if awk -v t="$seconds" 'BEGIN { exit !(t < 0.4) }' && alike "$(pic "slide-$i")" "$(pic menu-rows)"; then
    fail "the main menu was at rest $seconds s after the key"
  fi
done <"$work/slide-times.txt"

# Part-way through, a picture shows the two screens moved sideways, or neither.
read -r -a first_rest < <(gold_box "$(pic first-rows)" "$first_band")
read -r -a menu_rest < <(gold_box "$(pic menu-rows)" "$menu_band")
((${#first_rest[@]} == 4 && ${#menu_rest[@]} == 4)) || fail "the reference pictures show no gold"
caught=""
# Updating the references looks at every picture, for one of the background alone.
while read -r i seconds; do
  part_way "$(pic "slide-$i")" && caught=$i && [ "${E2E_UPDATE_GOLDEN:-0}" != 1 ] && break
done <"$work/slide-times.txt"
[ -n "$caught" ] || fail "no picture caught the slide part-way"

# The cursor on a button lights it, and the arrow points at it from above.
crop menu "$quick_start" quick-start-unlit
point 528 362
wait_for_golden lit quick-start-lit 60 0.002 "$quick_start"
alike "$(pic quick-start-unlit)" "$(golden quick-start-lit)" && fail "the lit button looks the same as the unlit one"

# The exit button leads to the credits, whose lines scroll up from the bottom once they have
# slid in. The first line has the title's colour and is centred; the buttons' frames, of a
# like colour, are not.
click_at 528 632
wait_for 600 credits_centred || fail "the exit button did not lead to the credits"
first_top=$top
credits_higher() { credits_centred && ((top < first_top - 20)); }
wait_for 600 credits_higher || fail "the credits did not scroll up"

# A key ends the credits and with them the program.
xdotool key space
expect_exit 60 "a key did not end the credits"

# Quick start leads to the loading screen. (No log file names the command it broadcasts.)
show_first_screen tree2
xdotool key space
wait_for_golden menu main-menu 60
click_at 528 362
# The game starts loading a second after the loading screen comes: on a busy machine the picture
# it keeps through the load may be one of the screen still sliding in.
wait_for_golden loading loading-screen 60 0.2
echo "PASS"
