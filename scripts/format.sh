#!/usr/bin/env bash
# Checks the formatting of the C++ and QML sources; with --fix rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
QMLFORMAT=/usr/lib/qt6/bin/qmlformat
mode="${1:-check}"
status=0
mapfile -t cpp < <(git ls-files '*.cpp' '*.h')
mapfile -t qml < <(git ls-files '*.qml')
if [ "$mode" = "--fix" ]; then
    [ ${#cpp[@]} -eq 0 ] || clang-format -i "${cpp[@]}"
    for f in "${qml[@]}"; do "$QMLFORMAT" -i "$f"; done
    exit 0
fi
[ ${#cpp[@]} -eq 0 ] || clang-format --dry-run --Werror "${cpp[@]}" || status=1
for f in "${qml[@]}"; do
    if ! diff -q <("$QMLFORMAT" "$f") "$f" >/dev/null; then
        echo "$f: not qmlformat-formatted" >&2
        status=1
    fi
done
exit "$status"
