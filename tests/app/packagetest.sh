#!/usr/bin/env bash
# Builds the Debian package of the system layout, installs it into this machine
# with apt-get, runs the installed program as a normal user in a virtual display
# (toolbar, a stroke, a screen capture into the user's pictures folder, the about
# window's version), checks the desktop files with their validators, removes the
# package and looks for anything of it left behind.
#
# Needs root (CI runs as root): it installs into the real system and creates a
# user, and undoes both on every exit, failed or not.
#
# Usage: packagetest.sh SOURCE_DIR PACKAGE_BUILD_DIR [BUILD_TYPE] [COMPILER_LAUNCHER]
set -euo pipefail

SRC="$1"
BUILD="$2"
BUILD_TYPE="${3:-Release}"
LAUNCHER="${4:-}"
SKIPPED=77
LIMIT=60 # seconds a step may take before it counts as failed

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: the package test installs into the system and creates a user; run it as root"
    exit "$SKIPPED"
fi
for tool in apt-get dpkg-deb cpack desktop-file-validate appstreamcli file xdotool import convert \
    runuser useradd userdel xhost Xvfb openbox trayer; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh installs it)"; exit 1; }
done
# The package and the test user are machine-wide: two package tests at once (two
# checkouts on one machine) would install and remove each other's package. The
# second waits for the first.
exec 9>/var/lock/quillmark-package-test.lock
if ! flock -w 900 9; then
    echo "FAIL: another package test has held /var/lock/quillmark-package-test.lock for 15 minutes"
    exit 1
fi
if dpkg-query -W -f='${Status}' quillmark 2>/dev/null | grep -q "install ok installed"; then
    echo "FAIL: a quillmark package is installed already; this test will not touch it"
    exit 1
fi

fail() {
    echo "FAIL: $*" >&2
    # The screen as it was, beside the program's log.
    [ -n "${shots:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure.png" 2>/dev/null
    exit 1
}
step() { echo "== $*"; }

# Polls a command until it succeeds or the limit passes.
wait_for() {
    local what="$1"
    shift
    local end=$((SECONDS + LIMIT))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || fail "$what (waited ${LIMIT}s)"
        sleep 0.3
    done
}

# ---- build and package ---------------------------------------------------------
step "building the system layout in $BUILD"
launcher_arg=()
[ -n "$LAUNCHER" ] && launcher_arg=(-DCMAKE_CXX_COMPILER_LAUNCHER="$LAUNCHER")
cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" -DQUILLMARK_LAYOUT=system \
    -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=OFF "${launcher_arg[@]}" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
rm -f "$BUILD"/quillmark_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")"
deb="$BUILD/quillmark_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb; built: $(ls "$BUILD"/*.deb 2>/dev/null)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
# Computed from the binary by dpkg-shlibdeps, with versions.
for lib in libc6 libqt6core6 libqt6gui6 libqt6quick6; do
    grep -Eq "(^|, )$lib \(>= " <<<"$depends" || fail "Depends lacks a computed $lib"
done
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
grep -qx './usr/bin/quillmark' <<<"$contents" || fail "no /usr/bin/quillmark in the package"
! grep -qi 'update$' <<<"$contents" || fail "the package carries an updater"
! grep -q 'config.ini' <<<"$contents" || fail "the package carries a config.ini"

# ---- cleanup, from here on ------------------------------------------------------
user="qmpkg$$"
home=""
pidfile=""
app_pid=""
cleanup() {
    local status=$?
    set +e
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid"
        for _ in $(seq 1 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$app_pid" 2>/dev/null
    fi
    [ -n "${runner_pid:-}" ] && wait "$runner_pid" 2>/dev/null
    if id "$user" >/dev/null 2>&1; then
        userdel -r "$user" >/dev/null 2>&1
    fi
    if dpkg-query -W -f='${Status}' quillmark 2>/dev/null | grep -q "installed"; then
        DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq -o DPkg::Lock::Timeout=300 \
            quillmark >/dev/null
    fi
    type quillmark_stop_desktop >/dev/null 2>&1 && quillmark_stop_desktop
    exit "$status"
}
trap cleanup EXIT

step "installing $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$deb" >/dev/null
files="$(dpkg -L quillmark)"

# ---- command line, manual, desktop files ---------------------------------------
step "checking the installed files"
[ "$(quillmark --version)" = "Quillmark $version" ] || fail "--version says: $(quillmark --version)"
quillmark --help | grep -q -- '--version' || fail "--help does not list --version"
zcat /usr/share/man/man1/quillmark.1.gz | grep -q '^\.TH QUILLMARK 1' || fail "no manual page"
[ -f /usr/share/quillmark/translations/app_en.qm ] || fail "no translations in share/quillmark"
[ -f /usr/share/quillmark/help.html ] || fail "no help page in share/quillmark"
! grep -qi 'update' <<<"$(grep '^/usr/bin/' <<<"$files")" || fail "an updater is installed"

app_id=org.quillmark.Quillmark
entry="/usr/share/applications/$app_id.desktop"
out="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate remarks: $out"
icon="$(sed -n 's/^Icon=//p' "$entry")"
exec_line="$(sed -n 's/^Exec=//p' "$entry")"
[ "$(command -v "${exec_line%% *}")" = /usr/bin/quillmark ] || fail "Exec= does not start quillmark"
file -b "/usr/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q '^SVG' ||
    fail "no scalable icon $icon"
for size in 16 24 32 48 64 128 256; do
    png="/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "bad icon $png: $(file -b "$png")"
done
metainfo="/usr/share/metainfo/$app_id.metainfo.xml"
# --no-net: the screenshot address is not fetched.
out="$(appstreamcli validate --no-net "$metainfo" 2>&1)" || fail "appstreamcli validate: $out"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no screenshot"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"

# ---- the installed program, as a normal user -----------------------------------
step "running the installed quillmark as a normal user"
useradd -m -s /bin/sh "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
# shellcheck source=../../scripts/desktop.sh
source "$SRC/scripts/desktop.sh"
quillmark_start_desktop
trap cleanup EXIT # the desktop script sets its own
xhost "+si:localuser:$user" >/dev/null
shots="$BUILD/screenshots"
rm -rf "$shots" && mkdir -p "$shots"
log="$shots/quillmark.log"
pidfile="$home/quillmark.pid"
# A temporary folder of its own: the single-instance socket lies there, and a copy
# running elsewhere on this machine (another test) must not answer for this one.
runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" PATH=/usr/bin:/bin \
    DISPLAY="$DISPLAY" LANG=C.UTF-8 TMPDIR="$home" \
    sh -c 'cd "$HOME" && echo $$ >"$HOME/quillmark.pid" && exec quillmark' >"$log" 2>&1 &
runner_pid=$!
wait_for "the program did not start" test -s "$pidfile"
app_pid="$(cat "$pidfile")"

window() { xdotool search --all --onlyvisible --pid "$app_pid" --name "$1" 2>/dev/null | head -n1; }
geometry() { # prints X Y WIDTH HEIGHT of a window id
    xdotool getwindowgeometry --shell "$1" | awk -F= '{v[$1]=$2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'
}
# X Y WIDTH HEIGHT of the named window once it stopped moving (three equal reads).
settled() {
    local last="" now same=0 end=$((SECONDS + LIMIT)) id
    while [ "$SECONDS" -lt "$end" ]; do
        id="$(window "$1")"
        now=""
        [ -n "$id" ] && now="$(geometry "$id" 2>/dev/null)"
        if [ -n "$now" ] && [ "$now" = "$last" ]; then
            same=$((same + 1))
            [ "$same" -ge 2 ] && { echo "$now"; return 0; }
        else
            same=0
        fi
        last="$now"
        sleep 0.1
    done
    fail "the window $1 did not settle"
}
grab() { import -window root "$shots/$1.png"; }
# Whether a red pen pixel lies within 4 px of x y in the last grab.
ink_near() {
    convert "$shots/$1.png" -crop "9x9+$(($2 - 4))+$(($3 - 4))" +repage \
        -fx '(r > 0.7 && g < 0.35 && b < 0.35) ? 1 : 0' -format '%[fx:maxima]' info: | grep -qx 1
}
white_at() {
    [ "$(convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info:)" = FFFFFF ]
}
screen_holds() { # name, then a check on the grab
    local name="$1"
    shift
    grab "$name" && "$@"
}
hover() {
    xdotool mousemove $(($1 - 3)) $(($2 - 3))
    sleep 0.05
    xdotool mousemove "$1" "$2"
    sleep 0.05
}
click() { hover "$1" "$2" && xdotool click 1; }

wait_for "no toolbar window" window '^主窗口$'
read -r tx ty tw _ <<<"$(settled '^主窗口$')"
[ "$tw" -eq 33 ] || fail "the toolbar is $tw px wide"
# Buttons: logo 31 px and a gap of 7, then 26 px buttons 3 px apart, the first 29 px down.
button_x=$((tx + tw / 2))
button_y() { echo $((ty + 38 + 29 + ($1 - 1) * 33 + 13)); }
wait_for "the toolbar is not drawn" screen_holds started white_at started $((tx + 2)) "$(button_y 2)"

click "$button_x" "$(button_y 1)"
wait_for "no drawing overlay" window '^draw$'
read -r tx ty tw _ <<<"$(settled '^主窗口$')"
button_x=$((tx + tw / 2))
wait_for "the overlay covers the toolbar" screen_holds drawing white_at drawing $((tx + 2)) "$(button_y 2)"
xdotool mousemove 600 300 mousedown 1
for x in $(seq 620 20 800); do xdotool mousemove "$x" 300; done
xdotool mouseup 1
wait_for "the stroke is not on screen" screen_holds stroke ink_near stroke 700 300

click "$button_x" "$(button_y 8)"
captures="$home/Pictures/Quillmark"
capture_written() { compgen -G "$captures/draw_*.jpg" >/dev/null; }
wait_for "no capture in $captures" capture_written
capture="$(compgen -G "$captures/draw_*.jpg" | head -n1)"
wait_for "the capture is not a whole JPEG" sh -c "file -b '$capture' | grep -q 'JPEG image data.*1920x1080'"
[ "$(stat -c %U "$capture")" = "$user" ] || fail "the capture belongs to $(stat -c %U "$capture")"

# "关于", the first entry of the menu chooser.
hover "$button_x" "$(button_y 14)"
wait_for "the menu did not open" window '^Sub Window$'
read -r cx cy cw _ <<<"$(settled '^Sub Window$')"
click $((cx + cw / 2)) $((cy + 8 + 11))
wait_for "no about window" window '^关于我们$'
wait_for "the about window shows no version" grep -q "about window version: $version\$" "$log"
grep -qx "APPVersion=$version" "$home/.config/quillmark/config.ini" ||
    fail "the version is not in the user's config.ini"
grep -qx "opengl=.*" "$home/.config/quillmark/config.ini" ||
    fail "the renderer choice is not in the user's config.ini"
grab about
! grep -q "check update url" "$log" || fail "the update check ran"

kill "$app_pid"
wait "$runner_pid" 2>/dev/null || true
app_pid=""
[ ! -e /usr/bin/config.ini ] || fail "the program wrote beside itself"

# ---- removal -------------------------------------------------------------------
step "removing the package"
DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -qq -o DPkg::Lock::Timeout=300 \
    quillmark >/dev/null
left=()
while IFS= read -r path; do
    [ -n "$path" ] && [ "$path" != "/." ] || continue
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        # A folder may stay only while another package owns it.
        dpkg-query -S "$path" >/dev/null 2>&1 || left+=("$path")
    elif [ -e "$path" ] || [ -L "$path" ]; then
        left+=("$path")
    fi
done <<<"$files"
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
echo "PASS: built $(basename "$deb"), installed, ran as $user, validated and removed it"
