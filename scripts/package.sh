#!/usr/bin/env bash
# Builds the Debian package of Brisko: a Release build of the program alone, with
# Debian's hardening flags, packed by CPack into build-pkg/brisko_VERSION_ARCH.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package
# Debian's flags for a package, less its -g -O2: the Release build optimises, and
# the package's program is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release -DBRISKO_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-pkg -j"$(nproc)"
rm -f build-pkg/brisko_*.deb
(cd build-pkg && cpack -G DEB)
