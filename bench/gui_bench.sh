#!/usr/bin/env bash
# CPU of the running program, measured from /proc while xdotool drives it under
# Xvfb, for this tree and a baseline commit built beside it, in the same run:
#   - a 400-move pen stroke at 125 Hz (CPU per move, median of three strokes),
#     with 0 and with 2000 strokes already on the canvas;
#   - breathing (3 s period) and fade-out (one fade every 3 s) over 30 s, and
#     idle over 10 s, as a share of one core.
# Run by hand (not part of the test suite), from the repository:
#   bash bench/gui_bench.sh                 # baseline 7c5078d, both screen sizes
#   BASE_REV=<commit> SIZES=1920x1080 bash bench/gui_bench.sh
# Environment: BUILD_DIR (this tree's build, default build), BASE_REV, BASE_DIR
# (where the baseline is checked out and built, default /tmp/quillmark-bench-<rev>),
# SIZES, STROKES, RUNS, EFFECT_SECONDS, OUT (the Markdown table, default
# <build>/gui-bench.md). Every program's log lands beside the table.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$(cd "${BUILD_DIR:-$ROOT/build}" && pwd)"
BASE_REV="${BASE_REV:-7c5078d}"
BASE_DIR="${BASE_DIR:-/tmp/quillmark-bench-$BASE_REV}"
SIZES="${SIZES:-1920x1080 3840x2160}"
STROKES="${STROKES:-0 2000}"
RUNS="${RUNS:-3}"
MOVES=400
EFFECT_SECONDS="${EFFECT_SECONDS:-30}"
IDLE_SECONDS=10
OUT="${OUT:-$BUILD_DIR/gui-bench.md}"
WORK="$(mktemp -d)"
HZ="$(getconf CLK_TCK)"

for tool in Xvfb openbox trayer xdotool import convert python3 git cmake ninja; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (see scripts/deps.sh)" >&2; exit 1; }
done
[ -x "$BUILD_DIR/bin/Quillmark" ] || { echo "build this tree first: $BUILD_DIR/bin/Quillmark" >&2; exit 1; }

# The baseline: a detached worktree of the same repository, built with ccache.
if [ ! -x "$BASE_DIR/build/bin/Quillmark" ]; then
    [ -d "$BASE_DIR" ] || git -C "$ROOT" worktree add --detach "$BASE_DIR" "$BASE_REV"
    cmake -S "$BASE_DIR" -B "$BASE_DIR/build" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
    cmake --build "$BASE_DIR/build" -j2 --target Quillmark
fi
PROGRAMS=("$BASE_DIR/build/bin/Quillmark" "$BUILD_DIR/bin/Quillmark")
LABELS=("$BASE_REV" "$(git -C "$ROOT" rev-parse --short HEAD)$(git -C "$ROOT" diff --quiet HEAD || echo '+')")

# shellcheck source=../scripts/desktop.sh
source "$ROOT/scripts/desktop.sh"

PID=""
cleanup() {
    if [ -n "$PID" ]; then kill "$PID" 2>/dev/null || true; wait "$PID" 2>/dev/null || true; fi
    quillmark_stop_desktop
    rm -rf "$WORK"
}
trap cleanup EXIT

ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }

# Waits until the program has used no CPU for half a second (at most $1 s).
settle() {
    local limit=$(($1 * 4)) last now still=0
    last="$(ticks)"
    for _ in $(seq 1 "$limit"); do
        sleep 0.25
        now="$(ticks)"
        if [ "$now" = "$last" ]; then
            still=$((still + 1))
            [ "$still" -ge 2 ] && return 0
        else
            still=0
        fi
        last="$now"
    done
    echo "  (still busy after $1 s)" >&2
}

window() { # title regex -> "x y w h" of the program's visible window
    xdotool search --all --onlyvisible --pid "$PID" --name "$1" getwindowgeometry --shell 2>/dev/null |
        awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{if (w) print x, y, w, h}'
}

wait_window() {
    for _ in $(seq 1 150); do
        [ -n "$(window "$1")" ] && return 0
        sleep 0.2
    done
    echo "no window $1" >&2
    return 1
}

# Hovers a toolbar button (0 collapse ... 11 fade timer, 12 breathing, 13 menu)
# and picks entry $2 of the chooser that opens.
choose() {
    local x y w h cx cy
    read -r x y w h <<<"$(window '^主窗口$')"
    cx=$((x + w / 2))
    cy=$((y + 31 + 7 + 29 + ($1 - 1) * 33 + 13))
    xdotool mousemove $((cx - 3)) $((cy - 3)) sleep 0.1 mousemove "$cx" "$cy"
    wait_window '^Sub Window$'
    sleep 0.3
    read -r x y w h <<<"$(window '^Sub Window$')"
    xdotool mousemove $((x + w / 2)) $((y + 8 + $2 * 24 + 11)) sleep 0.1 click 1
    sleep 0.5
}

# A zig-zag of $MOVES moves across the middle of the screen, 8 ms apart.
stroke_script() {
    local width=$1 height=$2 i x y
    echo "mousemove $((width / 8)) $((height / 2)) mousedown 1"
    for i in $(seq 1 "$MOVES"); do
        x=$((width / 8 + i * (width * 5 / 8) / MOVES))
        y=$((height / 2 + ((i / 20) % 2 == 0 ? (i % 20) : 20 - (i % 20)) * height / 100))
        echo "mousemove $x $y sleep 0.008"
    done
    echo "mouseup 1"
}

# $1 short strokes in a grid over the screen, sent in one batch; a short pause after
# each one keeps Qt from merging the moves of neighbouring strokes.
grid() { # count width height -> cols rows cell-width cell-height
    local cols=50
    local rows=$((($1 + cols - 1) / cols))
    echo "$cols $rows $((($2 - 160) / cols)) $((($3 - 80) / rows))"
}

batch_script() {
    local cols rows cw ch i x y
    read -r cols rows cw ch <<<"$(grid "$@")"
    for i in $(seq 0 $(($1 - 1))); do
        x=$((40 + (i % cols) * cw))
        y=$((40 + (i / cols) * ch))
        echo "mousemove $x $y mousedown 1 mousemove $((x + cw / 3)) $y" \
            "mousemove $((x + cw * 2 / 3)) $y mouseup 1 sleep 0.005"
    done
}

# How many strokes of the batch show red ink at their middle.
inked_strokes() {
    local cols rows cw ch
    read -r cols rows cw ch <<<"$(grid "$@")"
    import -window root "$WORK/shot.png"
    convert "$WORK/shot.png" "$WORK/shot.ppm"
    python3 - "$WORK/shot.ppm" "$1" "$cols" "$cw" "$ch" <<'PY'
import sys
path, count, cols, cw, ch = sys.argv[1], *map(int, sys.argv[2:])
data = open(path, 'rb').read()
fields = data.split(maxsplit=4)
width, height, pixels = int(fields[1]), int(fields[2]), fields[4]
def red(x, y):
    r, g, b = pixels[3 * (y * width + x):3 * (y * width + x) + 3]
    return r > 150 and g < 100 and b < 100
seen = 0
for i in range(count):
    x, y = 40 + (i % cols) * cw + cw // 3, 40 + (i // cols) * ch
    seen += any(red(x + dx, y + dy) for dx in range(-2, 3) for dy in range(-2, 3))
print(seen)
PY
}

median() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

declare -A RESULT
for size in $SIZES; do
    width="${size%x*}"
    height="${size#*x}"
    QUILLMARK_DESKTOP_SIZE="$size" quillmark_start_desktop
    trap cleanup EXIT
    stroke_script "$width" "$height" >"$WORK/stroke.xdo"
    for p in 0 1; do
        label="${LABELS[$p]}"
        home="$WORK/home-$p-$size"
        mkdir -p "$home/config" "$home/tmp"
        log="$(dirname "$OUT")/gui-bench-$label-$size.log"
        echo "== $label at $size"
        XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" "${PROGRAMS[$p]}" >"$log" 2>&1 &
        PID=$!
        wait_window '^主窗口$'
        # The hot keys work once the toolbar has loaded its settings.
        for _ in $(seq 1 30); do
            xdotool key ctrl+e
            sleep 1
            grep -q '画笔' "$log" && break
        done
        wait_window '^draw$'
        settle 20
        have=0
        for strokes in $STROKES; do
            if [ "$strokes" -gt "$have" ]; then
                batch_script $((strokes - have)) "$width" "$height" >"$WORK/batch.xdo"
                start=$(date +%s)
                xdotool - <"$WORK/batch.xdo"
                settle 600
                echo "  $strokes strokes drawn in $(($(date +%s) - start)) s," \
                    "$(inked_strokes $((strokes - have)) "$width" "$height") of them on screen"
                have=$strokes
            fi
            costs=()
            for _ in $(seq 1 "$RUNS"); do
                before=$(ticks)
                xdotool - <"$WORK/stroke.xdo"
                settle 60
                costs+=("$(awk -v d=$(($(ticks) - before)) -v hz="$HZ" -v n=$MOVES \
                    'BEGIN { printf "%.2f", d * 1000 / hz / n }')")
                # The stroke goes again, so every run starts from the same canvas.
                xdotool key ctrl+z
                settle 20
            done
            echo "  pointer move with $strokes strokes: ${costs[*]} ms"
            RESULT["move|$size|$strokes|$p"]="$(median "${costs[@]}")"
        done

        share() { # CPU share of one core over $1 s, in per cent
            local before
            before=$(ticks)
            sleep "$1"
            awk -v d=$(($(ticks) - before)) -v hz="$HZ" -v s="$1" 'BEGIN { printf "%.1f", d * 100 / hz / s }'
        }
        choose 12 1 # breathing, 3 s period
        RESULT["breath|$size|$p"]="$(share "$EFFECT_SECONDS")"
        choose 12 0
        settle 20
        choose 11 1 # fade-out every 3 s
        RESULT["fade|$size|$p"]="$(share "$EFFECT_SECONDS")"
        choose 11 0
        settle 20
        xdotool mousemove $((width / 2)) $((height / 2))
        settle 20
        RESULT["idle|$size|$p"]="$(share "$IDLE_SECONDS")"
        echo "  breathing ${RESULT["breath|$size|$p"]} %, fade-out ${RESULT["fade|$size|$p"]} %," \
            "idle ${RESULT["idle|$size|$p"]} %"
        kill "$PID"
        wait "$PID" 2>/dev/null || true
        PID=""
    done
    quillmark_stop_desktop
done

{
    echo "| measure | screen | strokes | ${LABELS[0]} | ${LABELS[1]} |"
    echo "|---|---|---|---|---|"
    for size in $SIZES; do
        for strokes in $STROKES; do
            echo "| CPU per pointer move (ms, median of $RUNS) | $size | $strokes |" \
                "${RESULT["move|$size|$strokes|0"]} | ${RESULT["move|$size|$strokes|1"]} |"
        done
    done
    for size in $SIZES; do
        echo "| breathing, 3 s period (% of a core over $EFFECT_SECONDS s) | $size | $(echo "$STROKES" | awk '{print $NF}') |" \
            "${RESULT["breath|$size|0"]} | ${RESULT["breath|$size|1"]} |"
        echo "| fade-out every 3 s (% of a core over $EFFECT_SECONDS s) | $size | $(echo "$STROKES" | awk '{print $NF}') |" \
            "${RESULT["fade|$size|0"]} | ${RESULT["fade|$size|1"]} |"
        echo "| idle (% of a core over $IDLE_SECONDS s) | $size | $(echo "$STROKES" | awk '{print $NF}') |" \
            "${RESULT["idle|$size|0"]} | ${RESULT["idle|$size|1"]} |"
    done
} | tee "$OUT"
