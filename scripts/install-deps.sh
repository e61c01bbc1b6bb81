#!/usr/bin/env bash
# Installs what Brisko needs to build and run on Debian 12; with --package also
# what making and checking its Debian package needs; with --test also what its
# tests and checks need (the package's set included); and the packages named on
# the command line (what one script alone needs).
set -euo pipefail
# What building and running Brisko needs.
packages=(
    cmake g++ make pkg-config
    qt6-base-dev            # Qt 6 Widgets (pulls moc/uic/rcc and the offscreen/xcb plugins)
)
# With --package or --test, what scripts/package.sh and scripts/check-package.sh
# need as well. The icon's PNG files are in the sources, so no SVG tool.
package=(
    dpkg-dev file           # dpkg-buildflags, dpkg-shlibdeps (CPack finds the programs with file)
    desktop-file-utils appstream lintian  # the checks of the desktop entry, metadata and package
)
# With --test, what the tests and the other checks need as well.
tests=(
    git clang-format        # the layout check of the sources
    libgtest-dev            # GoogleTest
    libbenchmark-dev        # Google Benchmark
    xvfb xauth              # running the window without a display
    xdotool                 # whether the real program's window appears
    e2fsprogs util-linux    # chattr, setpriv, unshare for the file-failure tests
    fuse3 python3-fusepy    # a FUSE mount whose listing never answers, for the stopped search
    clang libclang-rt-14-dev llvm  # the save fuzzer: libFuzzer, the sanitizers, readable reports
    ioquake3-server ioquake3 libegl-mesa0 libgl1-mesa-dri  # the game engine, to check what the writer produces
    wine wine64 gcc-mingw-w64-x86-64-win32  # a real Windows program started through Wine
    openarena               # a whole game on the same engine, for Save & Test against a real game
)
case "${1:-}" in
    --package)
        packages+=("${package[@]}")
        shift
        ;;
    --test)
        packages+=("${package[@]}" "${tests[@]}")
        shift
        ;;
esac
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
