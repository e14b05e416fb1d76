#!/usr/bin/env bash
# The whole start, from the process to the first picture of a window showing
# the largest log (10,000 entries, from orv_make_large_log), against a bare
# Qt 6 window holding a 10,000-row list. The two start alternately, each in
# a fresh runtime folder, on an X server of their own (Xvfb); one start of
# each comes first to warm the disk cache and is not counted. Prints each
# run, the ratio of the medians and the resident memory of each at the moment
# its window showed.
#
#   bench/start_ratio.sh [BUILD-DIR] [RUNS]     (defaults: build 7)
set -euo pipefail

build=${1:-build}
runs=${2:-7}
bin=$(cd "$build/bin" && pwd)
for program in ORVXP orv_start_floor orv_start_timer orv_make_large_log; do
    [ -x "$bin/$program" ] || { echo "start_ratio: $bin/$program is missing; build it first" >&2; exit 1; }
done

# On an X server of our own, so nothing else on the screen takes a share.
if [ -z "${ORV_START_RATIO_INNER:-}" ]; then
    export ORV_START_RATIO_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

work=$(mktemp -d)
# A session's runtime folder is a tmpfs (/run/user/UID): the single-instance
# socket and its lock live there, so the runs get theirs on one too.
runtime_root=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "$work")/orv-start.XXXXXX")
trap 'rm -rf "$work" "$runtime_root"' EXIT
"$bin/orv_make_large_log" "$work/Large.dat" >/dev/null
mkdir -p "$work/config"
export XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb

# One start; prints "MILLISECONDS KIB CPU-MILLISECONDS".
start() {
    local runtime
    runtime=$(mktemp -d "$runtime_root/run.XXXXXX")
    chmod 700 "$runtime"
    local result
    if [ "$1" = floor ]; then
        result=$(XDG_RUNTIME_DIR="$runtime" "$bin/orv_start_timer" "10000 rows" -- "$bin/orv_start_floor")
    else
        result=$(XDG_RUNTIME_DIR="$runtime" "$bin/orv_start_timer" "Large, 10000/10000 entries" -- \
            "$bin/ORVXP" "$work/Large.dat")
    fi
    echo "$result" | awk '{print $1, $3, $5}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
start floor >/dev/null
start program >/dev/null
: >"$work/floor" && : >"$work/program"
for ((i = 1; i <= runs; i++)); do
    # Alternate which goes first, so neither always follows the other.
    if ((i % 2)); then order="floor program"; else order="program floor"; fi
    for who in $order; do
        start "$who" >>"$work/$who"
    done
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"

for who in floor program; do
    name=$([ "$who" = floor ] && echo floor || echo ORVXP)
    printf '%-6s time %s\n' "$name" "$(awk '{printf "%7.1f ms", $1}' "$work/$who")"
    printf '%-6s RSS  %s\n' "$name" "$(awk '{printf "%7.1f MiB", $2 / 1024}' "$work/$who")"
    printf '%-6s CPU  %s\n' "$name" "$(awk '{printf "%7.1f ms", $3}' "$work/$who")"
done
floor_ms=$(awk '{print $1}' "$work/floor" | median)
program_ms=$(awk '{print $1}' "$work/program" | median)
floor_kib=$(awk '{print $2}' "$work/floor" | median)
program_kib=$(awk '{print $2}' "$work/program" | median)
floor_cpu=$(awk '{print $3}' "$work/floor" | median)
program_cpu=$(awk '{print $3}' "$work/program" | median)
awk -v f="$floor_ms" -v p="$program_ms" -v n="$runs" \
    'BEGIN {printf "start, medians of %d: ORVXP %.1f ms / floor %.1f ms = %.2fx (budget 1.30x, aim 1.15x)\n", n, p, f, p / f}'
awk -v f="$floor_cpu" -v p="$program_cpu" \
    'BEGIN {printf "processor time, medians: ORVXP %.1f ms / floor %.1f ms = %.2fx\n", p, f, p / f}'
awk -v f="$floor_kib" -v p="$program_kib" \
    'BEGIN {printf "resident memory, medians: ORVXP %.1f MiB, floor %.1f MiB, ORVXP - floor = %+.1f MiB (aim at most +10)\n", p / 1024, f / 1024, (p - f) / 1024}'
