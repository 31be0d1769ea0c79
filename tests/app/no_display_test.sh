#!/usr/bin/env bash
# Without a display the game says so in the words it always used, adds what the windowing
# system answered, closes its sound device and exits 1: once with no display named, once with
# one named where no X server listens.
set -u
exe=$(realpath "$1")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
mkdir Data
fail() { echo "FAIL: $*"; echo "--- errors"; cat err.txt; exit 1; }

# A display number no X server here answers to.
n=150
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

run() {
  env -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=2 "$@" "$exe" < /dev/null > out.txt 2> err.txt
  status=$?
  [ "$status" -eq 1 ] || fail "exit status $status"
  grep -qx 'Fatal error!: Error creating Direct3D Device - check your video card drivers!' err.txt ||
    fail "the fatal error line"
  ! grep -q 'device not closed' err.txt || fail "the sound device was left open"
}

run env -u DISPLAY
grep -q '^no display is named (DISPLAY is not set): ' err.txt || fail "the missing display's reason"
run env DISPLAY=:$n
grep -q "^the display \":$n\" refused the connection: " err.txt || fail "the refused display's reason"
echo "1 passed, 0 failed"
