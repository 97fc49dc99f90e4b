# Sourced by the run and test scripts: starts a virtual desktop (Xvfb, openbox,
# trayer for the system tray) when there is no display, and stops it on exit.
# QUILLMARK_DESKTOP_SIZE overrides the screen size (default 1920x1080).

quillmark_start_desktop() {
    local size="${QUILLMARK_DESKTOP_SIZE:-1920x1080}"
    local numfile
    numfile="$(mktemp)"
    # -displayfd lets the server pick a free display number itself, so parallel
    # desktops never race for the same one. -noreset: otherwise the server resets
    # when the xdpyinfo probe below leaves, and openbox, connecting meanwhile, dies.
    Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    QUILLMARK_XVFB_PID=$!
    local num=""
    for _ in $(seq 1 100); do
        num="$(tr -d '[:space:]' <"$numfile")"
        [ -n "$num" ] && break
        sleep 0.1
    done
    rm -f "$numfile"
    if [ -z "$num" ]; then
        echo "Could not start a virtual display (Xvfb)" >&2
        return 1
    fi
    export DISPLAY=":$num"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >/dev/null 2>&1 &
    QUILLMARK_OPENBOX_PID=$!
    trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    QUILLMARK_TRAYER_PID=$!
    sleep 1
    trap quillmark_stop_desktop EXIT
}

quillmark_stop_desktop() {
    local pid
    for pid in ${QUILLMARK_TRAYER_PID:-} ${QUILLMARK_OPENBOX_PID:-} ${QUILLMARK_XVFB_PID:-}; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
