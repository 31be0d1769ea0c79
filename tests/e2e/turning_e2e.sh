#!/usr/bin/env bash
# The mouse turns the view as far as it is moved, also once the pointer stands at the screen's
# edge, and the menus' cursor follows it. On the demo tree: the cursor, pinned, is moved by the
# mouse onto the quick start button, which lights; in the round, with the pointer pushed against
# the screen's right edge, the mouse moves on to the right: half a turn shows another view, a
# whole turn the view before it again, and two whole turns (720 degrees) once more.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# The game's view, below the HUD's clock, and its left side above the HUD's gadgets, left of the
# thief, of the box pickup before it and of the drop-off sign beyond: these breathe, turn and
# bob whatever the view does.
readonly scene="1024x560+0+140" side="380x380+0+0"
# The view turns by 0.004 radians per unit of mouse motion: half a turn is 785.4 units, a whole
# one 1570.8 and two 3141.6.
readonly half_turn=785 whole_turn=1571 two_turns=3141

# The share of the pixels at the view's side that differ between pic $1 and pic $2, scaled
# down to an eighth: the floor's fine pattern would make a pixel's shift count.
share_differing() {
  local picture
  for picture in "$1" "$2"; do
    convert "$(pic "$picture")" -crop "$side" +repage -scale 12.5% "$(pic "$picture.side")" || fail "could not crop"
  done
  awk -v n="$(pixels_differing "$(pic "$1.side")" "$(pic "$2.side")")" \
    -v all="$(identify -format '%[fx:w*h]' "$(pic "$1.side")")" 'BEGIN { print n / all }'
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
# Takes pictures of the view as pic $1 until two in a row, five frames apart, differ in less than a
# hundredth of their side's pixels: the camera has followed the thief's turn.
settled() {
  local deadline=$((SECONDS + 60))
  shoot "$1.before" "$scene"
  while ((SECONDS < deadline)); do
    frames_pass 5
    shoot "$1" "$scene"
    below "$(share_differing "$1.before" "$1")" 0.01 && return 0
    mv "$(pic "$1")" "$(pic "$1.before")"
  done
  fail "the view kept turning for a minute"
}
# Takes pictures of the view as pic $1 until it differs from pic start in more ($2 = more) or
# less ($2 = less) than the share $3 of its pixels, for at most a minute.
view_comes() {
  local deadline=$((SECONDS + 60)) share
  while ((SECONDS < deadline)); do
    shoot "$1" "$scene"
    share=$(share_differing "$1" start)
    echo "$1: $share of the view differs from the first" >>"$work/shares.txt"
    if [ "$2" = more ]; then below "$3" "$share" && return 0; else below "$share" "$3" && return 0; fi
    sleep 0.3
  done
  return 1
}
# Moves the mouse $1 units to the right in steps, as a hand does.
turn_right() {
  local left=$1 step
  while ((left > 0)); do
    step=$((left < 100 ? left : 100))
    xdotool mousemove_relative -- "$step" 0
    left=$((left - step))
  done
}

# Without guards and computer thieves, who would walk through the views compared.
make_tree_without_agents "$work/tree"
start_game "$work/tree"
place_cursor 900 700
wait_until_still first 20
xdotool key space
wait_for_golden menu main-menu 60
# The mouse moves the cursor from (900, 700) onto the quick start button.
xdotool mousemove_relative --sync -- -372 -338
wait_for_golden lit quick-start-lit 60 0.002 "256x130+400+264"
xdotool click 1
# The pointer goes against the screen's right edge, far right of the game's window, before the
# round begins.
xdotool mousemove --sync $((screen_width - 1)) 400
wait_for_golden loading loading-screen 60 0.2
wait_until_changed flight loading 60 0.2
end_fly_through

settled start
turn_right $half_turn
view_comes half more 0.3 || fail "half a turn to the right past the screen's edge did not turn the view"
turn_right $((whole_turn - half_turn))
view_comes whole less 0.05 || fail "a whole turn did not bring the view back"
turn_right $two_turns
view_comes twice less 0.05 || fail "two whole turns (720 degrees) did not bring the view back"
[ "$(xdotool getmouselocation --shell | sed -n 's/^X=//p')" = $((screen_width - 1)) ] ||
  fail "the pointer did not stay at the screen's edge"

# The demo tree names every list the round reads: nothing was missing.
grep -h "Failed to load config" ./*.txt && fail "a list of the demo tree is missing"
cat "$work/shares.txt"
echo "PASS"
