#!/usr/bin/env bash
# The scripted demo session of the Windows build: winhost and Karusello under Wine on the X
# display in DISPLAY (scripts/with-xvfb.sh gives a private one), driven by winhost's command
# interface and by clicks on Karusello's real buttons.
#   scripts/demo-session-windows.sh <Wine state folder> <run folder> <winhost arguments...>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
wine_state=$1
run=$2
shift 2
host=$run/host

# Wine's services start on this display and end with the session.
trap '"$root/scripts/wine-env.sh" stop "$wine_state"' EXIT
"$root/scripts/wine-env.sh" start "$wine_state"
eval "$("$root/scripts/wine-env.sh" env "$wine_state")"
export KARUSELLO_NO_ERROR_DIALOG=1

coproc WINHOST { "$WINE" "$host/winhost.exe" "$@" 2>"$run/winhost.err"; }
# Plain descriptors: bash does not hand a coprocess's own ones to subshells (pipelines).
exec 3>&"${WINHOST[1]}" 4<&"${WINHOST[0]}"

host_name=winhost
source "$(dirname "$0")/demo-lib.sh"
# A click at a point of the window's client area (414 x 135 pixels): Wine draws the frame and
# the caption of its windows itself, inside the X window, so the client area lies within it
# by the frame's width, and below the caption.
click() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - 414) / 2))
    local top=$((HEIGHT - 135 - border))
    xdotool mousemove --window "$window" $((border + $1)) $((top + $2)) click 1
}

wait_for_line ready
echo "== The host shows playlist 17:"
command "show 17"

echo "== First start of the plug-in: it installs itself in the host INI file and ends."
pid=$(command shuffle | sed 's/.*pid=//')
echo "  exit code $(wait_for_end "$pid")"
grep -A1 -E '^\[PLUGIN' "$host/brisolan.ini" | tr -d '\r'

echo "== Second start: the window opens."
pid=$(command shuffle | sed 's/.*pid=//')
window=$(timeout 60 xdotool search --sync --name '^Brisolan Karusello$' | head -1)
window_session

click 260 118
echo "== Cancel: the plug-in ends with exit code $(wait_for_end "$pid")."
command close >/dev/null
wait "$WINHOST_PID" || true
screenshots_line
