#!/usr/bin/env bash
# Builds the Windows program and leaves in dist/windows/ the files that a station copies into
# the host's folder (docs/windows.md):
#   karusello.exe          the plug-in (32-bit, without debug information)
#   skin/brisolan.skn      the demo skin
#   INSTALL.txt            how to check, install and uninstall it (English and German)
# and the same files as dist/karusello-<version>-windows.zip, in a folder of that name. The
# version is the CMake project's.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh windows --target karusello

build=build/windows
version=$(<"$build/karusello-version.txt")
dist=dist/windows
rm -rf "$dist"
mkdir -p "$dist/skin"
# The build keeps debug information for Wine's backtraces; a station needs none of it.
i686-w64-mingw32-strip -o "$dist/karusello.exe" "$build/karusello.exe"
cp skins/brisolan.skn "$dist/skin/brisolan.skn"
# The build fills in the version and ends the lines with CR LF; a byte order mark in front, so
# that every Windows editor shows the umlauts.
{ printf '\xef\xbb\xbf'; cat "$build/INSTALL.txt"; } >"$dist/INSTALL.txt"

# In a folder of its own inside the zip: unpacked in the host's folder by mistake, it puts
# nothing over the host's files (its skin above all).
package=karusello-$version-windows
zip=$PWD/dist/$package.zip
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp -r "$dist" "$staging/$package"
rm -f "$zip"
(cd "$staging" && zip -q -X -r "$zip" "$package")

echo "dist/windows:"
(cd "$dist" && find . -type f -printf '  %P  (%s bytes)\n' | sort)
echo "dist/$package.zip:"
unzip -Z1 "$zip" | grep -v '/$' | sed 's/^/  /'
