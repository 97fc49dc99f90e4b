#!/usr/bin/env bash
# Redraws docs/toolbar.png: the toolbar with the shape chooser open beside a
# slide annotated with each kind of element. Needs a built tree
# (BUILD_DIR, default build) and runs on its own virtual desktop with a
# compositor, so that the overlay's transparency shows the slide beneath.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
PROGRAM="$BUILD_DIR/bin/Quillmark"
[ -x "$PROGRAM" ] || { echo "Build Quillmark first ($PROGRAM)" >&2; exit 1; }

WORK="$(mktemp -d)"
PIDS=()
source scripts/desktop.sh
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    quillmark_stop_desktop
    rm -rf "$WORK"
}
quillmark_start_desktop
trap cleanup EXIT

xcompmgr >/dev/null 2>&1 &
PIDS+=($!)

# The slide under the drawing.
FONT=/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
BOLD=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
convert -size 1920x1080 gradient:'#e9eef5'-'#d5dde8' \
    -fill '#00000018' -draw "roundrectangle 984,96 1726,686 14,14" \
    -fill white -draw "roundrectangle 980,90 1720,680 14,14" \
    -font "$BOLD" -pointsize 34 -fill '#1f2a37' -annotate +1020+150 'Quarterly review' \
    -font "$FONT" -pointsize 20 -fill '#5b6675' -annotate +1020+185 'Active users per month, in thousands' \
    -stroke '#c9d1db' -strokewidth 1 -draw "line 1020,560 1500,560" -draw "line 1020,480 1500,480" \
    -draw "line 1020,400 1500,400" -draw "line 1020,320 1500,320" -stroke none \
    -fill '#7aa7d9' -draw "rectangle 1045,420 1115,560" -draw "rectangle 1150,380 1220,560" \
    -draw "rectangle 1255,400 1325,560" -fill '#2f6fb5' -draw "rectangle 1360,270 1430,560" \
    -font "$FONT" -pointsize 18 -fill '#5b6675' -annotate +1066+588 'Jan' -annotate +1169+588 'Feb' \
    -annotate +1274+588 'Mar' -annotate +1380+588 'Apr' \
    -font "$FONT" -pointsize 20 -fill '#1f2a37' -annotate +1525+300 'Launch in April' \
    -annotate +1525+330 'doubled sign-ups' -fill '#5b6675' -annotate +1525+420 'Churn: 3.1%' \
    -annotate +1525+450 'NPS: 47' \
    -font "$FONT" -pointsize 18 -fill '#8a94a3' -annotate +1020+650 'Source: product analytics, weekly export' \
    "$WORK/slide.png"
display -title slide -geometry +0+0 "$WORK/slide.png" &
PIDS+=($!)
sleep 2
SLIDE="$(xdotool search --name '^slide$' | head -1)"
xprop -id "$SLIDE" -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS "2, 0, 0, 0, 0"
sleep 0.5
xdotool windowmove --sync "$SLIDE" 0 0
sleep 0.5
# The window manager keeps the slide clear of the tray's strip: shift the
# drawing by wherever the slide landed.
OX=$(xwininfo -id "$SLIDE" | awk '/Absolute upper-left X/ {print $4}')
OY=$(xwininfo -id "$SLIDE" | awk '/Absolute upper-left Y/ {print $4}')

mkdir -p "$WORK/config" "$WORK/tmp"
XDG_CONFIG_HOME="$WORK/config" TMPDIR="$WORK/tmp" "$PROGRAM" >/dev/null 2>&1 &
PIDS+=($!)
sleep 4
eval "$(xdotool search --all --onlyvisible --pid "${PIDS[-1]}" --name '^主窗口$' getwindowgeometry --shell)"
TX=$((X + 16)); TY=$Y

# Toolbar button i (0 collapse ... 13 menu) and chooser entry j at offset seY.
btn() { if [ "$1" -eq 0 ]; then echo $((TY + 51)); else echo $((TY + 80 + ($1 - 1) * 33)); fi; }
entry() { echo $((TY + $1 + 8 + 24 * $2 + 11)); }
hover() { xdotool mousemove $(($1 - 3)) $(($2 - 3)); sleep 0.15; xdotool mousemove "$1" "$2"; sleep 0.6; }
clickat() { hover "$1" "$2"; xdotool click 1; sleep 0.5; }
choose() { hover "$TX" "$(btn "$1")"; clickat $((TX + 33)) "$(entry "$2" "$3")"; }
# A drag through slide points.
drag() {
    xdotool mousemove $(($1 + OX)) $(($2 + OY)) mousedown 1
    shift 2
    while [ $# -gt 0 ]; do
        xdotool mousemove $(($1 + OX)) $(($2 + OY))
        sleep 0.02
        shift 2
    done
    xdotool mouseup 1
    sleep 0.3
}
dot() { xdotool mousemove $(($1 + OX)) $(($2 + OY)) click 1; sleep 0.3; }

clickat "$TX" "$(btn 1)" # drawing on
sleep 1.5
wave=()
for x in $(seq 1021 8 1289); do wave+=("$x" "$(awk -v x="$x" 'BEGIN { printf "%d", 164 + 3 * sin((x - 1021) / 9) }')"); done
drag "${wave[@]}"
choose 3 78 3 # rectangle
drag 1347 254 1379 330 1419 460 1444 571
choose 3 78 2 # arrow
drag 1519 318 1499 330 1479 342 1453 356
choose 3 78 4 # numbered circles
dot 1501 413
dot 1501 443
choose 2 55 1   # highlighter
choose 10 357 3 # at the largest thickness
drag 1523 414 1569 414 1619 414 1663 414
hover "$TX" "$(btn 3)" # the shape chooser stays open beside the toolbar
sleep 1

import -window root "$WORK/full.png"
convert "$WORK/full.png" -crop 960x620+960+70 +repage docs/toolbar.png
echo "Wrote docs/toolbar.png"
