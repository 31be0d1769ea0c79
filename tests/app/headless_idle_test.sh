#!/usr/bin/env bash
# The game left idle at its first screen without a display keeps to the memory of the same start
# on a display of its own, and a SIGTERM then ends it at once. Where the present shows nothing,
# nothing else stops the software driver from queuing frames faster than it draws them: memory
# climbed by gigabytes, and a stop waited for the backlog to be drawn.
# Usage: headless_idle_test.sh PROGRAM BUILD_DIR
source "$(dirname "$0")/../e2e/lib.sh"
e2e_setup "$@"

# How long the game idles before its memory is read: the time is the input.
readonly idle_seconds=10
# How far a start without a display may stand above the same start on one, in halves.
readonly most_halves=3
readonly longest_stop_ms=2000

# Starts the game on the video driver $1 in a fresh demo tree, lets it idle at its first screen
# and sets `rss_kb` to its resident memory then.
idle_at_first_screen() {
  make_tree "$work/$1"
  run_in "$work/$1" "$1" "$app"
  until_started
  # An answer at the terminal shows the first screen's frames running.
  frames_pass 1
  sleep "$idle_seconds"
  rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status")
  [ -n "$rss_kb" ] || fail "no resident memory read on $1"
}

# SIGTERM, and the time until the game has ended, from the signal to its exit; it must end
# cleanly, as its quit message ends it.
stop_promptly() {
  local sent status ms
  sent=$EPOCHREALTIME
  kill -TERM "$app_pid"
  wait "$app_pid"
  status=$?
  ms=$(awk -v from="$sent" -v to="$EPOCHREALTIME" 'BEGIN { printf "%d", (to - from) * 1000 }')
  app_pid=""
  exec 3>&-
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM on $1"
  ((ms <= longest_stop_ms)) || fail "on $1 the game took $ms ms to end after SIGTERM"
  echo "$1: ${rss_kb} kB after ${idle_seconds} s idle, ended $ms ms after SIGTERM"
}

idle_at_first_screen x11
stop_promptly x11
windowed_kb=$rss_kb

idle_at_first_screen offscreen
((rss_kb * 2 <= windowed_kb * most_halves)) ||
  fail "without a display the game holds $rss_kb kB, on a display $windowed_kb kB"
stop_promptly offscreen
echo "1 passed, 0 failed"
