#!/usr/bin/env bash
# A long round of the demo museum, played by the computer thieves and guards alone, on a
# window of its own: the game starts the round itself ("skipMenus") and its clock is set to the
# minutes asked for. Every ten seconds the frame rate is read at its terminal; every minute the
# resident memory. At the end it reports the first minute beside the last: memory, and the
# median and 99th percentile of the frame time, and it counts the error lines in the logs.
#
#   tools/long-round.sh BUILD_DIR [MINUTES]     (30 minutes unless said; not part of the tests)
#
# The results go to BUILD_DIR/long-round.txt. Exit status 1 when the memory after the last
# minute is more than 2% above that after the first, or when a log holds an error line.
source "$(dirname "$0")/../tests/e2e/lib.sh"
build_dir=${1:?usage: long-round.sh BUILD_DIR [MINUTES]}
minutes=${2:-30}
e2e_setup "$build_dir/app/vaultrunner" "$build_dir"
results="$build/long-round.txt"

make_tree "$work/tree"
sed -i -e 's|<bool name="skipMenus">false</bool>|<bool name="skipMenus">true</bool>|' \
  -e "s|<float name=\"time\">[^<]*</float>|<float name=\"time\">$minutes</float>|" \
  "$work/tree/Data/LogicConfig.xml"
# The program reads console commands from its terminal: a pipe that stays open.
mkfifo "$work/stdin"
cd "$work/tree" || fail "no tree"
SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
  "$app" <"$work/stdin" >"$work/out.txt" 2>&1 &
app_pid=$!
exec 3>"$work/stdin"
wait_for 300 has_printed "Starting Logic" || fail "the game did not start"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }

# Frame times in milliseconds, one line per sample, per minute.
: >"$work/frames-first.txt"
: >"$work/frames-last.txt"
rss_first="" rss_last=""
start=$SECONDS
for ((minute = 1; minute <= minutes; minute++)); do
  : >"$work/frames.txt"
  while ((SECONDS - start < minute * 60)); do
    has_ended && fail "the game ended during minute $minute"
    fps=$(value_of fps 10) || fail "the console did not answer in minute $minute"
    awk -v f="$fps" 'BEGIN { if (f > 0) printf "%.3f\n", 1000 / f }' >>"$work/frames.txt"
    sleep 10
  done
  rss=$(rss_kb)
  echo "minute $minute: resident memory $rss kB"
  [ "$minute" = 1 ] && { rss_first=$rss; cp "$work/frames.txt" "$work/frames-first.txt"; }
  rss_last=$rss
  cp "$work/frames.txt" "$work/frames-last.txt"
done
stop_game

percentile() { sort -n "$1" | awk -v p="$2" '{ v[NR] = $1 } END { i = int(NR * p + 0.999); if (i < 1) i = 1; print v[i] }'; }
errors=$(cat "$work/tree"/*Log.txt 2>/dev/null | grep -ci "error")
{
  echo "long round: $minutes minutes, $(date -u '+%Y-%m-%d %H:%M UTC'), load $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "resident memory: first minute $rss_first kB, minute $minutes $rss_last kB"
  echo "frame time (ms, from the console's frame rate every 10 s):"
  echo "  first minute: median $(percentile "$work/frames-first.txt" 0.5), p99 $(percentile "$work/frames-first.txt" 0.99)"
  echo "  last minute:  median $(percentile "$work/frames-last.txt" 0.5), p99 $(percentile "$work/frames-last.txt" 0.99)"
  echo "error lines in the logs: $errors"
} | tee "$results"
awk -v a="$rss_first" -v b="$rss_last" 'BEGIN { exit !(b <= a * 1.02) }' || exit 1
[ "$errors" = 0 ]
