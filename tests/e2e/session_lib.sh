# Shared by the end-to-end sessions: a private Xvfb with a window manager of
# its own, the viewer started on it, its two windows found and laid side by
# side, and pictures of the main window. Source it after setting `viewer`
# (the binary) and `script` (the session's own path), and optionally
# `fail_prefix`; it re-runs the session under xvfb-run first.

# The About box is found by its Japanese title; xdotool matches window names
# only in a UTF-8 locale, which a bare environment (LANG unset) lacks.
export LC_ALL=C.UTF-8

if [ -z "${MORVAT_E2E_INNER:-}" ]; then
  export MORVAT_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$script" "$viewer"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# On failure the screenshots are kept in MORVAT_E2E_SHOTS, when it names a folder.
fail() {
  echo "${fail_prefix:-FAIL}: $*" >&2
  if [ -n "${MORVAT_E2E_SHOTS:-}" ]; then cp "$work"/*.png "$MORVAT_E2E_SHOTS"/ 2>/dev/null || true; fi
  exit 1
}

# Geometry of a window's client area: X Y WIDTH HEIGHT.
client_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# Starts the window manager and the viewer, and sets viewer_pid, main and
# selector (window ids), mw/mh and sw/sh (client sizes of the main window and
# the selector), px/py (the picture: the bottom 512 x 512 under the menu bar).
start_viewer() {
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

  "$viewer" >"$work/stdout" 2>"$work/stderr" &
  viewer_pid=$!
  pids+=($viewer_pid)

  main=$(timeout 20 xdotool search --sync --onlyvisible --name '^morvat$' | head -n 1) ||
    fail "the main window did not appear"
  selector=$(timeout 20 xdotool search --sync --onlyvisible --name '^morvat tile selector$' | head -n 1) ||
    fail "the tile selector did not appear"

  # The selector opens over the main window's right half; a person drags it
  # aside to see the whole solid, and so that clicks on it never land on the
  # picture.
  xdotool windowmove --sync "$main" 0 0 2>/dev/null || xdotool windowmove "$main" 0 0
  xdotool windowmove --sync "$selector" 640 0 2>/dev/null || xdotool windowmove "$selector" 640 0
  sleep 1
  read -r _ _ mw mh <<<"$(client_geometry "$main")"
  read -r _ _ sw sh <<<"$(client_geometry "$selector")"
  px=$(((mw - 512) / 2))
  py=$((mh - 512))
}

# A picture of the main window as it is on screen (menu bar and picture).
shot() { import -window "$main" "$work/$1.png"; }

# The window manager asks the main window to close, as its close box does;
# the viewer must then end with exit code 0.
close_and_expect_exit_zero() {
  wmctrl -i -c "$main"
  local code=0
  timeout 10 tail --pid="$viewer_pid" -f /dev/null || fail "the viewer did not end after its window was closed"
  wait "$viewer_pid" || code=$?
  [ "$code" -eq 0 ] || fail "exit code $code; stderr: $(cat "$work/stderr")"
}
