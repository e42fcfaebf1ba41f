#!/usr/bin/env bash
# Runs every benchmark of a build folder and times the same tight loop in Lua 5.4 for comparison.
set -euo pipefail
build=${1:-build}
for bench in "$build"/bin/*_bench; do
  echo "== $(basename "$bench")"
  "$bench" --benchmark_counters_tabular=true
done
if [ -x "$build/bin/engine_bench" ] && command -v lua5.4 >/dev/null; then
  zolt_ms=$("$build/bin/engine_bench" --benchmark_filter=TightLoop --benchmark_format=csv 2>/dev/null |
            awk -F, '/TightLoop/ {print $4}')
  best=""
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    lua5.4 -e 'k=0 while k<10000000 do k=k+1 end'
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "== tight loop of 10,000,000 rounds"
  echo "zolt engine: ${zolt_ms} ms   lua 5.4 (best of 5): ${best} ms"
  awk -v z="$zolt_ms" -v l="$best" 'BEGIN { printf "lua time / zolt time: %.2f\n", l / z }'
fi
