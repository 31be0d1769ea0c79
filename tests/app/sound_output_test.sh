#!/usr/bin/env bash
# Runs the game in a copy of the demo data tree with OpenAL Soft writing what it plays into a
# wave file, and checks that the menu music can be measured in it.
set -u
exe=$1 source=$2 build=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; cat "$dir/tree/SoundLog.txt" 2>/dev/null; exit 1; }

"$source/tools/make-data-tree.sh" "$build" "$dir/tree" || fail "making the data tree"
# A fixed sample format, so that the file can be measured while it is still being written.
printf '[general]\ndrivers=wave\nsample-type=int16\nchannels=stereo\nfrequency=44100\n[wave]\nfile=%s\n' \
  "$dir/out.wav" > "$dir/alsoft.conf"
cd "$dir/tree"
ALSOFT_CONF="$dir/alsoft.conf" ALSOFT_DRIVERS=wave SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} \
  "$exe" < /dev/null > "$dir/out.txt" 2>&1 &
pid=$!

# The samples written so far, read raw past the header (well under its first kilobyte): the
# same measure as the one below, taken while the file grows.
rms_so_far() {
  tail -c +1025 "$dir/out.wav" | sox -t raw -e signed -b 16 -c 2 -r 44100 - -n stat 2>&1 |
    awk '/RMS +amplitude/ {print $3}'
}
music_heard() {
  [ "$(stat -c %s "$dir/out.wav" 2>/dev/null || echo 0)" -gt 65536 ] &&
    awk -v r="$(rms_so_far)" 'BEGIN { exit !(r > 0.001) }'
}
for ((try = 0; try < 600; try++)); do
  music_heard && break
  kill -0 "$pid" 2>/dev/null || fail "the game ended before its music was heard"
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid" || fail "exit status $?"

[ -s "$dir/out.wav" ] || fail "no wave file written"
rms=$(sox "$dir/out.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
awk -v r="$rms" 'BEGIN { exit !(r > 0.001) }' || fail "the wave file is silent (RMS $rms)"
echo "menu music RMS $rms"
echo "1 passed, 0 failed"
