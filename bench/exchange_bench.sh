#!/usr/bin/env bash
# Export and import of real pages, side by side with Translate Toolkit's html2po and po2html (the
# established tool for the same round trip; Debian translate-toolkit, used only here). Both are
# timed inside their own process (best of three), so that the start of the Python interpreter does
# not count against the toolkit. Goal: ours at least 50 times faster on every page.
#   bench/exchange_bench.sh [PAGES...]   default: the 8 largest corpus pages and 8 of middle size
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh translate-toolkit pkg-config libgumbo-dev
bench/fetch-corpus.sh >/dev/null
cmake -S . -B build-bench -DTOLVANE_BENCH=ON -DTOLVANE_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target exchange_bench >/dev/null

if [ $# -gt 0 ]; then
  pages=("$@")
else
  mapfile -t sorted < <(find bench/corpus -maxdepth 1 -name '*.html' -type f -printf '%s %p\n' | sort -rn | cut -d' ' -f2)
  middle=$((${#sorted[@]} / 2))
  pages=("${sorted[@]:0:8}" "${sorted[@]:$middle:8}")
fi

declare -A ours
while read -r page took; do ours[$page]=$took; done < <(build-bench/bench/exchange_bench "${pages[@]}")

printf '%-52s %7s %10s %10s %8s\n' page KB ours_s toolkit_s ratio
status=0
while read -r page took reason; do
  size=$(($(stat -c %s "$page") / 1024))
  if [ "$took" = refused ]; then
    printf '%-52s %7d %10.4f %10s %8s  (%s)\n' "$(basename "$page")" "$size" "${ours[$page]}" refused - "$reason"
    continue
  fi
  ratio=$(awk -v a="$took" -v b="${ours[$page]}" 'BEGIN {printf "%.0f", a / b}')
  printf '%-52s %7d %10.4f %10.4f %7sx\n' "$(basename "$page")" "$size" "${ours[$page]}" "$took" "$ratio"
  [ "$ratio" -ge 50 ] || status=1
done < <(/usr/bin/python3 bench/toolkit_round_trip.py "${pages[@]}")
[ "$status" = 0 ] && echo "goal: at least 50 x faster on every page the toolkit reads: met" ||
  echo "goal: at least 50 x faster on every page the toolkit reads: MISSED"
build-bench/bench/exchange_bench --recombine
exit "$status"
