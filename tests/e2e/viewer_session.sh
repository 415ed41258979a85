#!/usr/bin/env bash
# A person's session with the built viewer on a real X server: start it, look
# at the first picture, turn the solid with the arrow keys, pick "8: H" in the
# tile selector and confirm with "OK", open the About box with Alt+? and close
# it with Enter, then close the main window through the window manager (what
# its close box does) and expect exit code 0.
#
# Usage: viewer_session.sh <path to morvat>
# Runs on a private Xvfb display with a window manager of its own, so it
# neither needs nor disturbs any display of the caller.
set -euo pipefail

viewer=$(readlink -f "$1")
script=$(readlink -f "$0")
# shellcheck source=tests/e2e/session_lib.sh
source "$(dirname "$script")/session_lib.sh"

start_viewer

# Colour of one screen pixel as "R,G,B" (0..255).
pixel() {
  convert "$work/$1.png" -crop "1x1+$2+$3" +repage -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# Share of the 512 x 512 picture that is not the 25% grey background.
solid_share() {
  convert "$work/$1.png" -crop "512x512+$2+$3" +repage -fuzz 3% \
    -fill black -opaque 'rgb(64,64,64)' -fill white +opaque black \
    -colorspace Gray -format '%[fx:mean]' info:
}

near() {  # near "R,G,B" "R,G,B": every channel within 12
  local IFS=,
  read -r a b c <<<"$1"
  read -r x y z <<<"$2"
  for d in $((a - x)) $((b - y)) $((c - z)); do
    [ "${d#-}" -le 12 ] || return 1
  done
}

cx=$((px + 256))
cy=$((py + 256))

shot start
near "$(pixel start $((px + 4)) $((py + 4)))" "64,64,64" ||
  fail "background at the picture's corner is $(pixel start $((px + 4)) $((py + 4))), not 25% grey"
near "$(pixel start "$cx" $((cy - 20)))" "255,255,255" ||
  fail "above the centre is $(pixel start "$cx" $((cy - 20))), not the white face"
near "$(pixel start "$cx" $((cy + 20)))" "255,255,0" ||
  fail "below the centre is $(pixel start "$cx" $((cy + 20))), not the yellow face"
start_share=$(solid_share start "$px" "$py")

# The arrow keys move the eye; the picture changes.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key --delay 30 Left Left Left Left Left Left Left Left Left Left Up Up Up Up Up
sleep 1
shot turned
changed=$(compare -metric AE "$work/start.png" "$work/turned.png" null: 2>&1 || true)
[ "${changed%%.*}" -gt 500 ] 2>/dev/null ||
  fail "the arrow keys changed only $changed pixels of the picture"

# "8: H" in the selector, then "OK". Dialog units -> pixels from the
# selector's own size (229 x 328 units).
click_unit() {
  xdotool mousemove --window "$selector" $(($1 * sw / 229)) $(($2 * sh / 328)) click 1
}
click_unit 102 127   # "8: H": first column, eighth row
sleep 0.5
click_unit 35 277    # "OK"
sleep 1
shot stellated
stellated_share=$(solid_share stellated "$px" "$py")
awk -v a="$stellated_share" -v b="$start_share" 'BEGIN { exit !(a > b + 0.05) }' ||
  fail "after \"8: H\" and OK the solid covers $stellated_share of the picture, before $start_share"

# Alt+? opens the About box; Enter closes it.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key alt+question
about=$(timeout 10 xdotool search --sync --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' | head -n 1) ||
  fail "Alt+? did not open the About box"
xdotool windowactivate --sync "$about" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name 'ﾊﾞｰｼﾞｮﾝ情報' >/dev/null 2>&1 && fail "Enter did not close the About box"

close_and_expect_exit_zero
echo "viewer session: start picture, arrow keys, \"8: H\" and OK (solid share $start_share -> $stellated_share), About box, close: all as expected"
