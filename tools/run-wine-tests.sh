#!/usr/bin/env bash
# Cross-builds the window-system suites for 32-bit Windows with mingw-w64 and
# runs them under Wine on a virtual X display, unattended: a fresh Wine prefix
# under the build folder, no display or network needed. Each program runs
# whole; the cases it did not finish, after a crash or a hang, run again in a
# process each, so that the fault is reported against its case and the others
# still run. Prints, per program, how many cases ran, passed, failed and were
# skipped, with the reasons of the skips, and the output of each failure.
#
#   tools/run-wine-tests.sh [build folder]      (default build/win32)
#   WINE_PROGRAM_TIMEOUT=seconds per program    (default 300)
#   WINE_TEST_TIMEOUT=seconds per case run alone (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${1:-build/win32}
CASE_TIMEOUT=${WINE_TEST_TIMEOUT:-60}
PROGRAM_TIMEOUT=${WINE_PROGRAM_TIMEOUT:-300}

install_missing() {
    local missing=()
    command -v i686-w64-mingw32-g++-posix >/dev/null 2>&1 || missing+=(g++-mingw-w64-i686-posix)
    command -v wine >/dev/null 2>&1 || missing+=(wine)
    [ -e /usr/lib/wine/wineserver32 ] || missing+=(wine32)
    command -v xvfb-run >/dev/null 2>&1 || missing+=(xvfb)
    command -v xauth >/dev/null 2>&1 || missing+=(xauth)
    command -v ninja >/dev/null 2>&1 || missing+=(ninja-build)
    command -v cmake >/dev/null 2>&1 || missing+=(cmake)
    [ -d /usr/src/googletest/googletest ] || missing+=(googletest)
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing for the Windows build: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Not running as root: run 'sudo apt-get install -y ${missing[*]}' and try again." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    # A mirror in the middle of a sync fails one index now and then; what the
    # others list is usually enough.
    apt-get update -qq || echo "apt-get update reported errors; trying with what it got" >&2
    # A package the mirror cannot serve (its i386 part is now and then out of
    # step) leaves the stage without a referee: say so loudly and stop here,
    # rather than fail the native suites' run for the mirror's sake.
    if ! apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        echo "=== Windows stage skipped: could not install ${missing[*]} ===" >&2
        exit 0
    fi
}

# Optimised, with debug information so that a crash's address can be looked
# up (i686-w64-mingw32-addr2line).
build() {
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-i686.cmake \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$BUILD" -j2
}

# A throw-away prefix: nothing from an earlier run or from the user's own.
fresh_prefix() {
    export WINEPREFIX="$PWD/$BUILD/wineprefix"
    export WINEARCH=win32
    export WINEDEBUG=-all
    # No Mono or Gecko installer prompts, and no debugger waiting on a crash.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
}

# Wine's own desktop in one X window: without a window manager under Xvfb,
# activation in separate X windows waits on timeouts for every change.
use_virtual_desktop() {
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
}

# Runs inside the virtual display: every program of the build.
run_all() {
    wineboot -i >/dev/null 2>&1
    use_virtual_desktop
    local results="$BUILD/wine-results"
    rm -rf "$results"
    mkdir -p "$results"
    local status=0
    local program
    for program in $(find "$BUILD/tests" -name '*.exe' | sort); do
        run_program "$program" "$results/$(basename "$program" .exe)" || status=1
    done
    wineserver -k >/dev/null 2>&1 || true
    cat "$results"/*/summary.tsv >"$results/all.tsv"
    tally "Win32 backend under Wine, all programs" "$results/all.tsv"
    return $status
}

list_cases() {
    wine "$1" --gtest_list_tests 2>/dev/null | tr -d '\r' | awk '
        /^[^ ]/ { suite = $1; next }
        /^  [^ ]/ { print suite $1 }'
}

# One case: its outcome (passed, failed, skipped, crashed, hung) and, for a
# skip, its reason, one line in the program's summary.
run_case() {
    local program=$1 name=$2 log=$3
    local code=0
    timeout --kill-after=5 "$CASE_TIMEOUT" wine "$program" --gtest_filter="$name" \
        >"$log" 2>&1 || code=$?
    tr -d '\r' <"$log" >"$log.txt" && mv "$log.txt" "$log"
    if [ $code -eq 124 ] || [ $code -eq 137 ]; then
        echo "hung	$name	no end within ${CASE_TIMEOUT}s"
    elif grep -q "^\[  SKIPPED \] $name " "$log"; then
        echo "skipped	$name	$(awk '/: Skipped$/ { getline; print; exit }' "$log")"
    elif grep -q "^\[       OK \] $name " "$log" && [ $code -eq 0 ]; then
        echo "passed	$name"
    elif grep -q "^\[  FAILED  \] $name " "$log"; then
        echo "failed	$name"
    else
        echo "crashed	$name	$(grep -v '^\[' "$log" | tail -n 1)"
    fi
}

# Where a case run alone keeps its output (parameterised names hold slashes).
log_of() {
    echo "$1/${2//\//_}.log"
}

# Outcomes from the output of a run, one summary line per case that ended.
outcomes_of() {
    awk '
        /^\[ RUN      \] / { reason = ""; next }
        /: Skipped$/ { getline; reason = $0; next }
        /^\[       OK \] .* \([0-9]+ ms\)$/ { print "passed\t" $4; next }
        /^\[  FAILED  \] .* \([0-9]+ ms\)$/ { print "failed\t" $4; next }
        /^\[  SKIPPED \] .* \([0-9]+ ms\)$/ { print "skipped\t" $4 "\t" reason; next }' "$1"
}

# The whole program runs once; the cases it did not finish (it crashed or
# hung on the way) run again one by one, so each gets its own outcome.
run_program() {
    local program=$1 folder=$2
    mkdir -p "$folder"
    local summary="$folder/summary.tsv"
    local cases
    cases=$(list_cases "$program")
    if [ -z "$cases" ]; then
        echo "== $(basename "$program"): FAILED, it did not list its cases"
        return 1
    fi
    timeout --kill-after=5 "$PROGRAM_TIMEOUT" wine "$program" >"$folder/whole.log" 2>&1 || true
    tr -d '\r' <"$folder/whole.log" >"$folder/whole.txt"
    outcomes_of "$folder/whole.txt" >"$summary"
    local name
    for name in $cases; do
        if ! awk -F'\t' -v name="$name" '$2 == name { found = 1 } END { exit !found }' \
            "$summary"; then
            run_case "$program" "$name" "$(log_of "$folder" "$name")" >>"$summary"
        fi
    done
    report "$(basename "$program")" "$summary" "$folder"
    ! grep -qE '^(failed|crashed|hung)' "$summary"
}

tally() {
    local title=$1 summary=$2
    local ran passed skipped
    ran=$(wc -l <"$summary")
    passed=$(grep -c '^passed' "$summary" || true)
    skipped=$(grep -c '^skipped' "$summary" || true)
    echo "== $title: $ran ran, $passed passed, $((ran - passed - skipped)) failed, $skipped skipped"
}

# What a case printed, from its own run or from the program's whole run.
case_output() {
    local folder=$1 name=$2
    local log
    log=$(log_of "$folder" "$name")
    if [ -e "$log" ]; then
        grep -v '^\[\|^Running main\|^Note: Google' "$log" || true
    else
        awk -v name="$name" '
            $0 == "[ RUN      ] " name { inside = 1; next }
            inside && /^\[  FAILED  \] / { exit }
            inside { print }' "$folder/whole.txt"
    fi
}

report() {
    local program=$1 summary=$2 folder=$3
    tally "$program" "$summary"
    awk -F'\t' '$1 == "skipped" { print "   skipped " $2 ": " $3 }' "$summary"
    local outcome name reason
    while IFS=$'\t' read -r outcome name reason; do
        case $outcome in
            failed | crashed | hung)
                echo "   ${outcome^^} $name${reason:+: $reason}"
                case_output "$folder" "$name" | head -n 40 | sed 's/^/      /'
                ;;
        esac
    done <"$summary"
}

if [ "${1:-}" = "--inside-display" ]; then
    BUILD=$2
    run_all
    exit $?
fi

install_missing
build
fresh_prefix
started=$(date +%s)
status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "$BUILD" || status=$?
echo "Wine stage: $(($(date +%s) - started)) s"
exit $status
