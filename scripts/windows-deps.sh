#!/usr/bin/env bash
# Builds, once, what the Windows build of Quillmark needs: OpenSSL 3 and a Qt of the same
# version as Debian's (qtbase, qtdeclarative, qtsvg) for x86_64 Windows with the mingw-w64
# POSIX-threads compilers, using Debian's own Qt as the host tools. Everything lands in the
# cache folder (QUILLMARK_WINDOWS_CACHE, default ~/.cache/quillmark-windows), outside the tree:
#   src/       the source packages as fetched
#   build/     the build folders (kept, so that an interrupted build goes on where it stopped)
#   prefix/    the Windows Qt and OpenSSL that scripts/windows-build.sh uses
#   stamps/    one file per finished step; build-seconds the time spent so far, over all runs
# Run it again after an interruption and it resumes. It takes hours on 2 cores: run it
# niced (nice -n 19 ionice -c3 bash scripts/windows-deps.sh) when the machine is shared.
# A source package that the archive does not serve may be put into src/ by hand, as Debian's
# orig tarball or as Qt's own qtdeclarative-everywhere-src-<version>.tar.xz.
set -euo pipefail
cd "$(dirname "$0")/.."
TREE="$PWD"

CACHE="${QUILLMARK_WINDOWS_CACHE:-$HOME/.cache/quillmark-windows}"
JOBS="${JOBS:-$(nproc)}"
SRC="$CACHE/src"
BUILD="$CACHE/build"
PREFIX="$CACHE/prefix"
STAMPS="$CACHE/stamps"
mkdir -p "$SRC" "$BUILD" "$PREFIX" "$STAMPS"

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

log() { echo "windows-deps: $*"; }
die() {
    echo "windows-deps: $*" >&2
    exit 1
}

# Time is added up over runs, so that a resumed build still reports its whole cost.
SECONDS_FILE="$CACHE/build-seconds"
RUN_START=$(date +%s)
report_time() {
    local before now total
    before=$(cat "$SECONDS_FILE" 2>/dev/null || echo 0)
    now=$(date +%s)
    total=$((before + now - RUN_START))
    echo "$total" >"$SECONDS_FILE"
    RUN_START=$now
    log "time spent on the cache so far: $((total / 3600)) h $((total % 3600 / 60)) min" \
        "($total s, this run included)"
}
trap report_time EXIT

# --- packages -----------------------------------------------------------------------------
bash scripts/deps.sh
WINDOWS_PACKAGES=(
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev dpkg-dev xz-utils perl make qt6-shader-baker qt6-shadertools-dev
    qt6-declarative-dev-tools wine64 wine libwine-dev
)
missing=()
for p in "${WINDOWS_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    log "installing ${missing[*]}"
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
log "Qt $QT_VERSION (the version of Debian's host tools), cache in $CACHE"

# --- sources ------------------------------------------------------------------------------
# apt-get source needs deb-src entries; the ones added mirror the deb entries already there.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
    list=/etc/apt/sources.list.d/quillmark-deb-src.sources
    log "adding deb-src entries for the configured Debian archive ($list)"
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] && [ "$f" != "$list" ] || continue
            grep -q 'debian' "$f" || continue
            sed -e 's/^Types:.*/Types: deb-src/' "$f"
            echo
        done
        if [ -f /etc/apt/sources.list ]; then
            grep -E '^deb [^ ]*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                awk '{ print "Types: deb-src\nURIs: " $2 "\nSuites: " $3 "\nComponents: " $4 "\n" }'
        fi
    } | $SUDO tee "$list.new" >/dev/null
    $SUDO mv "$list.new" "$list"
    $SUDO apt-get update -qq
fi

# Finds the unpacked sources of a module, unpacking the orig tarball first if needed.
# Debian's patches are applied when the whole source package is there.
unpack_qt() { # name (qtbase), Debian source package (qt6-base)
    local name=$1 pkg=$2 dir="$SRC/$1"
    [ -f "$dir/CMakeLists.txt" ] && return 0
    (cd "$SRC" && apt-get source --download-only "$pkg" >/dev/null 2>&1) || true
    local dsc tarball
    dsc=$(ls "$SRC/${pkg}_${QT_VERSION}"*.dsc 2>/dev/null | head -1 || true)
    tarball=$(ls "$SRC/${pkg}_${QT_VERSION}"*.orig.tar.* "$SRC/$name-everywhere-src-$QT_VERSION".tar.* \
        2>/dev/null | head -1 || true)
    if [ -n "$dsc" ] && dpkg-source --no-check -x "$dsc" "$dir.tmp" >/dev/null 2>&1; then
        mv "$dir.tmp" "$dir"
    elif [ -n "$tarball" ]; then
        rm -rf "$dir.tmp" && mkdir -p "$dir.tmp"
        tar -xf "$tarball" -C "$dir.tmp" --strip-components=1
        mv "$dir.tmp" "$dir"
    else
        rm -rf "$dir.tmp"
        return 1
    fi
    log "unpacked $name from $(basename "${dsc:-$tarball}")"
}

unpack_openssl() {
    local dir="$SRC/openssl"
    [ -f "$dir/Configure" ] && return 0
    # The newest version's tarball may be served while its .dsc is not: the tarball is enough.
    (cd "$SRC" && apt-get source --download-only openssl >/dev/null 2>&1) || true
    if ! ls "$SRC"/openssl_3.*.orig.tar.gz >/dev/null 2>&1; then
        (cd "$SRC" && apt-get source --download-only openssl/bookworm >/dev/null 2>&1) || true
    fi
    local tarball
    tarball=$(ls "$SRC"/openssl_3.*.orig.tar.gz 2>/dev/null | sort -V | tail -1 || true)
    [ -n "$tarball" ] || return 1
    rm -rf "$dir.tmp" && mkdir -p "$dir.tmp"
    tar -xzf "$tarball" -C "$dir.tmp" --strip-components=1
    mv "$dir.tmp" "$dir"
    log "unpacked OpenSSL from $(basename "$tarball")"
}

unavailable=()
unpack_openssl || unavailable+=("openssl")
unpack_qt qtbase qt6-base || unavailable+=("qt6-base")
unpack_qt qtdeclarative qt6-declarative || unavailable+=("qt6-declarative")
unpack_qt qtsvg qt6-svg || unavailable+=("qt6-svg")
[ -f "$SRC/openssl/Configure" ] || die "no OpenSSL sources: apt-get source openssl failed"
[ -f "$SRC/qtbase/CMakeLists.txt" ] || die "no qtbase sources: apt-get source qt6-base failed"

# Debian's qtbase leaves out the Wintab headers of the tablet support (their licence forbids
# changes); Wine's stand in, with the two names of Wine's own headers they rely on.
WINTAB="$SRC/qtbase/src/3rdparty/wintab"
if [ ! -f "$WINTAB/wintab.h" ]; then
    mkdir -p "$WINTAB"
    cat >"$WINTAB/wintab.h" <<'EOF_WINTAB'
#pragma once
#ifndef DECL_WINELIB_TYPE_AW
#ifdef UNICODE
#define DECL_WINELIB_TYPE_AW(type) typedef type##W type;
#else
#define DECL_WINELIB_TYPE_AW(type) typedef type##A type;
#endif
#endif
#include "/usr/include/wine/wine/windows/wintab.h"
#ifndef API
#define API WINAPI
#endif
EOF_WINTAB
    echo '#include "/usr/include/wine/wine/windows/pktdef.h"' >"$WINTAB/pktdef.h"
fi

# --- toolchain ----------------------------------------------------------------------------
TOOLCHAIN="$CACHE/mingw-w64-x86_64.cmake"
cat >"$TOOLCHAIN.new" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 $PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
EOF
cmp -s "$TOOLCHAIN.new" "$TOOLCHAIN" && rm "$TOOLCHAIN.new" || mv "$TOOLCHAIN.new" "$TOOLCHAIN"

# --- OpenSSL ------------------------------------------------------------------------------
# Only the libraries (libcrypto-3-x64.dll, libssl-3-x64.dll) and headers: no programs,
# tests, engines or legacy provider.
if [ ! -f "$STAMPS/openssl" ]; then
    log "building OpenSSL"
    [ -f "$BUILD/openssl/Makefile" ] || {
        rm -rf "$BUILD/openssl" && cp -a "$SRC/openssl" "$BUILD/openssl"
        (cd "$BUILD/openssl" && ./Configure mingw64 shared no-tests no-engine no-legacy no-module \
            --cross-compile-prefix=x86_64-w64-mingw32- --prefix="$PREFIX" --libdir=lib \
            CC=gcc-posix >configure.log) || die "OpenSSL did not configure"
    }
    (
        cd "$BUILD/openssl"
        make -j"$JOBS" build_libs >>build.log 2>&1
        make install_dev >install.log 2>&1
    ) || die "OpenSSL failed; see $BUILD/openssl/*.log"
    touch "$STAMPS/openssl"
    report_time
fi

# --- Qt -----------------------------------------------------------------------------------
HOST_CMAKE_DIR=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
COMMON=(
    -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_PREFIX_PATH="$PREFIX" -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
)

build_module() { # name, extra cmake options...
    local name=$1
    shift
    [ -f "$STAMPS/$name" ] && return 0
    log "building $name (log: $BUILD/$name.log)"
    local dir="$BUILD/$name"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$SRC/$name" -B "$dir" "${COMMON[@]}" "$@" >"$BUILD/$name.log" 2>&1 ||
            die "$name did not configure; see $BUILD/$name.log"
    fi
    cmake --build "$dir" -j "$JOBS" >>"$BUILD/$name.log" 2>&1 ||
        die "$name did not build; see $BUILD/$name.log (run again to resume)"
    cmake --install "$dir" >>"$BUILD/$name.log" 2>&1 || die "$name did not install"
    touch "$STAMPS/$name"
    report_time
}

# Core, Gui, Widgets, Network (TLS through OpenSSL), Test and OpenGL (the start-up probe).
build_module qtbase -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF -DFEATURE_openssl=ON \
    -DFEATURE_opengl_desktop=ON -DFEATURE_libproxy=OFF \
    -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF -DFEATURE_gif=OFF \
    -DFEATURE_ico=ON -DFEATURE_androiddeployqt=OFF -DFEATURE_macdeployqt=OFF \
    -DFEATURE_schannel=OFF -DFEATURE_networklistmanager=OFF \
    -DOPENSSL_ROOT_DIR="$PREFIX" -DOPENSSL_USE_STATIC_LIBS=OFF

# The QML modules the documents import: QtQuick, Controls (Basic and Material), Templates,
# Layouts, Dialogs, Shapes, labs.platform, labs.folderlistmodel, QtTest; nothing else.
if [ -f "$SRC/qtdeclarative/CMakeLists.txt" ]; then
    build_module qtdeclarative \
        -DFEATURE_qml_debug=OFF -DFEATURE_qml_profiler=OFF -DFEATURE_qml_preview=OFF \
        -DFEATURE_quick_particles=OFF -DFEATURE_quick_designer=OFF \
        -DFEATURE_qml_xmllistmodel=OFF -DFEATURE_qml_network=ON \
        -DFEATURE_quickcontrols2_fusion=OFF -DFEATURE_quickcontrols2_imagine=OFF \
        -DFEATURE_quickcontrols2_universal=OFF -DFEATURE_quickcontrols2_macos=OFF \
        -DFEATURE_quickcontrols2_ios=OFF -DFEATURE_quickcontrols2_windows=OFF \
        -DFEATURE_qml_animation=ON -DFEATURE_quick_sprite=OFF -DFEATURE_quick_canvas=ON \
        -DFEATURE_quick_shadereffect=ON
fi
if [ -f "$SRC/qtsvg/CMakeLists.txt" ]; then
    build_module qtsvg
fi

if [ ${#unavailable[@]} -gt 0 ]; then
    log "the archive did not serve the sources of: ${unavailable[*]}."
    log "Built so far: $(ls "$STAMPS" | tr '\n' ' ')in $PREFIX."
    log "Put their orig tarballs (or Qt's *-everywhere-src-$QT_VERSION.tar.xz) into $SRC and run again."
    exit 2
fi
log "done: Windows Qt $QT_VERSION and OpenSSL in $PREFIX"
