#!/usr/bin/env bash
# One measured run of the viewer or of the floor program on the X display of
# the caller (bench/compare.sh starts each under its own xvfb-run).
#   run_once.sh morvat|floor BUILD_DIR OUT_DIR KEY_COUNT
# Leaves in OUT_DIR: startup_ms (exec to first swap on the server), hwm_kb
# (VmHWM once started), keys_ms (one line per arrow key: press to swap).
# For the viewer keys_ms is taken with all 23 tiles checked in the selector,
# as a person would check them; keys_start_ms, with the start picture (tile 0
# alone), comes first and shows what the program's own key path costs.
set -euo pipefail

kind=$1 build=$2 out=$3 keys=$4
probe_dir=$build/bench/probe
mkdir -p "$out"
rm -f "$out"/swaps.log "$out"/exec.stamp "$out"/startup_ms "$out"/hwm_kb "$out"/keys_ms "$out"/keys_start_ms
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR

case $kind in
    morvat) program=$build/shell/morvat title='^morvat$' ;;
    floor) program=$build/bench/floor/floor_window title='^floor$' ;;
    *) echo "run_once: unknown program $kind" >&2; exit 2 ;;
esac

pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

SWAP_PROBE_LOG=$out/swaps.log LD_PRELOAD=$probe_dir/swap_probe.so \
    "$probe_dir/stamp_exec" "$out/exec.stamp" "$program" 2>"$out/stderr.log" &
pid=$!

# The first frame: the first swap the probe stamps.
for _ in $(seq 400); do
    [ -s "$out/swaps.log" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "run_once: $kind ended before its first frame" >&2; exit 1; }
    sleep 0.05
done
[ -s "$out/swaps.log" ] || { echo "run_once: $kind showed no frame within 20 s" >&2; exit 1; }
awk 'NR == FNR { start = $1; next } FNR == 1 { printf "%.3f\n", ($1 - start) * 1000 }' \
    "$out/exec.stamp" "$out/swaps.log" >"$out/startup_ms"

main=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)
if [ "$kind" = morvat ]; then
    selector=$(timeout 20 xdotool search --sync --onlyvisible --name '^morvat tile selector$' | head -n 1)
fi
# Both programs are idle and fully up by now; their peak so far is start-up's.
sleep 1
awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" >"$out/hwm_kb"

# Dialog units -> pixels of the selector, whose template is 229 x 328 units.
click_unit() {  # window width height x_units y_units
    xdotool mousemove --window "$1" $(($4 * $2 / 229)) $(($5 * $3 / 328)) click 1
}

# Keyboard focus to the GL window: a click in it, the same for both programs.
focus_gl_window() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT - 20)) click 1
    sleep 0.5
}

if [ "$kind" = morvat ]; then
    focus_gl_window
    "$probe_dir/key_latency" "$out/swaps.log" "$keys" Left 100 >"$out/keys_start_ms"
    import -window "$main" "$out/start.png"
    eval "$(xdotool getwindowgeometry --shell "$selector")"
    # Check boxes are 10 units high with the box at their left end; tile 0 is
    # checked at start, so tiles 1 to 22 are clicked: rows at y = 40 + 15 n,
    # "l" tiles in the second column at x 40.
    rows=(55 70 70 85 100 100 115 115 130 130 145 160 175 175 190 190 205 205 220 235 235 250)
    cols=(15 15 40 15 15 40 15 40 15 40 15 15 15 40 15 40 15 40 15 15 40 15)
    for i in "${!rows[@]}"; do
        click_unit "$selector" "$WIDTH" "$HEIGHT" $((cols[i] + 5)) $((rows[i] + 5))
    done
    click_unit "$selector" "$WIDTH" "$HEIGHT" 35 277  # "OK"
    sleep 0.3
fi
focus_gl_window
"$probe_dir/key_latency" "$out/swaps.log" "$keys" Left 100 >"$out/keys_ms"

if [ "$kind" = morvat ]; then
    import -window "$main" "$out/all_tiles.png"
    import -window "$selector" "$out/selector.png"
    # The start picture is mostly background; the full solid at the start
    # distance covers the view. If the clicks missed, the figures above were
    # not taken with all tiles and the run is void.
    background_share() {
        convert "$1" -fill black +opaque 'srgb(64,64,64)' -fill white -opaque 'srgb(64,64,64)' \
            -format '%[fx:mean]' info:
    }
    start_share=$(background_share "$out/start.png")
    all_share=$(background_share "$out/all_tiles.png")
    echo "background share: start picture $start_share, all tiles $all_share" >"$out/pictures.txt"
    if ! awk -v a="$all_share" -v s="$start_share" 'BEGIN { exit !(s > 0.5 && a < 0.1) }'; then
        echo "run_once: the all-tiles picture does not look like all tiles ($(cat "$out/pictures.txt"))" >&2
        exit 1
    fi
fi
