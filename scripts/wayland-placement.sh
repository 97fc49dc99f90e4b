#!/usr/bin/env bash
# Checks the program's placement under KWin and Mutter with XWayland, over a native
# window shown full screen as a slide show would be: the toolbar at the right edge of the
# output and visible above the slide, the overlay over the whole output, a stroke drawn
# over the slide, in pass-through the ink still showing while a double click and typed
# keys reach the slide, the pen over the whole output again afterwards, and what a screen
# capture does there.
#
#   scripts/wayland-placement.sh [kwin] [mutter]      (default: both)
#
# Each compositor runs nested in a virtual X display of its own (KWin's X11 windowed
# back-end, Mutter's --nested): xdotool on that display moves the compositor's own
# pointer, so clicks reach native windows as well as XWayland ones, and `import` takes
# the compositor's whole output. (Headless, KWin's screenshot interface only answers
# authorised programs and Mutter offers none without GNOME Shell; neither has an input
# device that reaches native windows.) As root the session runs as the user "qmsway".
# Screenshots and logs go to $OUT (default build/wayland-placement). Needs kwin-wayland
# and mutter, which scripts/deps.sh does not install (too large for every CI run).
# Exit status: the number of failed checks (0 when all hold).
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
PROGRAM="$(realpath "$BUILD_DIR/bin/Quillmark" 2>/dev/null || true)"
OUT="$(realpath -m "${OUT:-$BUILD_DIR/wayland-placement}")"
WIDTH=1280
HEIGHT=800
[ -x "$PROGRAM" ] || { echo "Build Quillmark first ($BUILD_DIR/bin/Quillmark)" >&2; exit 2; }
mkdir -p "$OUT"

FAILED=0
RUN_USER="$(id -un)"
if [ "$(id -u)" -eq 0 ]; then
    RUN_USER=qmsway
    id "$RUN_USER" >/dev/null 2>&1 ||
        useradd --no-create-home --shell /usr/sbin/nologin "$RUN_USER" || exit 2
fi
as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid "$RUN_USER" --regid "$RUN_USER" --init-groups -- "$@"
    else
        "$@"
    fi
}
as_user test -x "$PROGRAM" ||
    { echo "$RUN_USER cannot run $PROGRAM: build it in a folder others may read" >&2; exit 2; }

pass() { echo "  PASS  $*"; }
fail() { echo "  FAIL  $*"; FAILED=$((FAILED + 1)); }
# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local limit=$(($1 * 10))
    shift
    for _ in $(seq 1 "$limit"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# --- the outer display, the compositor's output and its pointer ---
shot() { DISPLAY="$OUTER" import -window root "$OUT/$NAME-$1.png" 2>/dev/null && echo "$OUT/$NAME-$1.png"; }
outer() { DISPLAY="$OUTER" xdotool "$@"; }
click_at() { outer mousemove $(($1 - 4)) $(($2 - 4)) sleep 0.1 mousemove "$1" "$2" sleep 0.2 click 1; }
stroke() { # from x1,y to x2,y in 20 px steps, as a hand would
    outer mousemove "$1" "$3" sleep 0.1 mousedown 1
    for x in $(seq "$1" 20 "$2"); do outer mousemove "$x" "$3"; sleep 0.03; done
    outer mouseup 1
}
# Light pixels of the slide's first line of text.
text_pixels() { convert "$1" -crop 400x50+0+0 -colorspace Gray -threshold 66% -format '%[fx:int(mean*w*h)]' info:; }
# Red pen pixels within 4 px of a point.
ink_near() {
    [ "$(convert "$1" -crop 9x9+$(($2 - 4))+$(($3 - 4)) -fx '(r>0.7&&g<0.3&&b<0.3)' \
        -format '%[fx:int(mean*w*h)]' info:)" -gt 0 ]
}
grey_at() { convert "$1" -format "%[fx:int(255*p{$2,$3}.intensity)]" info:; }

# --- the session, inside the compositor ---
in_session() { as_user env DISPLAY="$XW_DISPLAY" XAUTHORITY="$XW_XAUTHORITY" "$@"; }
# The geometry "WxH+X+Y" of the program's X window with this title.
window() {
    in_session xwininfo -root -tree 2>/dev/null |
        sed -n "s/.*\"$1\": (\"Quillmark\".*  \([0-9]*x[0-9]*+-\?[0-9]*+-\?[0-9]*\)  .*/\1/p" | head -1
}
program() {
    as_user env -i HOME="$HOME_DIR" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        XDG_RUNTIME_DIR="$HOME_DIR/run" XDG_CONFIG_HOME="$HOME_DIR/config" \
        XDG_DATA_HOME="$HOME_DIR/data" TMPDIR="$HOME_DIR/tmp" \
        WAYLAND_DISPLAY="$XW_WAYLAND" DISPLAY="$XW_DISPLAY" XAUTHORITY="$XW_XAUTHORITY" \
        DBUS_SESSION_BUS_ADDRESS="$XW_BUS" XDG_SESSION_TYPE=wayland \
        XDG_CURRENT_DESKTOP="$DESKTOP" "$PROGRAM" "$@"
}

start_session() {
    WORK="$(mktemp -d)"
    chmod 755 "$WORK"
    RUNTIME="$WORK/run"
    HOME_DIR="$WORK/home"
    mkdir -p "$RUNTIME/home" "$HOME_DIR"/{run,config/tallowby,data,tmp,captures}
    chmod 700 "$RUNTIME" "$HOME_DIR/run"
    printf '[General]\nscreenSavePath=%s\n' "$HOME_DIR/captures" >"$HOME_DIR/config/tallowby/settings.conf"
    cat >"$RUNTIME/session.sh" <<EOF
#!/bin/sh
dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP=$DESKTOP XDG_SESSION_TYPE=wayland
printf 'XW_WAYLAND=%s\\nXW_DISPLAY=%s\\nXW_XAUTHORITY=%s\\nXW_BUS=%s\\n' "\$WAYLAND_DISPLAY" "\$DISPLAY" "\$XAUTHORITY" "\$DBUS_SESSION_BUS_ADDRESS" >"\$XDG_RUNTIME_DIR/session.part"
mv "\$XDG_RUNTIME_DIR/session.part" "\$XDG_RUNTIME_DIR/session.env"
exec sleep infinity
EOF
    # The slide: a full-screen terminal with a line of large text; the lines typed into it
    # (not echoed) go to a file.
    cat >"$RUNTIME/slide.sh" <<EOF
#!/bin/sh
printf '\\033[44m\\033[1;37mSLIDE TEXT\\033[0m\\n'
stty -echo
while read -r line; do echo "\$line" >>"$RUNTIME/slide-keys"; done
EOF
    chmod 755 "$RUNTIME/session.sh" "$RUNTIME/slide.sh"
    [ "$(id -u)" -eq 0 ] && chown -R "$RUN_USER" "$RUNTIME" "$HOME_DIR"

    local numfile="$WORK/display"
    Xvfb -displayfd 3 -noreset -screen 0 "${WIDTH}x${HEIGHT}x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    wait_for 10 test -s "$numfile" || { fail "$NAME: Xvfb did not start"; return 1; }
    OUTER=":$(tr -d '[:space:]' <"$numfile")"
    wait_for 10 env DISPLAY="$OUTER" xdpyinfo >/dev/null 2>&1
    [ "$(id -u)" -eq 0 ] && DISPLAY="$OUTER" xhost "+si:localuser:$RUN_USER" >/dev/null

    setsid env -i HOME="$RUNTIME/home" XDG_RUNTIME_DIR="$RUNTIME" PATH=/usr/bin:/bin \
        DISPLAY="$OUTER" XDG_CURRENT_DESKTOP="$DESKTOP" XDG_SESSION_TYPE=wayland \
        MUTTER_DEBUG_DUMMY_MODE_SPECS="${WIDTH}x${HEIGHT}" \
        "$(command -v setpriv)" --reuid "$RUN_USER" --regid "$RUN_USER" --init-groups -- \
        dbus-run-session -- "${COMPOSITOR[@]/@OUTER@/$OUTER}" "$RUNTIME/session.sh" \
        >"$OUT/$NAME-compositor.log" 2>&1 &
    SESSION_PID=$!
    wait_for 30 test -s "$RUNTIME/session.env" || { fail "$NAME: the compositor did not come up (see $OUT/$NAME-compositor.log)"; return 1; }
    # shellcheck disable=SC1091
    . "$RUNTIME/session.env"
    wait_for 15 in_session xdpyinfo >/dev/null 2>&1 || { fail "$NAME: XWayland does not answer"; return 1; }
    return 0
}

stop_session() {
    [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
    [ -n "${SESSION_PID:-}" ] && kill -- "-$SESSION_PID" 2>/dev/null
    sleep 1
    [ -n "${SESSION_PID:-}" ] && kill -9 -- "-$SESSION_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
    PROGRAM_PID="" SESSION_PID="" XVFB_PID=""
}

check_placement() {
    echo "== $NAME ($("${COMPOSITOR[0]}" --version 2>/dev/null | head -1))"
    start_session || { stop_session; return; }
    (cd "$RUNTIME" && as_user env -i HOME="$RUNTIME/home" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$RUNTIME" \
        WAYLAND_DISPLAY="$XW_WAYLAND" DBUS_SESSION_BUS_ADDRESS="$XW_BUS" \
        weston-terminal -f --font-size=30 --shell="$RUNTIME/slide.sh" >/dev/null 2>&1 &)
    local s
    slide_shows() { s="$(shot slide)" && [ "$(text_pixels "$s")" -gt 200 ]; }
    wait_for 15 slide_shows || { fail "the full-screen slide does not show"; stop_session; return; }

    program >"$OUT/$NAME-program.log" 2>&1 &
    PROGRAM_PID=$!
    local toolbar="" previous=""
    for _ in $(seq 1 100); do # until it has the same place three times running
        sleep 0.2
        local now
        now="$(window 主窗口)"
        [ -n "$now" ] && [ "$now" = "$previous" ] && [ "$now" = "$toolbar" ] && break
        toolbar="$previous"
        previous="$now"
    done
    toolbar="$previous"
    [ -n "$toolbar" ] || { fail "no toolbar (see $OUT/$NAME-program.log)"; stop_session; return; }
    local tw th tx ty
    IFS='x+' read -r tw th tx ty <<<"$toolbar"
    if [ "$tx" -gt $((WIDTH * 3 / 4)) ] && [ $((tx + tw)) -le "$WIDTH" ]; then
        pass "toolbar at the right edge ($toolbar)"
    else
        fail "toolbar not at the right edge ($toolbar)"
    fi
    # The toolbar's buttons: the logo 31 px and a gap of 7, then 26 px buttons 3 px apart
    # with a 1 px separator from the second on.
    local cx=$((tx + tw / 2)) switch_y=$((ty + 38 + 29 + 13)) panel_y=$((ty + 38 + 29 + 5 * 33 + 13 + 15))
    toolbar_shows() { s="$(shot toolbar)" && [ "$(grey_at "$s" "$cx" "$panel_y")" -gt 200 ]; }
    if wait_for 10 toolbar_shows; then pass "toolbar visible above the full-screen slide ($s)"; else fail "the slide hides the toolbar ($s)"; fi

    click_at "$cx" "$switch_y"
    overlay_full() { [ "$(window draw)" = "${WIDTH}x${HEIGHT}+0+0" ]; }
    if wait_for 10 overlay_full; then pass "overlay over the whole output"; else fail "overlay: '$(window draw)'"; fi
    sleep 0.5
    stroke 300 700 400
    drawn() { s="$(shot stroke)" && ink_near "$s" 320 400 && ink_near "$s" 680 400 && [ "$(grey_at "$s" "$cx" "$panel_y")" -gt 200 ]; }
    if wait_for 10 drawn; then pass "stroke over the slide, toolbar still above ($s)"; else fail "no stroke over the slide ($s)"; fi

    click_at "$cx" "$switch_y" # drawing off: pass-through
    sleep 1
    inked() { s="$(shot pass-through)" && ink_near "$s" 320 400 && ink_near "$s" 680 400; }
    if wait_for 10 inked; then pass "pass-through: the ink stays over the slide ($s), overlay $(window draw)"; else fail "pass-through: the ink is gone ($s)"; fi
    local before
    before="$(text_pixels "$s")"
    outer mousemove 60 30 sleep 0.2 click --repeat 2 --delay 80 1
    selected() { s="$(shot pass-through-selected)" && local now && now="$(text_pixels "$s")" && [ $((now - before)) -gt 200 -o $((before - now)) -gt 200 ]; }
    if wait_for 10 selected; then pass "pass-through: a double click beside the ink selects a word on the slide ($s)"; else fail "pass-through: the double click did not reach the slide ($s)"; fi
    outer type --delay 50 "next"
    outer key Return
    keys_arrived() { grep -qx next "$RUNTIME/slide-keys" 2>/dev/null; }
    if wait_for 5 keys_arrived; then pass "pass-through: typed keys reach the slide"; else fail "pass-through: typed keys do not reach the slide"; fi

    click_at "$cx" "$switch_y" # drawing on again, after the slide had the focus
    wait_for 10 overlay_full
    sleep 0.5
    stroke 300 700 600
    again() { s="$(shot drawing-again)" && ink_near "$s" 320 600 && ink_near "$s" 680 600 && ink_near "$s" 500 400; }
    if wait_for 10 again; then pass "drawing again after the slide had the focus: drawn where the pen went ($s)"; else fail "drawing again: no stroke ($s)"; fi

    local screenshot_y=$((ty + 38 + 29 + 7 * 33 + 13))
    click_at "$cx" "$screenshot_y"
    captured() { ls "$HOME_DIR"/captures/*.jpg >/dev/null 2>&1 || grep -q "截图失败" "$OUT/$NAME-program.log"; }
    if wait_for 15 captured; then
        if ls "$HOME_DIR"/captures/*.jpg >/dev/null 2>&1; then
            cp "$HOME_DIR"/captures/*.jpg "$OUT/$NAME-capture.jpg"
            pass "capture saved: $OUT/$NAME-capture.jpg"
        else
            pass "capture: the program says it cannot read the screen, nothing saved: $(grep -m1 "截图失败" "$OUT/$NAME-program.log")"
        fi
    else
        fail "capture: neither a picture nor a message"
    fi
    stop_session
}

KWIN_BIN="$(command -v kwin_wayland || true)"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(kwin mutter)
for target in "${targets[@]}"; do
    case "$target" in
    kwin)
        NAME=kwin DESKTOP=KDE
        [ -n "$KWIN_BIN" ] || { echo "== kwin: kwin_wayland is not installed (apt-get install kwin-wayland)"; continue; }
        # kwin_wayland carries a file capability that a container may not grant: a copy
        # without it runs the same (KWin's platform plugin wants the name kwin_wayland).
        if ! as_user "$KWIN_BIN" --version >/dev/null 2>&1; then
            KWIN_COPY="$(mktemp -d)"
            chmod 755 "$KWIN_COPY"
            cp "$KWIN_BIN" "$KWIN_COPY/kwin_wayland"
            KWIN_BIN="$KWIN_COPY/kwin_wayland"
        fi
        COMPOSITOR=("$KWIN_BIN" --x11-display @OUTER@ --xwayland --width "$WIDTH" --height "$HEIGHT" --socket wl-quillmark)
        ;;
    mutter)
        NAME=mutter DESKTOP=GNOME
        command -v mutter >/dev/null || { echo "== mutter: not installed (apt-get install mutter)"; continue; }
        COMPOSITOR=(mutter --nested --wayland --wayland-display wl-quillmark --)
        ;;
    *)
        echo "unknown compositor $target (kwin, mutter)" >&2
        exit 2
        ;;
    esac
    check_placement
done
[ -n "${KWIN_COPY:-}" ] && rm -rf "$KWIN_COPY"
echo "$FAILED check(s) failed; screenshots and logs in $OUT"
exit "$FAILED"
