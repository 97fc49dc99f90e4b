#!/usr/bin/env bash
# Cross-builds for Windows (x86_64, mingw-w64) with the Windows Qt and OpenSSL that
# scripts/windows-deps.sh left in the cache (QUILLMARK_WINDOWS_CACHE, default
# ~/.cache/quillmark-windows).
#   windows-build.sh --tests [DIR]  the Windows test programs (default build/windows-tests);
#                                   ctest runs them under wine64 (label "windows")
#   windows-build.sh [DIR]          Quillmark.exe and Update.exe in a portable folder
#                                   (default build-windows/Quillmark), with the DLLs,
#                                   plugins and QML modules beside them, ready to zip
set -euo pipefail
cd "$(dirname "$0")/.."
TREE="$PWD"
CACHE="${QUILLMARK_WINDOWS_CACHE:-$HOME/.cache/quillmark-windows}"
PREFIX="$CACHE/prefix"
TOOLCHAIN="$CACHE/mingw-w64-x86_64.cmake"
JOBS="${JOBS:-$(nproc)}"

die() {
    echo "windows-build: $*" >&2
    exit 1
}

[ -f "$CACHE/stamps/qtbase" ] && [ -f "$TOOLCHAIN" ] ||
    die "no Windows Qt in $CACHE: run scripts/windows-deps.sh first (it takes hours, once)"
HOST_CMAKE_DIR=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")")
CROSS=(-G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_PREFIX_PATH="$PREFIX"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE_DIR")
LAUNCHER=()
if command -v ccache >/dev/null; then
    LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$TREE" CCACHE_NOHASHDIR=1
fi

if [ "${1:-}" = "--tests" ]; then
    out="${2:-build/windows-tests}"
    cmake -S tests/windows/wine -B "$out" "${CROSS[@]}" "${LAUNCHER[@]}" >/dev/null
    cmake --build "$out" -j "$JOBS"
    exit 0
fi

[ -f "$CACHE/stamps/qtdeclarative" ] && [ -f "$CACHE/stamps/qtsvg" ] ||
    die "Quillmark.exe and Update.exe need Qt Quick and Qt SVG, which the cache in $CACHE" \
        "lacks (scripts/windows-deps.sh says why); the Windows tests need only qtbase:" \
        "windows-build.sh --tests"
out="${1:-build-windows/Quillmark}"
build="${BUILD_DIR:-build-windows/build}"
cmake -S . -B "$build" "${CROSS[@]}" "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=OFF -DOPENSSL_ROOT_DIR="$PREFIX" >/dev/null
cmake --build "$build" -j "$JOBS"
rm -rf "$out"
cmake --install "$build" --prefix "$out" >/dev/null

# What the programs load at run time: the platform, image, style and TLS plugins and the
# QML modules the documents import. Everything they link follows from the DLL imports.
mkdir -p "$out/plugins" "$out/qml"
for plugin in platforms/qwindows imageformats/qsvg imageformats/qjpeg imageformats/qico \
    iconengines/qsvgicon styles/qwindowsvistastyle tls/qopensslbackend tls/qschannelbackend; do
    [ -f "$PREFIX/plugins/$plugin.dll" ] || continue
    mkdir -p "$out/plugins/$(dirname "$plugin")"
    cp "$PREFIX/plugins/$plugin.dll" "$out/plugins/$plugin.dll"
done
for module in QtQml QtQuick Qt/labs/platform Qt/labs/folderlistmodel; do
    mkdir -p "$out/qml/$(dirname "$module")"
    cp -a "$PREFIX/qml/$module" "$out/qml/$module"
done
printf '[Paths]\nPrefix = .\nPlugins = plugins\nQmlImports = qml\n' >"$out/qt.conf"

runtime_dirs=("$PREFIX/bin"
    "$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
    "$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")")
# Copies the DLLs a binary imports that are not part of Windows, and theirs in turn.
deploy_imports() {
    local dll dir
    for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        [ -f "$out/$dll" ] && continue
        for dir in "${runtime_dirs[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$out/$dll"
                deploy_imports "$out/$dll"
                break
            fi
        done
    done
}
while IFS= read -r -d '' binary; do
    deploy_imports "$binary"
done < <(find "$out" -name '*.exe' -print0 -o -name '*.dll' -print0)
# The TLS plugin opens OpenSSL by name rather than importing it.
cp "$PREFIX"/bin/libssl-3-x64.dll "$PREFIX"/bin/libcrypto-3-x64.dll "$out/"

echo "windows-build: $out ($(du -sh "$out" | cut -f1)): Quillmark.exe, Update.exe and what they load"
