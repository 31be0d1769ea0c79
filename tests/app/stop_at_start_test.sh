#!/usr/bin/env bash
# SIGTERM at moments spread over start-up, from the first file the game writes to the last of
# the settings it writes back into an empty folder: each time the game finishes what it was
# writing and exits 0, leaving no temporary file and every settings file whole.
set -u
exe=$(realpath "$1")
dir=""
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; echo "--- output"; cat "$dir/out.txt" "$dir/err.txt"; exit 1; }

files_written() { find "$dir" -type f ! -name out.txt ! -name err.txt ! -name stdin | wc -l; }

for moment in 1 3 5 8 11; do
  rm -rf "$dir"
  dir=$(mktemp -d)
  mkdir "$dir/Data"
  mkfifo "$dir/stdin"
  (cd "$dir" && exec env SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} "$exe" < stdin > out.txt 2> err.txt) &
  pid=$!
  exec 3> "$dir/stdin"
  while [ "$(files_written)" -lt "$moment" ] && kill -0 "$pid" 2>/dev/null; do sleep 0.001; done
  kill -TERM "$pid"
  wait "$pid"
  status=$?
  exec 3>&-
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM once $moment files were written"
  leftovers=$(find "$dir" -name '*.tmp')
  [ -z "$leftovers" ] || fail "temporary files left: $leftovers"
  for f in "$dir"/Data/*.xml; do
    tail -c 20 "$f" | grep -q '>' || fail "$f is not whole"
  done
done
echo "1 passed, 0 failed"
