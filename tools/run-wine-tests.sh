#!/usr/bin/env bash
# Cross-builds the window-system suites for Windows with mingw-w64 and runs
# them under Wine on a virtual X display, unattended: the 64-bit build under
# the 64-bit Wine, the 32-bit build under the 32-bit one, each in a fresh Wine
# prefix under its build folder, no display or network needed. Each program
# runs whole; the cases it did not finish, after a crash or a hang, run again
# in a process each, so that the fault is reported against its case and the
# others still run. Prints, per build and program, how many cases ran,
# passed, failed and were skipped, with the reasons of the skips, and the
# output of each failure.
#
# A build whose compiler or Wine cannot be installed does not run: the last
# lines say which and why. The stage fails when a build that ran fails, and
# when no build could run at all.
#
#   tools/run-wine-tests.sh [win64] [win32]     (default both)
#   WINE_PROGRAM_TIMEOUT=seconds per program    (default 300)
#   WINE_TEST_TIMEOUT=seconds per case run alone (default 60)
#   APT_ATTEMPTS=downloads of a failing package index (default 3),
#   APT_PAUSE=seconds between them               (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."

CASE_TIMEOUT=${WINE_TEST_TIMEOUT:-60}
PROGRAM_TIMEOUT=${WINE_PROGRAM_TIMEOUT:-300}
APT_ATTEMPTS=${APT_ATTEMPTS:-3}
APT_PAUSE=${APT_PAUSE:-60}

# Per build: its folder, toolchain, compiler package, Wine and prefix kind.
declare -A FOLDER=([win64]=build/win64 [win32]=build/win32)
declare -A TOOLCHAIN=([win64]=mingw-x86_64 [win32]=mingw-i686)
declare -A COMPILER=([win64]=x86_64-w64-mingw32 [win32]=i686-w64-mingw32)
declare -A COMPILER_PACKAGE=([win64]=g++-mingw-w64-x86-64-posix [win32]=g++-mingw-w64-i686-posix)
declare -A WINE_OF=([win64]=/usr/lib/wine/wine64 [win32]=/usr/lib/wine/wine)
declare -A WINE_PACKAGE=([win64]=wine64 [win32]=wine32:i386)
declare -A PREFIX_ARCH=([win64]=win64 [win32]=win32)
declare -A TITLE=([win64]="64-bit build" [win32]="32-bit build")
declare -A NOT_RUN=()  # why a build could not run
APT_ERROR=""

# What a build needs that the machine lacks, as packages.
missing_for() {
    local target=$1
    command -v "${COMPILER[$target]}-g++-posix" >/dev/null 2>&1 || echo "${COMPILER_PACKAGE[$target]}"
    [ -x "${WINE_OF[$target]}" ] || echo "${WINE_PACKAGE[$target]}"
    command -v wine >/dev/null 2>&1 || echo wine
    command -v xvfb-run >/dev/null 2>&1 || echo xvfb
    command -v xauth >/dev/null 2>&1 || echo xauth
    command -v ninja >/dev/null 2>&1 || echo ninja-build
    command -v cmake >/dev/null 2>&1 || echo cmake
    [ -d /usr/src/googletest/googletest ] || echo googletest
}

# The package index, downloaded again after a pause while part of it fails:
# a mirror in the middle of a sync serves a file that does not match its
# index for a few minutes. APT_ERROR keeps the last failure.
refresh_index() {
    local log attempt
    log=$(mktemp)
    for ((attempt = 1; ; attempt++)); do
        if apt-get update -qq >"$log" 2>&1; then
            rm -f "$log"
            return 0
        fi
        APT_ERROR=$(grep -m 1 '^E: ' "$log" || tail -n 1 "$log")
        if [ "$attempt" -ge "$APT_ATTEMPTS" ]; then
            rm -f "$log"
            APT_ERROR="the package index failed to download $attempt times ($APT_ERROR)"
            return 1
        fi
        echo "apt-get update failed ($APT_ERROR); again in ${APT_PAUSE} s" >&2
        sleep "$APT_PAUSE"
    done
}

# Installs the packages; on failure APT_ERROR says why.
install_packages() {
    local log index_error=""
    if ! refresh_index; then
        index_error=$APT_ERROR
        echo "Trying with the index as it is: $index_error" >&2
    fi
    log=$(mktemp)
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" \
        >"$log" 2>&1; then
        rm -f "$log"
        return 0
    fi
    APT_ERROR="apt-get install failed ($(grep -m 1 '^E: ' "$log" || tail -n 1 "$log"))"
    [ -z "$index_error" ] || APT_ERROR="$APT_ERROR after $index_error"
    rm -f "$log"
    return 1
}

# The 32-bit Wine comes from the i386 architecture, whose index is the one
# most often out of step; the architecture stays only once something of it
# is installed, so that a failed attempt leaves apt-get as it found it.
install_for() {
    local target=$1
    local missing
    missing=$(missing_for "$target" | sort -u | tr '\n' ' ' | sed 's/ $//')
    [ -n "$missing" ] || return 0
    echo "Installing for the ${TITLE[$target]}: $missing"
    if [ "$(id -u)" -ne 0 ]; then
        NOT_RUN[$target]="not root, so could not install $missing (sudo apt-get install -y $missing)"
        return 1
    fi
    local added=0
    if [[ $missing == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
        added=1
    fi
    # shellcheck disable=SC2086 # one word per package
    if ! install_packages $missing; then
        NOT_RUN[$target]="could not install $missing: $APT_ERROR"
        if [ $added -eq 1 ] && ! dpkg-query -W -f '${Architecture}\n' 2>/dev/null | grep -qx i386; then
            dpkg --remove-architecture i386
        fi
        return 1
    fi
}

# Optimised, with debug information so that a crash's address can be looked
# up (x86_64-w64-mingw32-addr2line, i686-w64-mingw32-addr2line).
build() {
    local target=$1
    cmake --no-warn-unused-cli -S . -B "${FOLDER[$target]}" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/${TOOLCHAIN[$target]}.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZV_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "${FOLDER[$target]}" -j2
}

# A throw-away prefix: nothing from an earlier run or from the user's own.
fresh_prefix() {
    local target=$1
    export WINEPREFIX="$PWD/${FOLDER[$target]}/wineprefix"
    export WINEARCH=${PREFIX_ARCH[$target]}
    export WINEDEBUG=-all
    # No Mono or Gecko installer prompts, and no debugger waiting on a crash.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
}

# Wine's own desktop in one X window: without a window manager under Xvfb,
# activation in separate X windows waits on timeouts for every change.
use_virtual_desktop() {
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
        >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
}

# Runs inside the virtual display: every program of the build, with the
# Wine of its size (the loader that a program starts stays its Wine's).
run_all() {
    export WINE WINELOADER=$WINE
    "$WINE" wineboot -i >/dev/null 2>&1
    use_virtual_desktop
    local results="$BUILD/wine-results"
    rm -rf "$results"
    mkdir -p "$results"
    local status=0
    local program
    # The build's own programs, not what an older layout of it left behind.
    for program in $(ninja -C "$BUILD" -t targets all | grep -o '^tests/[^:]*\.exe' | sort); do
        run_program "$BUILD/$program" "$results/$(basename "$program" .exe)" || status=1
    done
    wineserver -k >/dev/null 2>&1 || true
    cat "$results"/*/summary.tsv >"$results/all.tsv"
    tally "$TARGET_TITLE under Wine, all programs" "$results/all.tsv"
    return $status
}

list_cases() {
    "$WINE" "$1" --gtest_list_tests 2>/dev/null | tr -d '\r' | awk '
        /^[^ ]/ { suite = $1; next }
        /^  [^ ]/ { print suite $1 }'
}

# One case: its outcome (passed, failed, skipped, crashed, hung) and, for a
# skip, its reason, one line in the program's summary.
run_case() {
    local program=$1 name=$2 log=$3
    local code=0
    timeout --kill-after=5 "$CASE_TIMEOUT" "$WINE" "$program" --gtest_filter="$name" \
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
    timeout --kill-after=5 "$PROGRAM_TIMEOUT" "$WINE" "$program" >"$folder/whole.log" 2>&1 || true
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
    BUILD=$2 WINE=$3 TARGET_TITLE=$4
    run_all
    exit $?
fi

# One build, from installing what it needs to its tally; why it could not
# run goes to NOT_RUN.
run_target() {
    local target=$1
    install_for "$target" || return 0
    local started
    started=$(date +%s)
    echo "=== Windows stage, ${TITLE[$target]}: building ${FOLDER[$target]}"
    if ! build "$target"; then
        FAILED+=("${TITLE[$target]}: the build failed")
        return 0
    fi
    local built
    built=$(date +%s)
    fresh_prefix "$target"
    echo "=== Windows stage, ${TITLE[$target]}: running under ${WINE_OF[$target]}"
    local status=0
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "${FOLDER[$target]}" \
        "${WINE_OF[$target]}" "${TITLE[$target]}" || status=$?
    local ended tally_line
    ended=$(date +%s)
    tally_line=$(tally "${TITLE[$target]}" "${FOLDER[$target]}/wine-results/all.tsv" 2>/dev/null ||
        echo "== ${TITLE[$target]}: no results")
    RAN+=("$tally_line (build $((built - started)) s, run $((ended - built)) s)")
    [ $status -eq 0 ] || FAILED+=("${TITLE[$target]}: cases failed, crashed or hung")
}

TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=(win64 win32)
RAN=()
FAILED=()
stage_started=$(date +%s)
for target in "${TARGETS[@]}"; do
    if [ -z "${FOLDER[$target]:-}" ]; then
        echo "Unknown Windows build '$target': win64 or win32" >&2
        exit 2
    fi
    run_target "$target"
done

# The verdict comes last, so that a build that did not run is the last thing
# CI says.
echo "=== Windows stage: $(($(date +%s) - stage_started)) s"
for line in "${RAN[@]}"; do
    echo "$line"
done
for line in "${FAILED[@]}"; do
    echo "== FAILED: $line"
done
for target in "${TARGETS[@]}"; do
    if [ -n "${NOT_RUN[$target]:-}" ]; then
        echo "== The ${TITLE[$target]} did not run: ${NOT_RUN[$target]}"
    fi
done
if [ ${#RAN[@]} -eq 0 ] && [ ${#FAILED[@]} -eq 0 ]; then
    echo "== No Windows build could run: the stage FAILED"
    exit 1
fi
[ ${#FAILED[@]} -eq 0 ]
