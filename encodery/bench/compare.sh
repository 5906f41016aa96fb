#!/usr/bin/env bash
# Converts the same 640x480 input in every mode with the engine (through the
# C contract, encodery_convert) and with the ffmpeg command line at the same
# target and settings; prints wall time, CPU time and peak memory of both.
#   compare.sh [--short] [BIN_DIR]    (--short: a 2-second input, once, for ctest)
# Each side runs REPEAT times (default 3); the best wall and CPU time count,
# since the machine may be busy with other work.  MODES picks modes.
set -euo pipefail
seconds=20
repeat=${REPEAT:-3}
if [[ ${1:-} == --short ]]; then seconds=2; repeat=1; shift; fi
bin=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build/default/bin}
convert_tool=$bin/encodery_convert
[[ -x $convert_tool ]] || { echo "missing $convert_tool (build first)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/input.avi
ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=640x480:rate=25:duration=$seconds" \
  -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds,pan=stereo|c0=c0|c1=c0" \
  -c:v mpeg4 -q:v 3 -c:a libmp3lame -b:a 128k "$input"

# The command line's equivalent of each engine mode.
cli_args() {
  case $1 in
    0) echo "-c:v mpeg1video -q:v 3 -g 15 -c:a mp2 -b:a 192k -f mpeg" ;;
    1) echo "-target pal-vcd" ;;
    2) echo "-c:v mpeg2video -q:v 3 -g 15 -c:a mp2 -b:a 192k -f vob" ;;
    3) echo "-target pal-svcd" ;;
    4) echo "-target pal-dvd" ;;
    100) echo "-c:v mpeg4 -q:v 3 -g 250 -c:a libmp3lame -b:a 192k -f avi" ;;
    101) echo "-c:v mpeg4 -vtag DIVX -q:v 4 -g 250 -c:a libmp3lame -b:a 128k -f avi" ;;
  esac
}

# measure OUTFILE command...: "wall cpu peakKB bytes" (best of $repeat runs)
measure() {
  local out=$1; shift
  : >"$work/times"
  for ((run = 0; run < repeat; ++run)); do
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" >/dev/null 2>"$work/err" ||
      { echo "failed: $*" >&2; cat "$work/err" >&2; exit 1; }
    cat "$work/time" >>"$work/times"
  done
  awk -v bytes="$(stat -c %s "$out")" '
    NR == 1 || $1 < wall { wall = $1 }
    NR == 1 || $2 + $3 < cpu { cpu = $2 + $3 }
    $4 > peak { peak = $4 }
    END { printf "%.2f %.2f %d %d\n", wall, cpu, peak, bytes }' "$work/times"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }

echo "Input: ${seconds} s, 640x480, 25 fps, MPEG-4 + MP3 stereo 44.1 kHz"
printf "%-5s | %7s %7s %8s %9s | %7s %7s %8s %9s | %5s %5s %5s\n" mode \
  "eng s" "eng cpu" "eng MB" "eng KB" "cli s" "cli cpu" "cli MB" "cli KB" "wall" "cpu" "mem"
for mode in ${MODES:-0 1 2 3 4 100 101}; do
  ext=mpg; ((mode >= 100)) && ext=avi
  read -r ew ec em es < <(measure "$work/engine.$ext" "$convert_tool" "$mode" "$input" "$work/engine.$ext")
  # shellcheck disable=SC2046
  read -r cw cc cm cs < <(measure "$work/cli.$ext" ffmpeg -nostdin -v error -y -i "$input" $(cli_args "$mode") "$work/cli.$ext")
  printf "%-5s | %7s %7s %8s %9s | %7s %7s %8s %9s | %5s %5s %5s\n" "$mode" \
    "$ew" "$ec" "$((em / 1024))" "$((es / 1024))" "$cw" "$cc" "$((cm / 1024))" "$((cs / 1024))" \
    "$(ratio "$ew" "$cw")" "$(ratio "$ec" "$cc")" "$(ratio "$em" "$cm")"
done
echo "Ratios are engine / command line (below 1: the engine is faster or smaller)."
