#!/usr/bin/env bash
# Checks the formatting of the C++ and QML sources and lints the QML with qmllint;
# with --fix rewrites the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."
QMLFORMAT=/usr/lib/qt6/bin/qmlformat
mode="${1:-check}"
status=0
mapfile -t cpp < <(git ls-files '*.cpp' '*.h')
mapfile -t qml < <(git ls-files '*.qml')
if [ "$mode" = "--fix" ]; then
    [ ${#cpp[@]} -eq 0 ] || clang-format -i "${cpp[@]}"
    # qmlformat -i leaves a "file~" backup behind; git has the old version.
    for f in "${qml[@]}"; do "$QMLFORMAT" -i "$f" && rm -f "$f~"; done
    exit 0
fi
[ ${#cpp[@]} -eq 0 ] || clang-format --dry-run --Werror "${cpp[@]}" || status=1
for f in "${qml[@]}"; do
    if ! diff -q <("$QMLFORMAT" "$f") "$f" >/dev/null; then
        echo "$f: not qmlformat-formatted" >&2
        status=1
    fi
done

# qmllint needs the modules and resource lists of a build: BUILD_DIR (default build).
# The updater has a Cpp.MyComponents of its own, so its window gets its import root.
QMLLINT=/usr/lib/qt6/bin/qmllint
build="${BUILD_DIR:-build}"
if [ ! -d "$build" ]; then
    echo "qmllint skipped: no build directory $build (set BUILD_DIR)" >&2
    exit "$status"
fi
resources=()
for qrc in "$build"/documents/.rcc/*.qrc "$build"/update/.rcc/update_documents.qrc; do
    if [ -f "$qrc" ]; then resources+=(--resource "$qrc"); fi
done
for f in "${qml[@]}"; do
    case "$f" in
    update/*) module_root="$build/update/qml" ;;
    *) module_root="$build/app/qml" ;;
    esac
    # Any warning makes qmllint fail; notes (unused imports) do not.
    if ! "$QMLLINT" -I "$build" -I "$module_root" "${resources[@]}" "$f"; then
        status=1
    fi
done
exit "$status"
