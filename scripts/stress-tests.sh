#!/usr/bin/env bash
# Runs the whole suite N times as CI runs it (ctest -j<cores> inside a fresh
# virtual display per run), after building once, and tells which tests failed
# and how often. A test that fails now and then is a fault of its own: fix it
# rather than retrying it. Logs land in <build>/stress/: run-<k>.log as ctest
# printed it, run-<k>-all.log with the output of every test.
# TESTS, a ctest regular expression, runs a part only; the GUI part as CI runs it:
#   bash scripts/stress-tests.sh 20
#   TESTS='gui_|tst_quillmark|update' bash scripts/stress-tests.sh 20
# A failed GUI test leaves its own log, the screen and the program's output at
# the moment of failure; they are kept per run in <build>/stress/run-<k>-evidence/.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS="${1:-10}"
if ! [[ "$RUNS" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 RUNS   (a positive number of whole-suite runs)" >&2
    exit 2
fi

JOBS="$(nproc)"
BUILD_DIR="${BUILD_DIR:-build}"
LOG_DIR="$BUILD_DIR/stress"
SELECT=()
[ -n "${TESTS:-}" ] && SELECT=(-R "$TESTS")
EVIDENCE="$BUILD_DIR/tests/gui/screenshots/failures"

bash scripts/deps.sh
cmake -S . -B "$BUILD_DIR" -G Ninja -DQUILLMARK_TESTS=ON -DQUILLMARK_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$JOBS"

rm -rf "$LOG_DIR"
mkdir -p "$LOG_DIR"
source scripts/desktop.sh

# Ctrl-C abandons the current run, SIGTERM lets it finish; either way the
# summary covers the runs that completed.
stop=""
trap 'stop=int' INT
trap 'stop=term' TERM

declare -A failures=()
failed_runs=0
done_runs=0
started=$SECONDS
for run in $(seq 1 "$RUNS"); do
    log="$LOG_DIR/run-$run.log"
    run_started=$SECONDS
    # A display of its own per run, as every CI run gets one.
    quillmark_start_desktop
    rm -rf "$EVIDENCE"
    status=0
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS" --timeout 300 "${SELECT[@]}" \
        >"$log" 2>&1 || status=$?
    quillmark_stop_desktop
    trap - EXIT
    [ "$stop" = int ] && break
    done_runs=$run
    # Every test's output, passed or failed.
    cp "$BUILD_DIR/Testing/Temporary/LastTest.log" "$LOG_DIR/run-$run-all.log" 2>/dev/null || true

    # ctest lists each failed test as "  <n> - <name> (<reason>)" after this line.
    failed="$(sed -n '/^The following tests FAILED:/,$p' "$log" |
        sed -n 's/^[[:space:]]*[0-9]\+ - \([^ ]\+\) .*/\1/p')"
    if [ "$status" -ne 0 ] && [ -z "$failed" ]; then
        failed="(ctest exited with $status; see $log)"
    fi
    if [ -n "$failed" ]; then
        failed_runs=$((failed_runs + 1))
        mkdir -p "$LOG_DIR/run-$run-evidence"
        cp -r "$EVIDENCE" "$BUILD_DIR/tests/gui/logs" "$LOG_DIR/run-$run-evidence/" 2>/dev/null || true
        while IFS= read -r name; do
            failures["$name"]=$((${failures["$name"]:-0} + 1))
        done <<<"$failed"
        echo "run $run/$RUNS: FAILED $(echo "$failed" | tr '\n' ' ')($((SECONDS - run_started)) s)"
    else
        echo "run $run/$RUNS: passed ($((SECONDS - run_started)) s)"
    fi
    [ -n "$stop" ] && break
done

echo
if [ "${#failures[@]}" -gt 0 ]; then
    echo "Failing tests (failed runs of $done_runs):"
    for name in "${!failures[@]}"; do
        printf '  %3d  %s\n' "${failures[$name]}" "$name"
    done | sort -k1,1nr -k2
fi
stopped=""
[ "$done_runs" -lt "$RUNS" ] && stopped=", stopped after $done_runs of $RUNS"
echo "Summary: $((done_runs - failed_runs)) of $done_runs runs passed in $((SECONDS - started)) s" \
    "($JOBS jobs$stopped; logs in $LOG_DIR)"
[ "$failed_runs" -eq 0 ] && [ "$done_runs" -eq "$RUNS" ]
