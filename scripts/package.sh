#!/usr/bin/env bash
# Makes the Debian package from the build folder (build/ or $TWOPOINT_BUILD_DIR)
# with CPack, then unpacks it into a scratch root and checks the tree there:
# both programs print the version and twopoint-calc computes from the
# package's own data files. The package is left in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
build_dir=${TWOPOINT_BUILD_DIR:-build}
[ -f "$build_dir/CMakeCache.txt" ] || { echo "package.sh: build first (./run.sh or ./test.sh)" >&2; exit 1; }
TWOPOINT_BUILD_TARGETS="twopoint twopoint-calc docs" scripts/build.sh
(cd "$build_dir" && cpack -G DEB)
package=$(ls -t "$build_dir"/twopoint_*.deb | head -1)
echo "package.sh: $package"
dpkg-deb --field "$package" Package Version Depends
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
scripts/check-installed.sh "$root/usr" "$version"
