#!/usr/bin/env bash
# Times torvel against the parse-and-format baseline on a generated program
# and prints one table, then runs the micro-benchmarks briefly.
#
#   bash bench/run-bench.sh [BUILD]      (BUILD defaults to "build")
#
# Environment: BENCH_RUNS (runs per row, default 5), BENCH_LINES (default
# 1000000), BENCH_ARC_SHARE (default 0.05), BENCH_SEED (default 1),
# BENCH_MICRO_TIME (seconds per micro-benchmark, default 0.05; 0 skips them).
set -euo pipefail

build=${1:-build}
runs=${BENCH_RUNS:-5}
lines=${BENCH_LINES:-1000000}
share=${BENCH_ARC_SHARE:-0.05}
seed=${BENCH_SEED:-1}
micro_time=${BENCH_MICRO_TIME:-0.05}

torvel=$build/torvel
gen=$build/bench/gen_program
baseline=$build/bench/baseline
micro=$build/bench/micro_bench
for exe in "$torvel" "$gen" "$baseline" "$micro"; do
  if [ ! -x "$exe" ]; then
    echo "run-bench: $exe is missing; build first (make bench)" >&2
    exit 1
  fi
done

timer=/usr/bin/time
if [ ! -x "$timer" ]; then
  echo "run-bench: $timer is missing (Debian package \"time\"); peak memory is not measured" >&2
  timer=
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/torvel-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

input=$work/program.nc
"$gen" --lines "$lines" --arc-share "$share" --seed "$seed" -o "$input" 2>/dev/null
in_lines=$(wc -l <"$input")
in_bytes=$(stat -c %s "$input")

root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo "unknown")
if [ -n "$(git -C "$root" status --porcelain -- conversion codes cli 2>/dev/null)" ]; then
  commit="$commit (with uncommitted changes)"
fi

echo "Date:    $(date)"
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "Commit:  $commit"
echo "Load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min averages before the runs)"
echo "Input:   $in_lines lines, $(awk -v b="$in_bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MiB" \
  "(gen_program --lines $lines --arc-share $share --seed $seed)"
echo "Runs:    $runs per row; wall time is the median, memory the largest peak RSS;" \
  "CPU is user + system time (less disturbed by other load than wall time)"
echo

# measure NAME LIMITS COMMAND...: runs COMMAND $runs times (OUTPUT is
# $work/out.nc, deleted before each run) and appends one row to $work/rows.
measure() {
  local name=$1 limits=$2
  shift 2
  local times=() cpus=() rss=0 status
  for ((i = 1; i <= runs; i++)); do
    rm -f "$work/out.nc"
    local t0 t1
    t0=$(date +%s%N)
    if [ -n "$timer" ]; then
      "$timer" -v -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" && status=0 || status=$?
    else
      "$@" >/dev/null 2>"$work/stderr.txt" && status=0 || status=$?
    fi
    t1=$(date +%s%N)
    if [ "$status" -ne 0 ]; then
      echo "run-bench: $name ($limits) exited with status $status:" >&2
      head -5 "$work/stderr.txt" >&2
    fi
    times+=($(((t1 - t0) / 1000)))
    if [ -n "$timer" ]; then
      local kb
      kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/time.txt")
      if [ "${kb:-0}" -gt "$rss" ]; then rss=$kb; fi
      cpus+=("$(awk -F: '/(User|System) time \(seconds\)/ { s += $2 } END { printf "%d", s * 1e6 }' \
        "$work/time.txt")")
    fi
  done
  local out_lines
  out_lines=$(wc -l <"$work/out.nc")
  rm -f "$work/out.nc"
  local sorted sorted_cpu=
  sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
  if [ ${#cpus[@]} -gt 0 ]; then sorted_cpu=$(printf '%s\n' "${cpus[@]}" | sort -n | tr '\n' ' '); fi
  echo "$name|$limits|$out_lines|$rss|$sorted|$sorted_cpu" >>"$work/rows"
}

: >"$work/rows"
measure "baseline" "-" "$baseline" "$input" "$work/out.nc"
measure "torvel" "1.0 mm / 10 deg" "$torvel" "$input" "$work/out.nc" \
  --max-segment 1.0 --max-angle 10 --wrap X --surface-z 20 -q
measure "torvel" "0.1 mm / 1 deg" "$torvel" "$input" "$work/out.nc" \
  --max-segment 0.1 --max-angle 1 --wrap X --surface-z 20 -q

awk -F'|' -v in_lines="$in_lines" -v have_rss="${timer:+1}" '
  {
    n = split($5, t, " ")
    median = (n % 2) ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
    m = split($6, c, " ")
    cpu[NR] = m ? ((m % 2) ? c[(m + 1) / 2] : (c[m / 2] + c[m / 2 + 1]) / 2) / 1e6 : -1
    name[NR] = $1; limits[NR] = $2; out[NR] = $3; rss[NR] = $4
    med[NR] = median / 1e6; lo[NR] = t[1] / 1e6; hi[NR] = t[n] / 1e6
  }
  END {
    printf "| program | limits | median wall s (min-max) | input lines/s | output lines | output lines/s | peak RSS MiB | x baseline | median CPU s | CPU x baseline |\n"
    printf "|---|---|---|---|---|---|---|---|---|---|\n"
    for (i = 1; i <= NR; i++) {
      mem = have_rss ? sprintf("%.1f", rss[i] / 1024) : "n/a"
      cpus = cpu[i] >= 0 ? sprintf("%.2f", cpu[i]) : "n/a"
      cpur = cpu[i] > 0 && cpu[1] > 0 ? sprintf("%.2f", cpu[i] / cpu[1]) : "n/a"
      printf "| %s | %s | %.3f (%.3f-%.3f) | %.2fM | %d | %.2fM | %s | %.2f | %s | %s |\n",
        name[i], limits[i], med[i], lo[i], hi[i], in_lines / med[i] / 1e6, out[i],
        out[i] / med[i] / 1e6, mem, med[i] / med[1], cpus, cpur
    }
  }' "$work/rows"

if [ "$micro_time" != "0" ]; then
  echo
  echo "Micro-benchmarks (--benchmark_min_time=$micro_time):"
  "$micro" --benchmark_min_time="$micro_time"
fi
