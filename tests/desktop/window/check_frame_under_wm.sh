#!/usr/bin/env bash
# The real program under a real window manager (openbox) on a virtual X server of each size:
# the window's outer frame, title bar included, must stand at the screen's top-left corner, as
# wide as the screen and 96 % as high. Exit 77 (skipped) where no X server can be started.
# With --test, <program> is a test program run on each screen instead, which checks the window
# itself (EXPECTED_SCREEN_SIZE names the screen); its exit status is the verdict.
# Usage: check_frame_under_wm.sh [--test] <program> [WIDTHxHEIGHT ...]
set -uo pipefail
test_mode=0
[[ $1 == --test ]] && test_mode=1 && shift
program=$1
shift
sizes=("${@:-1280x1024}")

if ! command -v Xvfb >/dev/null; then
  echo "SKIP: no Xvfb to start an X server"
  exit 77
fi
for tool in openbox xwininfo xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps)"; exit 1; }
done

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

# The frame of the window whose caption starts with "Zarvel", as "x y width height".
frame_of() {
  local id left right top bottom x y w h
  id=$(xwininfo -root -tree | awk '/"Zarvel/ { print $1; exit }')
  [[ -n $id ]] || return 1
  read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS |
    sed -n 's/.*= *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1 \2 \3 \4/p')
  [[ -n ${bottom:-} ]] || return 1
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print "x=" $NF }
    /Absolute upper-left Y/ { print "y=" $NF } /Width:/ { print "w=" $NF }
    /Height:/ { print "h=" $NF }')"
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

failed=0
for size in "${sizes[@]}"; do
  width=${size%x*}
  height=${size#*x}
  # Xvfb picks a free display and writes its number to the given descriptor.
  exec {fd}< <(Xvfb -displayfd 1 -screen 0 "${size}x24" -nolisten tcp 2>/dev/null)
  read -r -t 10 -u "$fd" number || { echo "SKIP: Xvfb did not start"; exit 77; }
  pids+=($!)
  export DISPLAY=:$number
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  if ((test_mode)); then
    # Leaks are checked where the same test runs offscreen; here the X11 plugin's own
    # allocations at exit, which the suppressions do not know, would be reported as the test's.
    log=${TMPDIR:-/tmp}/wm_test_$$.log
    if ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" QT_QPA_PLATFORM=xcb \
      EXPECTED_SCREEN_SIZE=$size "$program" >"$log" 2>&1; then
      echo "PASS $size: $(tail -n 2 "$log" | head -n 1)"
    else
      echo "FAIL $size:" && failed=1
      grep -A 2 'FAIL!' "$log" || tail -n 20 "$log"
    fi
    rm -f "$log"; cleanup; pids=(); continue
  fi
  QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  app=$!
  pids+=("$app")

  # 0.96 of the height, rounded as the window's layout rounds it.
  want="0 0 $width $(((height * 96 + 50) / 100))"
  got=
  for _ in $(seq 50); do
    sleep 0.2
    got=$(frame_of) || continue
    [[ $got == "$want" ]] && break
  done
  if [[ $got == "$want" ]]; then
    echo "PASS $size: frame at x y width height = $got"
  else
    echo "FAIL $size: frame at x y width height = ${got:-none}, expected $want"
    failed=1
  fi
  kill "$app" 2>/dev/null
  cleanup
  pids=()
done
exit $failed
