#!/usr/bin/env bash
# Checks an installed Twopoint tree (cmake --install, or the package unpacked
# with dpkg -x): every file is in its place, both programs print the version,
# and twopoint-calc computes from the tree's own data files wherever it finds them.
#   scripts/check-installed.sh PREFIX VERSION
set -euo pipefail
prefix=$(cd "$1" && pwd)
version=$2
calc=$prefix/bin/twopoint-calc
fail() { echo "check-installed: $*" >&2; exit 1; }
expect() {  # expect WHAT ACTUAL WANTED
  [ "$2" == "$3" ] || fail "$1: got '$2', wanted '$3'"
}

for file in bin/twopoint-calc share/twopoint/Ellipser.vdx share/twopoint/Molodens.vdx \
            share/twopoint/NorthSea.vdx share/twopoint/ngo-data.vdx share/twopoint/Egm96_ne.rnd \
            share/twopoint/Egm96_nw.rnd share/twopoint/Egm96_se.rnd share/twopoint/Egm96_sw.rnd \
            share/man/man1/twopoint-calc.1.gz share/doc/twopoint/manual.html share/doc/twopoint/LICENSE \
            share/doc/twopoint/CHANGELOG.md share/doc/twopoint/session.md; do
  [ -f "$prefix/$file" ] || fail "$file is missing"
done
if [ -f "$prefix/bin/twopoint" ]; then
  for file in share/man/man1/twopoint.1.gz share/applications/io.github.twopoint.Twopoint.desktop \
              share/metainfo/io.github.twopoint.Twopoint.metainfo.xml \
              share/icons/hicolor/scalable/apps/twopoint.svg share/icons/hicolor/48x48/apps/twopoint.png \
              share/icons/hicolor/256x256/apps/twopoint.png; do
    [ -f "$prefix/$file" ] || fail "$file is missing"
  done
  expect "twopoint --version" "$("$prefix/bin/twopoint" --version)" "twopoint $version"
fi
expect "twopoint-calc --version" "$("$calc" --version)" "twopoint-calc $version"

# No hint from the environment: the programs look in ../share/twopoint from bin/.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
bare=(env -u TWOPOINT_DATA_DIR XDG_DATA_HOME="$scratch/none" XDG_DATA_DIRS="$scratch/none")
# The geoid reads the EGM96 files, geog2cart the ellipsoid of a datum of Molodens.vdx,
# northsea NorthSea.vdx.
geoid="61.5 2.5"
expect "geoid from the installed tree" "$(echo "$geoid" | "${bare[@]}" "$calc" geoid)" "46.8417"
expect "geog2cart on a catalogue datum" \
  "$(echo "60 5 0" | "${bare[@]}" "$calc" geog2cart --datum "EUROPEAN 1950 (Norway & Finland)")" "3185097.9369 278659.9617 5500595.5810"
expect "northsea" "$(echo "52.508333333333 2 0" | "${bare[@]}" "$calc" northsea --mode ED50-ED87)" \
  "52.5083302038 2.0000098013 0.0000"

# TWOPOINT_DATA_DIR is taken as given: a folder without the files names the file missing.
status=0
out=$(echo "$geoid" | env TWOPOINT_DATA_DIR="$scratch/empty" "$calc" geoid) || status=$?
expect "geoid without data, status" "$status" 1
expect "geoid without data" "$out" "error: Cannot open the geoid file $scratch/empty/Egm96_ne.rnd"
# --data-dir wins over TWOPOINT_DATA_DIR.
expect "--data-dir" "$(echo "$geoid" | env TWOPOINT_DATA_DIR="$scratch/empty" "$calc" geoid --data-dir "$prefix/share/twopoint")" "46.8417"

# A program copied elsewhere finds the data through the XDG data folders.
mkdir -p elsewhere
cp "$calc" elsewhere/
expect "geoid through XDG_DATA_DIRS" \
  "$(echo "$geoid" | env -u TWOPOINT_DATA_DIR XDG_DATA_HOME="$scratch/none" XDG_DATA_DIRS="$scratch/none:$prefix/share" elsewhere/twopoint-calc geoid)" "46.8417"
echo "check-installed: $prefix is complete and works"
