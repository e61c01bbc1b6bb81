#!/usr/bin/env bash
# Installs what Brisko needs to build, run, test and package on Debian 12, and the
# packages named on the command line (what one script alone needs).
set -euo pipefail
packages=(
    cmake g++ make pkg-config git
    clang-format            # the layout check of the sources
    qt6-base-dev            # Qt 6 Widgets (pulls moc/uic/rcc and the offscreen/xcb plugins)
    libgtest-dev            # GoogleTest
    libbenchmark-dev        # Google Benchmark
    dpkg-dev fakeroot file  # the Debian package: dpkg-shlibdeps, dpkg-deb
    desktop-file-utils appstream lintian  # the checks of the desktop entry, metadata and package
    xvfb xauth              # running the window without a display
    e2fsprogs util-linux    # chattr, setpriv, unshare for the file-failure tests
    clang libclang-rt-14-dev llvm  # the save fuzzer: libFuzzer, the sanitizers, readable reports
    ioquake3-server ioquake3 libegl-mesa0 libgl1-mesa-dri  # the game engine, to check what the writer produces
    wine wine64 gcc-mingw-w64-x86-64-win32  # a real Windows program started through Wine
)
packages+=("$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
