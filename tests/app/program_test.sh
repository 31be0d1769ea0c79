#!/usr/bin/env bash
# Starts the game in an empty writable folder with commands typed at its terminal, then stops
# it with SIGTERM, and checks what it left behind.
set -u
exe=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
mkdir Data
fail() { echo "FAIL: $*"; echo "--- output"; cat out.txt; exit 1; }

fifo=$dir/stdin
mkfifo "$fifo"
SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} "$exe" < "$fifo" > out.txt 2> err.txt &
pid=$!
exec 3> "$fifo"
printf 'listvars\ngetvar fps\nsetvar fps 30\ngetvar fps\nai false\nai\n' >&3
# Frames take one typed line each; give them time, then wait for the last answer.
for _ in $(seq 1 100); do
  grep -q "Incorrect number of parameters" out.txt 2>/dev/null && break
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid"
status=$?
exec 3>&-

[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
grep -qx ' fps  =  0' out.txt || fail "listvars/getvar fps"
grep -qx ' fps  =  30' out.txt || fail "setvar fps"
grep -qx ' AI is  false' out.txt || fail "ai false"
grep -qx 'Incorrect number of parameters' out.txt || fail "ai without its parameter"
for s in Graphics Input Physics Logic; do grep -qx " Starting $s" out.txt || fail "Starting $s"; done

expected='<?xml version="1.0" encoding="ISO-8859-1"?>
<var><bool name="RunAI">true</bool><bool name="RunGraphics">true</bool><bool name="RunPhysics">true</bool><bool name="RunLogic">true</bool><bool name="RunSound">true</bool><bool name="RunInput">true</bool><bool name="dbgTimer">false</bool><float name="dbgInterval">1</float><bool name="Widescreen">false</bool></var>'
[ "$(cat Data/EngineConfig.xml)" = "$expected" ] || fail "Data/EngineConfig.xml: $(cat Data/EngineConfig.xml)"
grep -qx 'Failed to load config. could not open file' EngineLog.txt || fail "EngineLog.txt"
echo "1 passed, 0 failed"
