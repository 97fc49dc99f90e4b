#!/usr/bin/env bash
# Runs one Windows program under wine64, with the Windows Qt and OpenSSL of the cache and
# the mingw-w64 runtime on its DLL path, in a Wine prefix of its own (WINEPREFIX, made
# on first use; parallel runs wait for the one that makes it).
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
CACHE="${QUILLMARK_WINDOWS_CACHE:-$HOME/.cache/quillmark-windows}"
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix to use}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml=;${WINEDLLOVERRIDES:-}"
# Qt logs to the debugger when a program has no console window, as under Wine from a pipe.
# Wine hides the Linux QT_* variables from Windows programs; WINE<name> reaches them as <name>.
export WINEQT_FORCE_STDERR_LOGGING=1

WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)

# Wine's drive Z: is the root of the Linux file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
runtime=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")
pthread=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
export WINEPATH="$(windows_path "$CACHE/prefix/bin");$(windows_path "$runtime");$(windows_path "$pthread")"

mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine-run: making the Wine prefix $WINEPREFIX"
        "$WINE" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
    fi
) 9>"$WINEPREFIX.lock"

"$WINE" "$@"
