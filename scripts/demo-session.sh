#!/usr/bin/env bash
# The scripted demo session: hostsim and Karusello under a private X server, driven by
# hostsim's command interface and by clicks on Karusello's real buttons.
#   scripts/demo-session.sh <build folder> <run folder> <hostsim arguments...>
set -euo pipefail
build=$1
run=$2
shift 2

pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" || "${KARUSELLO_DEMO_SCRIPTED:-}" == 1 ]]; then
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$run/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY=:97
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
export KARUSELLO_NO_ERROR_DIALOG=1
export XDG_RUNTIME_DIR=$run/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

coproc HOSTSIM { "$build/tools/hostsim/hostsim" "$@" 2>"$run/hostsim.err"; }
pids+=("$HOSTSIM_PID")
# Plain descriptors: bash does not hand a coprocess's own ones to subshells (pipelines).
exec 3>&"${HOSTSIM[1]}" 4<&"${HOSTSIM[0]}"

host_name=hostsim
source "$(dirname "$0")/demo-lib.sh"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

wait_for_line ready
echo "== The host shows playlist 17:"
command "show 17"

echo "== First start of the plug-in: it installs itself in the host INI file and ends."
command shuffle >/dev/null
for _ in $(seq 100); do grep -q "karusello=Shuffle Playlist" "$run/host/brisolan.ini" && break; sleep 0.1; done
grep -A1 -E '^\[PLUGIN' "$run/host/brisolan.ini" | tr -d '\r'

echo "== Second start: the window opens."
command shuffle >/dev/null
window=$(xdotool search --sync --name '^Brisolan Karusello$' | head -1)
window_session

click 260 118
command close >/dev/null
wait "$HOSTSIM_PID" || true
screenshots_line
