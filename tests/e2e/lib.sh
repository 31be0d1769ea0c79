# Shared by the end-to-end scripts: a virtual X display of its own, the game started in a data
# folder and driven with xdotool, its printed lines and log files, and screenshots of its window
# compared with the reference pictures in golden/.
#
# A script sources this file and calls `e2e_setup "$@"`; its arguments are the program (or the
# test program) to run and the build folder, whose generated data makes the demo tree and
# beside which failed comparisons are kept (e2e-out/<script>/).
#
# The scripts wait for the program only on what it shows or says: a picture, a printed line, a
# console variable asked at its terminal, or a number of its frames run (frames_pass), each with
# a limit meant for a machine whose every core is busy. A fixed sleep is kept only where the
# time is the input itself, as a key held down. Pictures that last a few frames are caught by
# recording the window (start_recording), not by one screenshot.
#
# E2E_UPDATE_GOLDEN=1 writes the pictures taken as the new references instead of comparing.

set -u
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_root=$(cd "$e2e_dir/../.." && pwd)
e2e_name=$(basename "$0" .sh)
work=""
xvfb_pid=""
app_pid=""
recorder_pid=""
window=""

# The whole 1024 x 768 window fits on this screen, so screenshots are never cut off.
readonly screen_width=1280 screen_height=1024

e2e_setup() {
  app=$(realpath "${1:?usage: $e2e_name.sh PROGRAM BUILD_DIR}")
  build=$(realpath "${2:?usage: $e2e_name.sh PROGRAM BUILD_DIR}")
  work=$(mktemp -d)
  out="$build/e2e-out/$e2e_name"
  rm -rf "$out"
  trap cleanup EXIT
  start_xvfb
}

# Ends a process: politely, then for good after two seconds.
stop() {
  [ -n "$1" ] || return 0
  local i
  kill "$1" 2>/dev/null
  for ((i = 0; i < 20; i++)); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

cleanup() {
  stop "$recorder_pid"
  stop "$app_pid"
  stop "$xvfb_pid"
  [ -n "$work" ] && rm -rf "$work"
}

# Reports the failure with what the program printed, and keeps the pictures taken so far
# beside the build folder.
fail() {
  echo "FAIL: $*" >&2
  echo "--- program output ---" >&2
  cat "$work/out.txt" >&2 2>/dev/null
  mkdir -p "$out"
  cp "$work"/*.ppm "$work"/*.txt "$work"/*.log "$out/" 2>/dev/null
  exit 1
}

# Waits up to $1 tenths of a second for the command that follows to succeed.
wait_for() {
  local tries=$1 try
  shift
  for ((try = 0; try < tries; try++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A display of its own, so that runs in parallel never share one: Xvfb on a number picked at
# random, which it writes out once it listens there; where another server listens it ends at
# once, and the next number is tried. (Letting Xvfb pick the first free number is not enough:
# where another server's lock file is gone, it takes that server's number and hangs.)
start_xvfb() {
  local display attempt
  display=$((100 + RANDOM % 800))
  for ((attempt = 0; attempt < 20; attempt++, display++)); do
    rm -f "$work/display.txt"
    Xvfb ":$display" -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
      3>"$work/display.txt" >"$work/xvfb.txt" 2>&1 &
    xvfb_pid=$!
    wait_for 100 listens_or_ended
    if grep -qs '[0-9]' "$work/display.txt"; then
      export DISPLAY=":$display"
      return 0
    fi
    stop "$xvfb_pid"
  done
  fail "Xvfb did not start"
}
listens_or_ended() { grep -qs '[0-9]' "$work/display.txt" || ! kill -0 "$xvfb_pid" 2>/dev/null; }

# A fresh copy of the demo museum's data tree in the folder $1.
make_tree() {
  "$e2e_root/tools/make-data-tree.sh" "$build" "$1" || fail "could not make the data tree"
}

# As make_tree, but its rounds have no guards and no computer thieves (see without_agents).
make_tree_without_agents() {
  make_tree "$1"
  without_agents "$1"
}

# Starts a program (the game unless $2 names another) in the folder $1, made fresh unless it
# exists: the game reads and writes its data there. Then focuses its window. The program reads
# console commands from its terminal, here a pipe the script holds open on descriptor 3.
launch() {
  run_in "$1" x11 "${2:-$app}"
  window=$(timeout 20 xdotool search --sync --name "Vaultrunner!" | head -n 1)
  [ -n "$window" ] || fail "no window"
  xdotool windowfocus --sync "$window" || fail "could not focus the window"
}

# Starts the program $3 in the folder $1, made fresh unless it exists, on SDL's video driver $2
# (x11 for the display of its own, offscreen for none), with its terminal a pipe the script
# holds open on descriptor 3.
run_in() {
  mkdir -p "$1/Data"
  cd "$1" || fail "no folder $1"
  exec 3>&-
  rm -f "$work/terminal"
  mkfifo "$work/terminal" || fail "no pipe for the terminal"
  SDL_VIDEODRIVER=$2 ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
    "$3" >"$work/out.txt" 2>&1 <"$work/terminal" &
  app_pid=$!
  exec 3>"$work/terminal"
}

# Starts the game in the data folder $1 and waits until every system has started.
start_game() {
  launch "$1"
  until_started
}
until_started() { wait_for 300 has_printed "Starting Logic" || fail "the game did not start"; }

stop_game() {
  stop "$app_pid"
  app_pid=""
  exec 3>&-
}

# Waits up to $1 seconds for the program to end by itself (failing with $2 otherwise), and
# checks that it ended cleanly.
expect_exit() {
  wait_for $(($1 * 10)) has_ended || fail "$2"
  wait "$app_pid" || fail "the program did not end cleanly"
  app_pid=""
  exec 3>&-
}
has_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# Lines the program prints, with the colour codes of the terminal taken out.
printed() { sed 's/\x1b\[[0-9;]*m//g' "$work/out.txt"; }
has_printed() { printed | grep -qF -- "$1"; }
lines_with() { printed | grep -cF -- "$1"; }

# Types a line at the program's terminal. It takes one such line a frame, as it takes a line
# typed at the in-game console, without opening the console.
type_at_terminal() { printf '%s\n' "$1" >&3 || fail "the program's terminal is closed"; }

# The value of the console variable $1, asked at the terminal; fails after $2 seconds (30 by
# default) without an answer.
value_of() {
  local line=" $1  =  " before
  before=$(lines_with "$line")
  type_at_terminal "getvar \"$1\""
  wait_for $((${2:-30} * 10)) more_lines_with "$line" "$before" || fail "no answer to getvar $1"
  printed | grep -F -- "$line" | tail -n 1 | awk -v sep="$line" '{ print substr($0, index($0, sep) + length(sep)) }' |
    sed 's/[[:space:]]*$//'
}
more_lines_with() { (($(lines_with "$1") > $2)); }

# Sets the console variable $1 to $2 at the terminal and waits until it reads so.
set_var() {
  local deadline=$((SECONDS + 30))
  type_at_terminal "setvar \"$1\" $2"
  while ((SECONDS < deadline)); do
    [ "$(value_of "$1")" = "$2" ] && return 0
  done
  fail "$1 did not come to read $2 (it reads $(value_of "$1"))"
}

# Waits up to $3 seconds for the console variable $1 to read $2.
wait_for_value() {
  local deadline=$((SECONDS + $3))
  while ((SECONDS < deadline)); do
    [ "$(value_of "$1")" = "$2" ] && return 0
  done
  return 1
}
expect_value() { wait_for_value "$1" "$2" "${4:-30}" || fail "$1 did not come to read $2 $3 (it reads $(value_of "$1"))"; }

# Waits until the program has run $1 more frames (2 by default): each line typed at the
# terminal takes a frame, and its answer shows the frame has run. What was sent to the window
# before, a key or the pointer's motion, has then been taken in, and what it brings is drawn.
frames_pass() {
  local n=${1:-2} before i
  before=$(lines_with " fps  =  ")
  for ((i = 0; i < n; i++)); do type_at_terminal "getvar fps"; done
  wait_for 600 answered_or_ended " fps  =  " $((before + n - 1))
  has_ended && fail "the program ended"
  more_lines_with " fps  =  " $((before + n - 1)) || fail "the program stopped running frames"
}
answered_or_ended() { more_lines_with "$@" || has_ended; }

# Types a console command (Enter opens the command line, Enter runs it) and waits for the line
# it prints. The keys after the text, if any, are pressed before the final Enter.
console_command() {
  xdotool key Return
  xdotool type --delay 30 "$1"
  [ -n "${3:-}" ] && xdotool key "$3"
  xdotool key Return
  wait_for 300 has_printed "$2"
}

# The console's top line, in the window's top-left corner: the HUD draws nothing there (a little
# lower, its alert sign changes colour while a guard chases the thief).
readonly console_top="300x24+0+0"

# Opens the in-game console with the grave key and waits for its lines to show.
open_console() {
  shoot closed-corner "$console_top"
  give_until "key grave" console_shows || fail "the grave key did not open the console"
}
console_shows() {
  shoot open-corner "$console_top"
  ! alike "$(pic open-corner)" "$(pic closed-corner)"
}
# Whether the console variable $1, asked at the terminal, reads $2.
reads() { [ "$(value_of "$1")" = "$2" ]; }

# Closes the in-game console with the grave key and waits until its corner has changed.
close_console() {
  shoot open-corner "$console_top"
  xdotool key grave
  wait_until_changed closing-corner open-corner 30 0.002 "$console_top"
}

# The game draws its own cursor and moves it by the pointer's relative motion from where it
# starts, so the X pointer and that cursor differ by an unknown offset. Going to the window's
# far corner and then to its origin pins the cursor against its clamp at (0, 0): from then on
# `point x y` puts it at (x, y). Motion that comes before the game has seen its window gain the
# focus is not heard, so the cursor is looked for where it should be, and pinned again if it is
# not there. Over a round, where no cursor shows, $3 names another check (a lit button).
place_cursor() {
  local deadline=$((SECONDS + 60))
  while ((SECONDS < deadline)); do
    pin_cursor
    point "$1" "$2"
    frames_pass
    "${3:-cursor_at}" "$1" "$2" && return 0
  done
  fail "the cursor did not come to ($1, $2)"
}
pin_cursor() {
  xdotool mousemove --sync 1023 767
  frames_pass
  xdotool mousemove --sync 0 0
  frames_pass
}
point() { xdotool mousemove --sync "$1" "$2"; }

# Moves the pointer to (x, y), lets the game take the motion in and clicks the left button: the
# click lands where it was aimed, not where the cursor stood in the frame before.
click_at() {
  point "$1" "$2"
  frames_pass
  xdotool click 1
}

# The cursor's point is its top-left pixel: white below it, background left of it and above it.
cursor_at() {
  shoot cursor
  local x=$1 y=$2
  bright "$(pic cursor)" "4x4+$x+$((y + 4))" 0.95 &&
    ! bright "$(pic cursor)" "1x4+$((x - 1))+$((y + 4))" 0.5 &&
    ! bright "$(pic cursor)" "4x1+$x+$((y - 1))" 0.5
}
# Whether the part GEOMETRY of a picture file is brighter on average than $3 (0 to 1).
bright() {
  convert "$1" -crop "$2" +repage -colorspace Gray -format '%[fx:mean]' info: |
    awk -v limit="$3" '{ exit !($1 > limit) }'
}

# Pictures are kept in a raw format under $work, by name: PNG compression would take longer
# than a frame.
pic() { echo "$work/$1.ppm"; }

# Takes a picture of the window, or of its part $2 (WxH+X+Y), as pic $1. A part is quicker. On a
# busy machine a grab may stall or fail now and then: it is tried three times.
shoot() {
  local try
  for ((try = 0; try < 3; try++)); do
    timeout 60 import -silent -window "$window" ${2:+-crop "$2"} -depth 8 "$(pic "$1")" 2>/dev/null && return 0
    has_ended && fail "the program ended"
  done
  fail "no screenshot of the window"
}

# crop NAME GEOMETRY PART: the part GEOMETRY (WxH+X+Y) of pic NAME as pic PART.
crop() {
  convert "$(pic "$1")" -crop "$2" +repage "$(pic "$3")" || fail "could not crop $1"
}

# How many pixels of two picture files differ by more than $3 percent of the colour range.
pixels_differing() {
  compare -metric AE -fuzz "${3:-8}%" "$1" "$2" null: 2>&1 | sed 's/ .*//'
}

# Whether two picture files are alike: no more than the share $3 of their pixels (a fraction,
# 0.002 by default) differ by more than $4 percent (8 by default). Pictures of other sizes
# differ.
alike() {
  local size_a size_b n
  size_a=$(identify -format '%wx%h' "$1" 2>/dev/null) || return 1
  size_b=$(identify -format '%wx%h' "$2" 2>/dev/null) || return 1
  [ "$size_a" = "$size_b" ] || return 1
  n=$(pixels_differing "$1" "$2" "${4:-8}")
  [[ "$n" =~ ^[0-9]+$ ]] || return 1
  awk -v n="$n" -v t="$((${size_a%x*} * ${size_a#*x}))" -v s="${3:-0.002}" 'BEGIN { exit !(n <= s * t) }'
}

golden() { echo "$e2e_dir/golden/$1.png"; }

# Checks pic $1 against the reference golden/$2.png (share $3 as for alike). A mismatch keeps
# the picture and a map of the differing pixels beside the build folder.
expect_golden() {
  local reference
  reference=$(golden "$2")
  if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
    convert "$(pic "$1")" "$reference" && echo "wrote $reference"
    return 0
  fi
  [ -f "$reference" ] || fail "no reference picture $reference"
  alike "$(pic "$1")" "$reference" "${3:-0.002}" && return 0
  keep_mismatch "$1" "$2"
  fail "the window does not look like golden/$2.png; see $out"
}

# Keeps pic $1 and a map of where it differs from golden/$2.png beside the build folder.
keep_mismatch() {
  mkdir -p "$out"
  convert "$(pic "$1")" "$out/$2.actual.png"
  compare -fuzz 8% "$(pic "$1")" "$(golden "$2")" "$out/$2.diff.png" 2>/dev/null
  echo "$(pixels_differing "$(pic "$1")" "$(golden "$2")") pixels differ from golden/$2.png" >&2
}

# Takes pictures as pic $1 until one, or its part $5 (WxH+X+Y), is alike golden/$2.png (share
# $4 as for alike), for at most $3 seconds. With E2E_UPDATE_GOLDEN=1 it waits for the window, or
# its part, to stand still instead, and that picture becomes the reference.
wait_for_golden() {
  if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
    wait_until_still "$1${5:+.part}" "$3" "${5:-}"
    expect_golden "$1${5:+.part}" "$2"
    return
  fi
  comes_to_look_like "$@" && return 0
  keep_mismatch "$1${5:+.part}" "$2"
  fail "the window did not come to look like golden/$2.png in $3 s; see $out"
}

# As wait_for_golden, but only says whether the picture came.
comes_to_look_like() {
  local shown=$1 deadline=$((SECONDS + $3))
  [ -n "${5:-}" ] && shown="$1.part"
  while ((SECONDS < deadline)); do
    shoot "$1"
    [ -n "${5:-}" ] && crop "$1" "$5" "$shown"
    alike "$(pic "$shown")" "$(golden "$2")" "${4:-0.002}" && return 0
    sleep 0.1
  done
  return 1
}

# Presses the key $1 until the window comes to look like golden/$3.png as pic $2 (share $5 and
# part $6 as for wait_for_golden), giving each press $4 seconds. The game does not hear a key
# while a screen still slides in or before the tally has named the winner, and under a busy
# software renderer those moments last: a player presses again.
press_until_golden() {
  local key=$1 try
  for ((try = 0; try < 4; try++)); do
    xdotool key "$key"
    if [ "${E2E_UPDATE_GOLDEN:-0}" = 1 ]; then
      wait_for_golden "$2" "$3" "$4" "${5:-}" "${6:-}"
      return
    fi
    comes_to_look_like "$2" "$3" "$4" "${5:-}" "${6:-}" && return 0
  done
  keep_mismatch "$2${6:+.part}" "$3"
  fail "the window did not come to look like golden/$3.png after $1 was pressed four times; see $out"
}

# The box around the pixels of the colour $3 in the part GEOMETRY ($2) of a picture file $1, as
# "width height x y" relative to that part; nothing when there are none.
colour_box() {
  convert "$1" -crop "$2" +repage -fuzz 20% -fill white -opaque "$3" -fill black +opaque white \
    -format '%@' info: 2>/dev/null | tr 'x+' '  ' | awk '$1 > 0'
}

# Whether the pixels of the colour $3 (within $5 percent, 10 by default) lie alike in two
# picture files (share $4 as for alike): for the HUD's digits, behind which the game shows
# whatever the camera sees.
colour_alike() {
  local a b
  a="$work/colour-a.png" b="$work/colour-b.png"
  convert "$1" -fuzz "${5:-10}%" -fill white -opaque "$3" -fill black +opaque white "$a" || return 1
  convert "$2" -fuzz "${5:-10}%" -fill white -opaque "$3" -fill black +opaque white "$b" || return 1
  alike "$a" "$b" "${4:-0.002}" 0
}

# From the first screen to the main menu, then quick start to the loading screen.
quick_start() {
  xdotool key space
  wait_for_golden menu main-menu 60
  click_at 528 362
  # The game starts a second after the loading screen comes: under a busy software renderer the
  # picture may catch it still sliding in.
  wait_for_golden loading loading-screen 60 0.2
}

# Escape in a round, and the in-game menu: its "Paused" title in the titles' gold, over the game
# seen from wherever the thief stands.
open_in_game_menu() {
  xdotool key Escape
  wait_for 600 in_game_menu_shows || fail "escape did not open the in-game menu"
}
in_game_menu_shows() {
  shoot in-game
  crop in-game "120x36+415+198" in-game.part
  colour_alike "$(pic in-game.part)" "$(golden in-game-menu)" "#FFD94D" 0.02
}

# Whether the credits show: their first line, in the titles' gold, centred below the buttons'
# row (the buttons' frames, of a like colour, are not centred). Sets `top` to the line's top.
credits_centred() {
  local width height left
  shoot credits
  read -r width height left top < <(colour_box "$(pic credits)" "1024x468+0+300" "#FFD94D") || return 1
  ((left - (1024 - width) / 2 <= 2 && (1024 - width) / 2 - left <= 2))
}

# Records the window, or its part $2 (WxH+X+Y), in the background as pictures pic $1-0,
# $1-1, ... taken up to 30 times a second, until stop_recording: a picture that lasts a frame
# or two is caught, however long it takes to look at each. A screenshot at a time could miss it.
# With $3 (WxH) each picture is shrunk to that size as pixel areas are averaged, as
# `convert -scale` shrinks.
start_recording() {
  local w h x y
  IFS='x+' read -r w h x y <<<"${2:-1024x768+0+0}"
  ffmpeg -nostdin -hide_banner -f x11grab -draw_mouse 0 -window_id "$window" -grab_x "$x" -grab_y "$y" \
    -video_size "${w}x${h}" -framerate 30 -i "$DISPLAY" -copyts \
    -vf "${3:+scale=${3%x*}:${3#*x}:flags=area,}showinfo" -fps_mode passthrough \
    -start_number 0 -f image2 "$work/$1-%d.ppm" 2>"$work/$1-recording.log" &
  recorder_pid=$!
  wait_for 300 test -e "$(pic "$1-1")" || fail "the recording did not start"
}
stop_recording() {
  stop "$recorder_pid"
  recorder_pid=""
}
# The pictures recorded as $1, in the order taken.
recorded() { ls "$work" | sed -n "s/^\($1-[0-9]*\)\.ppm\$/\1/p" | sort -t- -k2 -n; }

# The pictures recorded as $1, once stop_recording has written them all, one a line: its number
# and when it was taken, in seconds since $2 (a time on the clock of $EPOCHREALTIME).
recorded_times() {
  sed -n 's/.*Parsed_showinfo.* n: *\([0-9]*\) pts: *\([0-9]*\).*/\1 \2/p' "$work/$1-recording.log" |
    awk -v since="${2:-0}" '{ printf "%d %.6f\n", $1, $2 / 1000000 - since }'
}

# Takes pictures of the window, or of its part $3, as pic $1 until two in a row are the same
# with frames drawn between them, for at most $2 seconds.
wait_until_still() {
  local deadline=$((SECONDS + $2))
  shoot "$1.before" ${3:+"$3"}
  while ((SECONDS < deadline)); do
    frames_pass
    shoot "$1" ${3:+"$3"}
    [ "$(pixels_differing "$(pic "$1.before")" "$(pic "$1")" 0)" = 0 ] && return 0
    mv "$(pic "$1")" "$(pic "$1.before")"
  done
  fail "the window kept changing for $2 s"
}

# Takes pictures of the window, or of its part $5, as pic $1 until one is not alike pic $2
# (share $4 as for alike), for at most $3 seconds.
wait_until_changed() {
  local deadline=$((SECONDS + $3))
  while ((SECONDS < deadline)); do
    shoot "$1" ${5:+"$5"}
    alike "$(pic "$1")" "$(pic "$2")" "${4:-0.002}" || return 0
  done
  fail "the window did not change in $3 s"
}



# The AI settings of the data tree in the folder $1 with no guards and no computer thieves, and
# the chase and hide switches off: for what is not about them, so that no one walks through the
# pictures.
without_agents() {
  set_settings "$1/Data/AIConfig.xml" MaxGuards=0 MaxThieves=0 ChaseThieves=false AvoidGuards=false
}

# Gives the values named NAME=VALUE in the settings file $1. The game reads its settings only
# whole and in their own order, so the shipped file is changed in place, never written anew.
set_settings() {
  local file=$1 pair name
  shift
  for pair in "$@"; do
    name=${pair%%=*}
    grep -q " name=\"$name\">" "$file" || fail "the settings in $file have no $name"
    sed -i "s|\(<[a-z]* name=\"$name\">\)[^<]*<|\1${pair#*=}<|" "$file" || fail "could not change $name in $file"
  done
}

# The number of pixels of the colour $3 (within $4 percent, 8 by default) in the part GEOMETRY
# ($2) of a picture file $1.
colour_count() {
  convert "$1" -crop "$2" +repage -fuzz "${4:-8}%" -fill white -opaque "$3" -fill black +opaque white \
    -format '%[fx:round(mean * w * h)]' info: 2>/dev/null
}

# The number of pixels in the part GEOMETRY ($2) of a picture file $1 that are plainly blue:
# their blue is above their red by a fifth of the range and above their green by a tenth,
# whatever their brightness (a beam of light blended over the scene).
blue_count() {
  convert "$1" -crop "$2" +repage -color-matrix '-1 0 1  0 -1 1  0 0 0' -channel R -threshold 20% \
    -channel G -threshold 10% +channel -separate -delete 2 -evaluate-sequence min \
    -format '%[fx:round(mean * w * h)]' info: 2>/dev/null
}

# Gives the input $1 (xdotool's words, as "key Escape" or "click 3") until the command that
# follows succeeds once the game has taken the input in, at most ten times; says whether it
# did. An input that comes while the game is not ready for it (before its window has the focus,
# while a screen slides in or an animation runs) is not heard.
give_until() {
  local input=$1 try
  shift
  for ((try = 0; try < 10; try++)); do
    xdotool $input
    frames_pass 5
    "$@" && return 0
  done
  return 1
}

# Holds the keys $1 (one or more, as "w d") down for $2 seconds: the time held is the input.
hold() {
  local key
  for key in $1; do xdotool keydown "$key"; done
  sleep "$2"
  for key in $1; do xdotool keyup "$key"; done
}

# Holds the keys $1 (one or more, as "w d") down until the command that follows succeeds, for at
# most $2 seconds; says whether it did.
hold_until() {
  local keys=$1 deadline=$((SECONDS + $2)) status=1 key
  shift 2
  for key in $keys; do xdotool keydown "$key"; done
  while ((SECONDS < deadline)); do
    "$@" && { status=0; break; }
  done
  for key in $keys; do xdotool keyup "$key"; done
  return $status
}

# Holds the keys $1 down for $2 seconds of the game's time. A frame moves the game's clock on by
# a tenth of a second at most, so on a machine too busy for ten frames a second that clock runs
# behind the wall's: the keys stay down for $2 seconds and for ten frames a second (one at the
# least), whichever takes longer. A walk that ends against a wall thus ends there however slow
# the machine, and a step is as long on a slow machine as on a quick one.
hold_game_time() {
  local key timer
  for key in $1; do xdotool keydown "$key"; done
  sleep "$2" &
  timer=$!
  frames_pass "$(awk -v t="$2" 'BEGIN { n = int(t * 10 + 0.999); print (n < 1 ? 1 : n) }')"
  wait "$timer"
  for key in $1; do xdotool keyup "$key"; done
}

# Looks at the pictures recorded as $1 as they come, for at most $2 seconds, until the command
# that follows succeeds for one (given the picture file last); says whether it did.
recording_shows() {
  local name=$1 deadline=$((SECONDS + $2)) i=0
  shift 2
  while ((SECONDS < deadline)); do
    # A picture is whole once the next one is begun.
    if [ -f "$(pic "$name-$((i + 1))")" ]; then
      "$@" "$(pic "$name-$i")" && return 0
      i=$((i + 1))
    else
      sleep 0.05
    fi
  done
  return 1
}

# The HUD's clock: minutes, seconds and hundredths from (400, 60) to (640, 112).
readonly hud_clock="250x60+396+56"

# Whether the HUD's clock runs: it shows another time within $1 seconds (20 by default). During
# the fly-through the camera moves there and the HUD is hidden: this is for a round under way.
clock_runs() {
  local deadline=$((SECONDS + ${1:-20}))
  shoot clock-before "$hud_clock"
  while ((SECONDS < deadline)); do
    shoot clock-after "$hud_clock"
    alike "$(pic clock-before)" "$(pic clock-after)" 0 || return 0
  done
  return 1
}

# Ends the fly-through that starts a round with a key, pressed again until the HUD shows with its
# clock running: a key that comes while the round is still loading is not heard, and while the
# camera flies, the moving pictures behind the hidden HUD pass for a running clock.
end_fly_through() {
  local attempt
  for ((attempt = 0; attempt < 60; attempt++)); do
    xdotool key space
    frames_pass 5
    hud_shows && clock_runs 10 && return 0
  done
  fail "the HUD did not show after a key ended the fly-through"
}

# Whether the HUD shows: its clock's white figures stand in their place.
hud_shows() {
  shoot hud-clock "$hud_clock"
  (($(colour_count "$(pic hud-clock)" "${hud_clock%%+*}+0+0" "#FFFFFF" 3) > 1000))
}

# Whether the HUD's clock stands: it shows the same time after $1 frames (10 by default).
clock_stands() {
  shoot clock-before "$hud_clock"
  frames_pass "${1:-10}"
  shoot clock-after "$hud_clock"
  alike "$(pic clock-before)" "$(pic clock-after)" 0
}
