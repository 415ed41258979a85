#!/usr/bin/env bash
# A storm of real X input on the built viewer: a few thousand key events
# (keys of the key table and others, with Shift, Ctrl and Alt, auto-repeat,
# Alt+? for the About box) and clicks on the tile selector's boxes, presets
# and "OK" by their dialog-unit positions and on the picture. Afterwards the
# viewer must still be there with its selector, must come back to its start
# picture with the first preset, "OK" and Home, must still move the picture
# on a key, and must end with exit code 0 when the window manager closes it.
#
# Left out of the storm: Esc (it would close the selector the clicks aim at)
# and Alt with a menu letter, F-key, Tab or Space (menus, window manager).
#
# Usage: storm.sh <path to morvat>
# The storm is drawn from a seed, printed, and taken from MORVAT_STORM_SEED
# when that is set. Runs on a private Xvfb display with its own window manager.
set -euo pipefail

viewer=$(readlink -f "$1")
script=$(readlink -f "$0")
# shellcheck source=tests/e2e/session_lib.sh
source "$(dirname "$script")/session_lib.sh"

seed=${MORVAT_STORM_SEED:-4242}
echo "storm seed: MORVAT_STORM_SEED=$seed"
RANDOM=$seed
batches=30
actions_per_batch=80
fail_prefix="FAIL (MORVAT_STORM_SEED=$seed)"

start_viewer

# Pixels of the picture that differ between two shots by more than a trace.
picture_difference() {
  convert "$work/$1.png" -crop "512x512+$px+$py" +repage "$work/$1-picture.png"
  convert "$work/$2.png" -crop "512x512+$px+$py" +repage "$work/$2-picture.png"
  compare -metric AE -fuzz 2% "$work/$1-picture.png" "$work/$2-picture.png" null: 2>&1 || true
}
alive() { kill -0 "$viewer_pid" 2>/dev/null; }
# Waits until the screen has stopped changing for a second: the viewer has
# worked through the input queued for it.
wait_until_still() {
  local still=0 changed
  import -window root "$work/still-a.png"
  for _ in $(seq 60); do
    sleep 0.5
    import -window root "$work/still-b.png"
    changed=$(compare -metric AE "$work/still-a.png" "$work/still-b.png" null: 2>&1 || true)
    if [ "${changed%%.*}" = 0 ]; then
      still=$((still + 1))
      [ $still -ge 2 ] && return 0
    else
      still=0
    fi
    mv "$work/still-b.png" "$work/still-a.png"
  done
  fail "the screen still changes 30 s after the storm"
}
about_window() { xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' 2>/dev/null | head -n 1 || true; }

# The storm is built into the array `commands` without subshells, which
# would draw their own random numbers and make the seed useless.
commands=()
key_presses=0
clicks=0

# Selector controls by dialog units (229 x 328 units over its client area):
# the centre of each tile box, each preset button, "OK".
add_unit_click() {
  commands+=(mousemove --window "$selector" $(($1 * sw / 229)) $(($2 * sh / 328)) click --delay 1 1)
  clicks=$((clicks + 1))
}
box_units=(23,45 23,60 23,75 48,75 23,90 23,105 48,105 23,120 48,120 23,135 48,135 23,150
           23,165 23,180 48,180 23,195 48,195 23,210 48,210 23,225 23,240 48,240 23,255)
add_box_click() { local xy=${box_units[$1]}; add_unit_click "${xy%,*}" "${xy#*,}"; }
add_preset_click() {  # button 1024 + $1: three columns of twenty
  add_unit_click $((80 + 45 * ($1 / 20) + 22)) $((15 + 15 * ($1 % 20) + 7))
}
add_ok_click() { add_unit_click 35 277; }
add_keys() {
  commands+=(key --delay 2 "$@")
  key_presses=$((key_presses + $#))
}

table_keys=(Prior Next Home Left Up Right Down Delete 6 7 8 9 h i j k l o u y)
other_keys=(End Insert KP_0 KP_1 KP_6 KP_7 KP_8 KP_9 a b c d e g m n p q r s t w x z
            0 1 2 3 4 5 F2 F3 F5 F6 F7 F8 F9 Tab space Return)
alt_keys=(Left Up Right Down Prior Next Home Delete 6 7 8 9 i j k l o u y)
pick() { local -n list=$1; picked=${list[RANDOM % ${#list[@]}]}; }

add_action() {
  local r=$((RANDOM % 100)) n i
  if [ $r -lt 50 ]; then
    pick table_keys; add_keys "$picked"
  elif [ $r -lt 56 ]; then
    # Auto-repeat: the key goes down again and again before it comes up.
    pick table_keys
    n=$((2 + RANDOM % 30))
    for ((i = 0; i < n; i++)); do commands+=(keydown --delay 1 "$picked"); done
    commands+=(keyup --delay 1 "$picked")
    key_presses=$((key_presses + n))
  elif [ $r -lt 68 ]; then
    pick other_keys; add_keys "$picked"
  elif [ $r -lt 73 ]; then
    pick table_keys; add_keys "shift+$picked"
    pick table_keys; add_keys "ctrl+$picked"
  elif [ $r -lt 79 ]; then
    pick alt_keys; add_keys "alt+$picked"
  elif [ $r -lt 80 ]; then
    if [ $((RANDOM % 2)) -eq 0 ]; then add_keys alt+question; else add_keys alt+slash; fi
  elif [ $r -lt 86 ]; then
    add_box_click $((RANDOM % 23))
  elif [ $r -lt 91 ]; then
    add_preset_click $((RANDOM % 60))
  elif [ $r -lt 95 ]; then
    add_ok_click
  else
    commands+=(mousemove --window "$main" $((px + 16 + RANDOM % 480)) $((py + 16 + RANDOM % 480)) click --delay 1 1)
    clicks=$((clicks + 1))
  fi
}

shot start

for batch in $(seq "$batches"); do
  commands=()
  for _ in $(seq "$actions_per_batch"); do add_action; done
  xdotool "${commands[@]}" || fail "xdotool could not send batch $batch"
  alive || fail "the viewer ended during batch $batch; stderr: $(cat "$work/stderr")"
  # A real hold now and then: the X server repeats the key by itself.
  if [ $((batch % 10)) -eq 0 ]; then
    pick table_keys
    xdotool keydown "$picked" sleep 0.4 keyup "$picked"
  fi
done
echo "storm: $batches batches, $key_presses key presses, $clicks clicks"

# Let the viewer work through what is queued.
wait_until_still
alive || fail "the viewer ended after the storm; stderr: $(cat "$work/stderr")"
shot stormed
echo "storm: the picture after it differs from the start picture in $(picture_difference start stormed) pixels"
xdotool search --onlyvisible --name '^morvat tile selector$' >/dev/null 2>&1 ||
  fail "the tile selector is gone, though nothing in the storm closes it"

# An About box the storm left open is closed by its close box.
for _ in 1 2 3; do
  about=$(about_window)
  [ -z "$about" ] && break
  wmctrl -i -c "$about"
  wait_until_still
done
[ -z "$(about_window)" ] || fail "the About box does not close"

# The start picture again: the first preset ("1: A", the icosahedron alone),
# "OK", and Home for the view.
commands=()
add_preset_click 0
add_ok_click
xdotool "${commands[@]}"
wait_until_still
xdotool mousemove --window "$main" $((px + 256)) $((py + 256)) click 1 sleep 0.3 key Home
wait_until_still
shot reset
differing=$(picture_difference start reset)
[ "${differing%%.*}" -lt 100 ] 2>/dev/null ||
  fail "after \"1: A\", OK and Home the picture differs from the start picture in $differing pixels"

# And it still answers keys.
xdotool key --delay 30 Left Left Left Left Left Left Left Left Left Left Up Up Up Up Up
wait_until_still
shot moved
changed=$(picture_difference reset moved)
[ "${changed%%.*}" -gt 500 ] 2>/dev/null || fail "after the storm the arrow keys changed only $changed pixels"

close_and_expect_exit_zero
echo "storm: the viewer came back to its start picture, still moves on keys, and ended with exit code 0"
