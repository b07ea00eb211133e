#!/usr/bin/env bash
# Real-window test: the built game under Xvfb, driven by xdotool as a player would.
# Usage: scripts/window_test.sh BUILD_DIR
set -uo pipefail
BUILD=${1:-build}
BUILD=$(cd "$BUILD" && pwd)
WORK=$(mktemp -d /tmp/wordloom-window-XXXXXX)
SHOTS=${WINDOW_TEST_SHOTS:-}
cp "$BUILD/wordloom" "$WORK/"
cp -r "$BUILD/Files" "$WORK/"
rm -f "$WORK/Files/Setup.ini" "$WORK/Files/Debug.txt" "$WORK/Files/250/scores.dat" "$WORK"/Files/*.png

fail() { echo "window test FAILED: $*"; [ -f "$WORK/Files/Debug.txt" ] && tail -20 "$WORK/Files/Debug.txt"; cleanup; exit 1; }
cleanup() {
  [ -n "${GAME:-}" ] && kill "$GAME" 2>/dev/null
  [ -n "${XVFB:-}" ] && kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}

# A free display number.
for n in $(seq 91 120); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { DISP=":$n"; break; }; done
Xvfb "$DISP" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
export DISPLAY=$DISP
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"

unset SDL_VIDEODRIVER SDL_AUDIODRIVER
export SDL_AUDIODRIVER=dummy
(cd / && exec "$WORK/wordloom") &
GAME=$!

wait_log() {  # wait_log TEXT SECONDS
  for _ in $(seq $(( $2 * 10 ))); do
    grep -qF -- "$1" "$WORK/Files/Debug.txt" 2>/dev/null && return 0
    kill -0 "$GAME" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
shot() { [ -n "$SHOTS" ] && import -window root "$SHOTS/$1.png" 2>/dev/null; true; }

WID=""
for _ in $(seq 100); do WID=$(xdotool search --name '^#250 : Wordloom $' 2>/dev/null | head -1); [ -n "$WID" ] && break; sleep 0.1; done
[ -n "$WID" ] || fail "no window titled '#250 : Wordloom '"
wait_log "Finished Loading" 60 || fail "loading did not finish"
sleep 3   # the title animates in (32 frames) after the 2.5 s minimum
shot title

# Virtual coordinates (1280 x 960) to the 800 x 600 window.
vx() { echo $(( $1 * 800 / 1280 )); }
vy() { echo $(( $1 * 600 / 960 )); }
# Keys are held for a few frames: the game reads held state, as a player's press lasts.
key() {
  local w
  w=$(xdotool search --name '^#250 : Wordloom $' 2>/dev/null | tail -1)
  [ -n "$w" ] || w=$WID
  xdotool keydown --window "$w" "$1" 2>/dev/null; sleep 0.15; xdotool keyup --window "$w" "$1" 2>/dev/null; sleep 0.4
}
click() { xdotool mousemove --window "$WID" "$(vx "$1")" "$(vy "$2")"; sleep 0.2; xdotool mousedown 1; sleep 0.25; xdotool mouseup 1; sleep 0.4; }

# Settings panel: Tab opens it (and saves Setup.ini), Tab closes it.
key Tab
sleep 0.6
shot settings
[ -f "$WORK/Files/Setup.ini" ] || fail "Tab did not save Setup.ini"
key Tab
sleep 0.6

# Screenshot with F11.
key F11
sleep 1.5
ls "$WORK"/Files/Wordloom*Screenshot_*.png >/dev/null 2>&1 || fail "F11 wrote no screenshot"

if [ "${WINDOW_TEST_PLAY:-1}" = 1 ]; then
  # Start a game, drag two rack tiles onto the board, pause and continue, quit
  # with the quit button, confirm the name.
  click 640 480
  sleep 1.5
  shot game
  for i in 1 2; do
    hx=$(( 640 - 450 + (i - 1) * 100 + 48 )); hy=$(( 960 - 204 + 48 ))
    sx=$(( 640 - 624 + (i + 1) * 96 + 48 )); sy=$(( 288 + 48 ))
    xdotool mousemove --window "$WID" "$(vx $hx)" "$(vy $hy)"; sleep 0.3
    xdotool mousedown 1; sleep 0.3
    for step in 1 2 3 4 5 6; do
      xdotool mousemove --window "$WID" "$(vx $(( hx + (sx - hx) * step / 6 )))" "$(vy $(( hy + (sy - hy) * step / 6 )))"; sleep 0.1
    done
    sleep 0.3; xdotool mouseup 1; sleep 0.6
  done
  shot board
  key Escape
  sleep 1
  shot pause
  key space
  sleep 1
  click $(( 640 - 550 + 48 )) $(( 960 - 204 + 48 ))   # the quit button
  sleep 3
  shot name
  key Return
  sleep 1.5
  [ -f "$WORK/Files/250/scores.dat" ] || fail "the game left no scores.dat"
  grep -q '|' "$WORK/Files/250/scores.dat" || fail "scores.dat holds no record"
fi

# Escape leaves the title screen; any key ends the closing page.
key Escape
sleep 1.5
shot closing
key space
for _ in $(seq 50); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$GAME" 2>/dev/null; then fail "the program did not exit"; fi
wait "$GAME"; status=$?
GAME=""
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q "Play again, soon!!" "$WORK/Files/Debug.txt" || fail "no closing lines in Debug.txt"
[ -f "$WORK/Files/Setup.ini" ] || fail "no Setup.ini"
echo "window test passed"
cleanup
exit 0
