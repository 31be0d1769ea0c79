#!/usr/bin/env bash
# Starts the game in an empty writable folder (no "Data/" either) with commands typed at its
# terminal, then stops it with SIGTERM, and checks what it left behind: the settings written
# back in their documented shapes, the content it only reads named as missing and not written.
# Usage: program_test.sh PROGRAM DEMO_DATA_TREE
set -u
exe=$1
demo=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
fail() { echo "FAIL: $*"; echo "--- output"; cat out.txt; exit 1; }

# Waits up to ten seconds for a line in a file.
wait_for() {
  for _ in $(seq 1 100); do
    grep -qx -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

fifo=$dir/stdin
mkfifo "$fifo"
SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} "$exe" < "$fifo" > out.txt 2> err.txt &
pid=$!
exec 3> "$fifo"
printf 'listvars\ngetvar fps\nsetvar fps 30\ngetvar fps\nai false\nai\n' >&3
# Frames take one typed line each; wait for the last answer.
wait_for out.txt "Incorrect number of parameters"
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

# The settings records come back with their defaults, which the demo tree also holds.
for f in EngineConfig InputConfig Controls Transition; do
  cmp -s "Data/$f.xml" "$demo/Data/$f.xml" || fail "Data/$f.xml: $(cat "Data/$f.xml" 2>&1)"
done
expected='<?xml version="1.0" encoding="ISO-8859-1"?>
<var><bool name="IntroVideo">false</bool><bool name="FullScreen">false</bool><bool name="Wireframe">false</bool><bool name="VSync">false</bool><bool name="ShaderDebug">false</bool><bool name="DrawMap">true</bool><bool name="Lightmaps">true</bool><bool name="PostProcess">true</bool><float name="CameraFollowDist">100</float><float name="CameraSpeed">300</float><var name="Ambient"><float name="0">0.4</float><float name="1">0.4</float><float name="2">0.4</float><float name="3">1</float></var><var name="AlarmColor"><float name="0">1</float><float name="1">0</float><float name="2">0</float><float name="3">1</float></var><string name="DefaultTexture"></string></var>'
[ "$(cat Data/GraphicsConfig.xml)" = "$expected" ] || fail "Data/GraphicsConfig.xml: $(cat Data/GraphicsConfig.xml)"
for f in PhysicsConfig SoundConfig; do [ -s "Data/$f.xml" ] || fail "Data/$f.xml not written"; done
grep -qx 'Failed to load config. Data/EngineConfig.xml: could not open file' EngineLog.txt || fail "EngineLog.txt"

# Lists of content are named as missing on every start and never replaced by empty ones.
lists="GUIList Shaders FontList MeshInfo TextureInfo MapChangeInfo TextureSwapInfo"
for f in $lists; do
  [ -e "Data/$f.xml" ] && fail "Data/$f.xml written back"
  grep -qx "Failed to load config. Data/$f.xml: could not open file" GraphicsLog.txt || fail "GraphicsLog.txt: $f"
done
# Each start writes its logs afresh.
rm GraphicsLog.txt
SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen} "$exe" < /dev/null > out.txt 2> err.txt &
pid=$!
wait_for GraphicsLog.txt "Failed to load config. Data/GUIList.xml: could not open file" ||
  { kill -TERM "$pid"; fail "the second start does not name Data/GUIList.xml"; }
kill -TERM "$pid"
wait "$pid"
[ -e Data/GUIList.xml ] && fail "Data/GUIList.xml written back on the second start"
echo "1 passed, 0 failed"
