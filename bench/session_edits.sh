#!/bin/sh
# Times `twopoint-calc session` on a script of 10 000 edits in a fresh data
# folder. Range/bearing mode (default): geographic, grid and cartesian edits of
# both points, true range/bearing offsets and names in turn. Datum-shift mode
# ("shift"): the same without the offsets, each edit shifted to the other datum
# with the geoid rows.
# Usage: bench/session_edits.sh [build-dir] [range|shift]
set -eu
build=${1:-build}
mode=${2:-range}
program="$build/bin/twopoint-calc"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v mode="$mode" 'BEGIN {
  if (mode == "shift") print "mode 1";
  for (k = 0; k < 10000; k++) {
    i = k % 2;
    m = k % 5;
    if (m == 3 && mode == "shift") m = 0;
    if (m == 0) printf "geog %d %d %d %dN; %d %d %dE; %d\n", i, 55 + k % 7, k % 60, (7 * k) % 60, 1 + k % 5, (3 * k) % 60, k % 60, k % 90;
    else if (m == 1) printf "grid %d %d; %d\n", i, 6500000 + k, 400000 + k;
    else if (m == 2) printf "cart %d 3100000; %d; 5500000\n", i, 150000 + k;
    else if (m == 3) printf "trueoffset %d; %d; 0\n", 1000 + k, k % 360;
    else printf "name %d Station %d\n", i, k;
  }
  print "sheet";
}' > "$work/script"
start=$(date +%s.%N)
"$program" session --data-dir "$build/bin/data" --user-dir "$work/user" --no-save < "$work/script" > "$work/out" || true
end=$(date +%s.%N)
echo "$mode mode, 10000 edits: $(echo "$end - $start" | bc) s;" \
     "$(grep -c '^notice' "$work/out" || true) notices, $(grep -c '^error' "$work/out" || true) error lines"
