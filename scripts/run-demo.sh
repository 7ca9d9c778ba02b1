#!/usr/bin/env bash
# The main job: sets everything up, starts the host simulator on a fresh demo host and
# Karusello on its playlist "Morgenshow".
#   With a display (DISPLAY set): the host's windows open; use its menu entry
#   "Shuffle Playlist" and click around. The first start of the plug-in only installs it.
#   Without one: a short scripted session under a private X server (shuffle, restore) that
#   prints the playlist's order before, after the shuffle and after the restore, the messages
#   the host received, and leaves screenshots in demo-run/.
#   scripts/run-demo.sh --windows: the same with the Windows build under Wine
#   (scripts/demo-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
if [[ ${1:-} == --windows ]]; then
    exec scripts/demo-windows.sh
fi

scripts/install-deps.sh
scripts/build.sh release -DKARUSELLO_BUILD_TESTS=OFF

build=$root/build/release
run=$root/demo-run
host=$run/host
rm -rf "$run"
mkdir -p "$run"
hostsim_args=(--host "$host" --create --skin "$root/skins/brisolan.skn"
    --plugin "$build/karusello" --show 17 --log "$run/messages.log")

if [[ -n "${DISPLAY:-}" && "${KARUSELLO_DEMO_SCRIPTED:-}" != 1 ]]; then
    echo "Host folder: $host"
    echo "Use the menu entry \"Shuffle Playlist\" of the window \"Brisolan Datenbank\"."
    exec "$build/tools/hostsim/hostsim" "${hostsim_args[@]}"
fi

exec scripts/demo-session.sh "$build" "$run" "${hostsim_args[@]}"
