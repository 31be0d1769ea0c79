#!/usr/bin/env bash
# The developer keys as a developer uses them on the demo tree with "devControls" on. In the
# main menu: V shows the variable panel and a click on its first line (the bool "AI_Chase")
# switches it; T shows the timers; Print Screen writes the window as a 1024 x 768 PNG; I twice
# switches the camera-path editor on and off. In a round, with the thief's view turned down to
# the floor: I switches the editor on, W flies its camera; P fires spheres from the thief's view
# that come to rest on the floor in the physics debug view; F7 clears the lobby's path, Space
# adds three nodes side by side, F3 saves them under "Maps/lobby.bsp", F4 and F5 fly and stop
# the path, F8 shows them as three spheres and their links; I switches back; F starts the dust;
# 9 returns to the main menu. The next run's first game, from the main menu, flies the saved
# path.
source "$(dirname "$0")/lib.sh"
e2e_setup "$@"

# The variable panel's column and the timers' column.
readonly variables="170x200+850+100" timers="190x200+650+100"
# A round's view below the HUD's clock; the band across its middle, where things straight
# ahead of the camera show; its centre.
readonly view="1024x638+0+130" middle="1024x80+0+344" centre="512x320+256+300"

dev_settings() { set_settings "$1/Data/LogicConfig.xml" devControls=true skipMenus="$2" difficulty=1; }

# Presses the key $1 until the part $3 of the window no longer looks as it did ($2 names the
# picture); a key sent before the game has seen its window gain the focus is not heard.
press_until_changed() {
  local try
  shoot "$2" "$3"
  for ((try = 0; try < 10; try++)); do
    xdotool key "$1"
    frames_pass
    shoot "$2.after" "$3"
    alike "$(pic "$2")" "$(pic "$2.after")" 0 || return 0
  done
  fail "the key $1 did not change the window"
}

# Presses I and waits for the line it prints: "InterpEdit Mode " and $1.
toggle_editor() {
  local line="InterpEdit Mode $1" before
  before=$(lines_with "$line")
  xdotool key i
  wait_for 300 more_lines_with "$line" "$before" || fail "I did not print $line"
}

# Whether the picture files $1 and $2 look alike from afar, shrunk to 32 x 20: no more than the
# share $3 of those squares differ by more than 12 percent.
alike_from_afar() {
  convert "$1" -scale '32x20!' "$work/afar-1.ppm" && convert "$2" -scale '32x20!' "$work/afar-2.ppm" &&
    alike "$work/afar-1.ppm" "$work/afar-2.ppm" "$3" 12
}

# Flies the editor's camera with the key $1 held a tenth of a second at a time, until the
# command that follows succeeds, for at most 60 s: the camera goes little further than needed.
fly_until() {
  local key=$1 deadline=$((SECONDS + 60))
  shift
  while ((SECONDS < deadline)); do
    hold "$key" 0.1
    frames_pass
    "$@" && return 0
  done
  fail "the key $key did not fly the editor's camera"
}

# Whether the window's part $3 has changed from pic $1 by more than the share $2, seen from afar.
moved_from() {
  shoot moving "$3"
  ! alike_from_afar "$(pic "$1")" "$(pic moving)" "$2"
}

# The spheres in the band across the window's middle in pic $1, one a line as WxH+X+Y within
# that band: round blobs of grey to white (the debug spheres are lit so; each is one blob once
# its shading bands are closed up, filling about three quarters of its box). Lines, blue or
# green, and squares are no such blobs.
spheres_in() {
  convert "$(pic "$1")" -crop "$middle" +repage -fuzz 30% -fill white -opaque "#C0C0C0" -fuzz 0 \
    -fill black +opaque white -morphology Close Disk:8 -define connected-components:verbose=true \
    -define connected-components:area-threshold=20 -connected-components 8 null: |
    awk '$NF == "srgb(255,255,255)" { split($2, box, /[x+]/); w = box[1]; h = box[2]
                  if (w - h <= 3 && h - w <= 3 && $4 >= 0.6 * w * h && $4 <= 0.9 * w * h) print $2 }'
}

# Whether each sphere in pic $1 looks like golden/camera-path-node.png: the sphere's box scaled
# to the reference's 32 x 32, whatever its distance. Its outline and shading bands fall a little
# differently at each place in the view, so the two are compared at 8 x 8 (share $2 of those
# squares differing by more than 20 percent).
spheres_look_right() {
  local box i=0
  convert "$(pic "$1")" -crop "$middle" +repage "$(pic "$1.band")"
  convert "$(golden camera-path-node)" -resize '8x8!' "$(pic reference-8)"
  while read -r box; do
    i=$((i + 1))
    convert "$(pic "$1.band")" -crop "$box" +repage -resize '32x32!' "$(pic "$1.sphere-$i")"
    convert "$(pic "$1.sphere-$i")" -resize '8x8!' "$(pic "$1.sphere-$i-8")"
    if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
      # The middle one, seen straight on.
      if ((i == 2)); then expect_golden "$1.sphere-$i" camera-path-node; fi
    elif ! alike "$(pic "$1.sphere-$i-8")" "$(pic reference-8)" "$2" 20; then
      keep_mismatch "$1.sphere-$i" camera-path-node
      return 1
    fi
  done < <(spheres_in "$1")
}

# The number of pixels in the part GEOMETRY ($2) of a picture file $1 that are plainly green, as
# the physics debug view tints the bodies it draws.
green_count() {
  convert "$1" -crop "$2" +repage -color-matrix '-1 1 0  0 1 -1  0 0 0' -channel R -threshold 10% \
    -channel G -threshold 10% +channel -separate -delete 2 -evaluate-sequence min \
    -format '%[fx:round(mean * w * h)]' info: 2>/dev/null
}

make_tree "$work/menu"
without_agents "$work/menu"
dev_settings "$work/menu" false
# The timers are the profiler's sections, measured only when the engine settings ask.
set_settings "$work/menu/Data/EngineConfig.xml" dbgTimer=true
start_game "$work/menu"
place_cursor 900 700
wait_until_still first 20
xdotool key space
wait_for_golden menu main-menu 60

press_until_changed v panel "$variables"
press_until_changed t timers "$timers"
click_at 860 108
frames_pass
[ "$(value_of AI_Chase)" = true ] || fail "a click on its line did not switch AI_Chase on"

# The screenshot is the window's picture.
shoot window
xdotool key Print
shot_written() { compgen -G "$work/menu/Vaultrunner *.png" >/dev/null; }
wait_for 100 shot_written || fail "Print Screen wrote no file"
shot=$(compgen -G "$work/menu/Vaultrunner *.png" | head -n 1)
[ "$(identify -format '%wx%h' "$shot")" = 1024x768 ] || fail "the screenshot is not 1024 x 768"
alike "$shot" "$(pic window)" 0.02 || fail "the screenshot does not show the window"

xdotool key i
wait_for 300 has_printed "InterpEdit Mode Activated" || fail "I did not switch the editor on"
xdotool key i
wait_for 300 has_printed "InterpEdit Mode Deactivated" || fail "I did not switch the editor off"
frames_pass 10
stop_game

make_tree "$work/round"
without_agents "$work/round"
dev_settings "$work/round" true
# The signs the HUD shows over the drop-offs and the teleports are made clear in this tree: their
# white letters and borders pass for spheres, and one may hide a node, where a sign stands near
# the path. How near depends on how far each held key flew the camera.
for sign in dropoff tolobby togallery tovault; do
  convert -size 256x64 xc:none "PNG32:$work/round/textures/gui/$sign.png" || fail "could not clear the sign $sign"
done
start_game "$work/round"
# I during the lobby's fly-through only ends it (as any key does); the next I switches the
# editor on.
switched_on() {
  xdotool key i
  frames_pass
  has_printed "InterpEdit Mode Activated"
}
wait_for 40 switched_on || fail "I did not switch the editor on in a round"
shoot still
hold w 0.6
frames_pass
shoot flown
alike "$(pic still)" "$(pic flown)" 0.01 && fail "W did not fly the editor's camera"

# The thief's view turned down to the floor before it (the mouse turns it while the left button
# is held), with the models hidden: the box pickup there turns and would never look the same
# twice. The editor, on again, starts from that view.
toggle_editor Deactivated
xdotool mousedown 1
for step in $(seq 15); do xdotool mousemove_relative -- 0 20; frames_pass; done
frames_pass 20
xdotool mouseup 1
set_var "Show Models" false
toggle_editor Activated
frames_pass
shoot thief-view "$centre"

# The path leads from the thief's view of the floor up to the cloakroom's walls, and sideways:
# views that the lobby's own path never shows. The plain floor looks alike from one place to the
# next, so the later nodes see the walls, each a fair way on from the one before.
xdotool key F7
xdotool key space
frames_pass
for step in $(seq 15); do xdotool mousemove_relative -- -27 -20; frames_pass; done
frames_pass 10
hold d 0.3
frames_pass
xdotool key space
frames_pass
hold d 0.3
frames_pass
xdotool key space
frames_pass
# The mouse turned the thief's view with the editor's camera: back to the floor.
for step in $(seq 15); do xdotool mousemove_relative -- 27 20; frames_pass; done
frames_pass 10
xdotool key F3
lobby_nodes() {
  python3 - "$work/round/Data/InterpNodes.xml" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
m = re.search(r"<pair><string>Maps/lobby.bsp</string><list>(.*?)</list></pair>", text)
print(len(re.findall(r'<var name="pos">', m.group(1))) if m else -1)
PY
}
wait_for 300 test "$(lobby_nodes)" = 3 || fail "F3 did not save three nodes under Maps/lobby.bsp (found $(lobby_nodes))"
# E from none selects the first node, then the next, and puts the camera where it is.
for node in 1 2 3; do
  xdotool key e
  frames_pass
  shoot "node-$node" "$centre"
done
xdotool key r
# F4 flies the camera along the path, from its first node; F5 stops it.
frames_pass
shoot path-saved
xdotool key F4
wait_until_changed flying path-saved 60 0.01
xdotool key F5

# Seen from behind the middle node, with the map hidden too, F8 shows the three nodes as three
# spheres joined by blue links; F8 again shows neither.
xdotool key e
xdotool key e
xdotool key r
xdotool key F8
set_var "Show Map" false
three_spheres() {
  shoot shapes
  (($(spheres_in shapes | wc -l) == 3))
}
fly_until s three_spheres
# A sphere at the picture's edge is seen from the side and differs in up to a third of those squares;
# a flat grey patch differs in about half, black or white in four fifths.
spheres_look_right shapes 0.4 || fail "the path's nodes do not look like golden/camera-path-node.png; see $out"
(($(blue_count "$(pic shapes)" "$middle") > 20)) || fail "no blue links between the path's nodes"
xdotool key F8
frames_pass
shoot no-shapes
(($(spheres_in no-shapes | wc -l) == 0)) || fail "the spheres still showed after F8"
(($(blue_count "$(pic no-shapes)" "$middle") == 0)) || fail "the links still showed after F8"
set_var "Show Map" true

# P fires spheres from the thief's view, whichever camera is showing: seen from the editor's
# camera further back, they come to rest on the floor, and the physics debug view ("Draw
# Physics") draws them among the world's wireframe.
toggle_editor Deactivated
toggle_editor Activated
fly_until s moved_from thief-view 0.3 "$centre"
set_var "Draw Physics" true
frames_pass
shoot physics-before "$view"
set_var "Draw Physics" false
wait_until_still view-before 120 "$view"
for sphere in 1 2 3; do
  xdotool key p
  frames_pass 5
done
wait_until_still view-after 120 "$view"
(($(pixels_differing "$(pic view-before)" "$(pic view-after)") > 40)) || fail "no sphere came to rest on the floor"
# Where the spheres came to rest, the physics debug view draws them in green lines: there its
# picture has gained green beside the one taken before they were fired.
set_var "Draw Physics" true
frames_pass
shoot physics-after "$view"
set_var "Draw Physics" false
gained=0
while read -r box; do
  gained=$((gained + $(green_count "$(pic physics-after)" "$box") - $(green_count "$(pic physics-before)" "$box")))
done < <(compare -fuzz 8% "$(pic view-before)" "$(pic view-after)" -compose Src -highlight-color white \
  -lowlight-color black miff:- 2>/dev/null | convert - -morphology Close Disk:3 \
  -define connected-components:verbose=true -define connected-components:area-threshold=40 \
  -connected-components 8 null: | awk '$NF ~ /^srgba?\(255,255,255/ { print $2 }')
((gained > 100)) || fail "the physics debug view does not show the spheres where they came to rest"

set_var "Show Models" true
toggle_editor Deactivated
xdotool key f
frames_pass 10
xdotool key 9
wait_for_golden back main-menu 60

# The next run's first game, started from the main menu, flies the saved path, the models
# hidden again: on the way the lobby shows as seen from its second or third node, where the
# thief's view does not. The window is recorded from before the quick start until the view
# stands still after the flight; then the pictures are looked at from afar.
stop_game
dev_settings "$work/round" false
start_game "$work/round"
set_var "Show Models" false
place_cursor 900 700
wait_until_still first-again 20
xdotool key space
wait_for_golden menu-again main-menu 60
start_recording flight "$centre" 32x20
click_at 528 362
wait_for_golden loading loading-screen 60 0.2
wait_until_changed flying loading 60 0.2
# Still: the same picture again after some frames, and not the black the round opens with
# before its first frame is drawn.
landed() {
  shoot landed "$centre"
  frames_pass 5
  shoot landed-after "$centre"
  [ "$(pixels_differing "$(pic landed)" "$(pic landed-after)" 0)" = 0 ] &&
    (($(convert "$(pic landed)" -format '%[fx:int(mean * 1000)]' info:) > 20))
}
wait_for 600 landed || fail "the view did not stand still after the flight"
stop_recording
for node in thief-view node-2 node-3; do convert "$(pic "$node")" -scale '32x20!' "$(pic "$node-afar")"; done
# Whether pic $1 shrunk to 32 x 20 is like the recorded picture $2: no more than 76 of the 640
# squares (12 percent) differ by more than 12 percent.
afar_like() { (($(pixels_differing "$(pic "$1-afar")" "$(pic "$2")" 12) <= 76)); }
flown=""
for frame in $(recorded flight); do
  if ! afar_like thief-view "$frame" && { afar_like node-2 "$frame" || afar_like node-3 "$frame"; }; then
    flown=$frame
    break
  fi
done
[ -n "$flown" ] || fail "the first game did not fly the saved path"
echo "PASS"
