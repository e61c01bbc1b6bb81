#!/usr/bin/env bash
# Checks Brisko as a desktop program and a Debian package: builds the package
# (scripts/package.sh), installs into a scratch prefix and checks the installed
# files, validates the desktop entry and the AppStream metadata, checks the
# package's fields and contents, runs lintian on it, and asks the program
# unpacked from it for its version with no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-pkg/CMakeCache.txt)
id=$(sed -n 's/^set(BRISKO_APP_ID "\(.*\)")$/\1/p' CMakeLists.txt)
sizes=$(sed -n 's/^set(BRISKO_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt)
[ -n "$version" ] && [ -n "$id" ] && [ -n "$sizes" ] || fail "no version, application ID or icon sizes"
deb=build-pkg/brisko_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb"

# What every installation holds, below its prefix.
files=(bin/brisko "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    share/man/man1/brisko.1.gz "share/icons/hicolor/scalable/apps/$id.svg")
for size in $sizes; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done

# Installed into a scratch prefix.
prefix=$scratch/prefix
cmake --install build-pkg --prefix "$prefix" >/dev/null
for f in "${files[@]}"; do [ -f "$prefix/$f" ] || fail "cmake --install left out $f"; done
for size in $sizes; do
    file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" |
        grep -q "^PNG image data, $size x $size," || fail "the ${size}px icon is not $size by $size"
done
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop") && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
# The metadata, with the desktop entry it names and a release entry for this version.
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli found faults in the metadata"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli found faults in the metadata"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metadata has no release entry for $version"

# The package: its fields, its contents, lintian.
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's dependencies lack Qt"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in "${files[@]}" share/doc/brisko/copyright share/doc/brisko/changelog.gz; do
    grep -qx "./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"
done
# Left on purpose: the program is in /usr/bin (on every PATH) and, as a game's
# tool, in section games, which lintian expects in /usr/games (linked there).
lintian --fail-on error,warning --suppress-tags package-section-games-but-has-usr-bin "$deb"

# The program from the package answers without a display.
dpkg-deb -x "$deb" "$scratch/unpacked"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/unpacked/usr/bin/brisko" --version)
[ "$answer" = "Brisko $version" ] || fail "the packaged program answered '$answer' to --version"
echo "check-package: $deb and its installation hold what a desktop needs"
