#!/usr/bin/env bash
# The main job on the Windows build, under Wine (scripts/run-demo.sh --windows): builds the
# Windows program and the stand-in host winhost, makes the same demo host as the Linux demo (the
# Linux demo host generator; the files are the same for Windows) in demo-run/windows/host,
# copies karusello.exe and winhost.exe into it, and runs them under Wine.
#   With a display (DISPLAY set): the host's windows open; use its menu entry
#   "Shuffle Playlist" and click around. The first start of the plug-in only installs it.
#   Without one: a short scripted session under a private X server (shuffle, restore) that
#   prints the playlist's order before, after the shuffle and after the restore, the messages
#   the host received, and leaves screenshots in demo-run/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
# The 32-bit build, as shipped; on a machine that cannot run 32-bit programs, the same program
# built for 64 bits.
export KARUSELLO_WINE_ARCH
KARUSELLO_WINE_ARCH=$(scripts/wine-env.sh usable-arch)
flavour=windows
if [[ $KARUSELLO_WINE_ARCH == win64 ]]; then
    flavour=windows64
    echo "This machine cannot run 32-bit programs: the demo runs the 64-bit build." >&2
fi
scripts/build.sh "$flavour" --target karusello --target winhost
scripts/build.sh release -DKARUSELLO_BUILD_TESTS=OFF --target karusello-demohost

windows_build=$root/build/$flavour
run=$root/demo-run/windows
host=$run/host
rm -rf "$run"
mkdir -p "$run"
build/release/tools/demohost/karusello-demohost "$host" --skin skins/brisolan.skn >/dev/null
cp "$windows_build/karusello.exe" "$windows_build/tools/winhost/winhost.exe" "$host/"
winhost_args=(--host "$host" --show 17 --log "$run/messages.log")
# The demo's Wine prefix and server of its own, apart from the tests' (scripts/wine-env.sh).
wine_state=$root/build/wine-demo-$KARUSELLO_WINE_ARCH

if [[ -n "${DISPLAY:-}" && "${KARUSELLO_DEMO_SCRIPTED:-}" != 1 ]]; then
    trap 'scripts/wine-env.sh stop "$wine_state"' EXIT
    scripts/wine-env.sh start "$wine_state"
    eval "$(scripts/wine-env.sh env "$wine_state")"
    echo "Host folder: $host"
    echo "Use the menu entry \"Shuffle Playlist\" of the window \"Brisolan Datenbank\"."
    "$WINE" "$host/winhost.exe" "${winhost_args[@]}"
    exit
fi

unset DISPLAY
exec scripts/with-xvfb.sh scripts/demo-session-windows.sh "$wine_state" "$run" "${winhost_args[@]}"
