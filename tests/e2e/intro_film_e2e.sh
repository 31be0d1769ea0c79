#!/usr/bin/env bash
# With the intro film switched on in the graphics settings, the film plays in the window before
# the first screen, and its end brings the white flash that fades out over the first screen. A
# key during a long film ends it the same way.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

make_tree "$work/tree"
set_settings "$work/tree/Data/GraphicsConfig.xml" IntroVideo=true
start_game "$work/tree"

# Three seconds into the five-second film its title and subtitle have faded in; only the laser
# beam still sweeps across, and frames from then on differ from the reference in the beam's
# columns alone.
if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
  wait_until_still before-film 20
  wait_until_changed film-start before-film 20
  sleep 3.3
  shoot film
  expect_golden film film-frame
else
  wait_for_golden film film-frame 60 0.01
fi

# The film's end brings the white flash, much brighter than any screen of the game (those are
# dark), which fades out over the first screen within a second. The window is recorded until
# the first screen shows, so that the flash cannot fall between two pictures.
start_recording after-film
flash=""
deadline=$((SECONDS + 60))
for ((i = 0; SECONDS < deadline; )); do
  # A picture is whole once the next one is begun.
  [ -f "$(pic "after-film-$((i + 1))")" ] || { sleep 0.05; continue; }
  if bright "$(pic "after-film-$i")" "1024x768+0+0" 0.5; then
    flash=$i
  elif [ -n "$flash" ] || alike "$(pic "after-film-$i")" "$(golden first-screen)"; then
    break
  fi
  i=$((i + 1))
done
stop_recording
[ -n "$flash" ] || fail "the film's end did not start the white fade"
# The cursor stands elsewhere than in the reference, which costs its few pixels.
wait_until_still faded 20
alike "$(pic faded)" "$(golden first-screen)" || fail "the white fade did not end on the first screen"
stop_game

# A film of two red minutes: once it shows, a key ends it long before its end.
make_tree "$work/long"
set_settings "$work/long/Data/GraphicsConfig.xml" IntroVideo=true
ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i color=c=red:s=320x240:r=10:d=120 -c:v mpeg4 \
  "$work/long/test2.avi" || fail "could not make the long film"
start_game "$work/long"
film_shows() {
  shoot long-film "200x200+412+284"
  (($(colour_count "$(pic long-film)" "200x200+0+0" "#FF0000" 10) > 30000))
}
wait_for 600 film_shows || fail "the long film did not show"
xdotool key space
wait_for_golden skipped first-screen 60
echo "PASS"
