#!/usr/bin/env bash
# Builds the Windows program and leaves in dist/windows/ the files that a station copies into
# the host's folder (docs/windows.md):
#   karusello.exe          the plug-in (32-bit, without debug information)
#   skin/brisolan.skn      the demo skin
#   INSTALL.txt            how to install and uninstall it (English and German)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh windows --target karusello

exe=build/windows/karusello.exe
dist=dist/windows
rm -rf "$dist"
mkdir -p "$dist/skin"
# The build keeps debug information for Wine's backtraces; a station needs none of it.
i686-w64-mingw32-strip -o "$dist/karusello.exe" "$exe"
cp skins/brisolan.skn "$dist/skin/brisolan.skn"
# UTF-8 with a byte order mark and CR LF, so that every Windows editor shows the umlauts and the
# lines.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' docs/INSTALL-windows.txt; } >"$dist/INSTALL.txt"

echo "dist/windows:"
(cd "$dist" && find . -type f -printf '  %P  (%s bytes)\n' | sort)
