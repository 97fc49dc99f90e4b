# Sourced by the run and test scripts: starts a virtual desktop (Xvfb, openbox,
# trayer for the system tray) when there is no display, and stops it on exit.
# QUILLMARK_DESKTOP_SIZE overrides the screen size (default 1920x1080).

quillmark_start_desktop() {
    local num
    for num in $(seq 55 99); do
        [ -e "/tmp/.X11-unix/X$num" ] || [ -e "/tmp/.X$num-lock" ] || break
    done
    local size="${QUILLMARK_DESKTOP_SIZE:-1920x1080}"
    Xvfb ":$num" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    QUILLMARK_XVFB_PID=$!
    export DISPLAY=":$num"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! xdpyinfo >/dev/null 2>&1; then
        echo "Could not start the virtual display :$num" >&2
        return 1
    fi
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
