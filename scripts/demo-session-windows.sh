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

coproc WINHOST { wine "$host/winhost.exe" "$@" 2>"$run/winhost.err"; }
# Plain descriptors: bash does not hand a coprocess's own ones to subshells (pipelines).
exec 3>&"${WINHOST[1]}" 4<&"${WINHOST[0]}"

declare -A ended=()
# Reads one line of winhost's output; the ends of plug-ins are noted on the way.
read_line() {
    local -n into=$1
    read -r -t 60 into <&4 || return 1
    if [[ $into =~ ^ended\ pid=([0-9]+)\ exit=([0-9]+) ]]; then
        ended[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
    fi
}
# Sends one command and prints its answer (other lines in between are skipped).
command() {
    echo "$1" >&3
    local line
    while read_line line; do
        case $line in
        ok* | error*) echo "$line"; return ;;
        esac
    done
    echo "error: no answer to '$1'" >&2
    exit 1
}
wait_for_line() {
    local line
    while read_line line; do
        [[ $line == $1* ]] && return
    done
    echo "error: winhost did not say '$1'" >&2
    exit 1
}
# The exit code of a plug-in process, once winhost has seen it end.
wait_for_end() {
    local line
    while [[ -z ${ended[$1]:-} ]]; do
        read_line line || { echo "error: the plug-in $1 did not end" >&2; exit 1; }
    done
    echo "${ended[$1]}"
}
# The shown playlist's entries in display order (by sort value): the first plids and sids.
order() {
    command order | awk '{
        for (i = 1; i <= NF; i++) { split($i, kv, "="); f[kv[1]] = kv[2] }
        n = split(f["plids"], p, ","); split(f["sids"], s, ",")
        line = ""; for (i = 1; i <= 12 && i <= n; i++) line = line sprintf("%s(%s) ", p[i], s[i])
        printf "  %d entries, first ones as plid(sid): %s...\n", n, line }'
}
messages_count() { wc -l <"$run/messages.log" 2>/dev/null || echo 0; }
wait_for_messages() {
    for _ in $(seq 300); do
        (($(messages_count) >= $1)) && return
        sleep 0.1
    done
    echo "error: the host received no message" >&2
    exit 1
}
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
sleep 0.5
import -window "$window" "$run/karusello-window.png"
command "screenshot $run/host-before.png" >/dev/null

echo "== Order before the shuffle:"
order
click 360 118
wait_for_messages 2
echo "== Order after the shuffle:"
order
command "screenshot $run/host-shuffled.png" >/dev/null

click 77 117
wait_for_messages 4
echo "== Order after the restore:"
order
command "screenshot $run/host-restored.png" >/dev/null

echo "== Messages the host received:"
cat "$run/messages.log"

click 260 118
echo "== Cancel: the plug-in ends with exit code $(wait_for_end "$pid")."
command close >/dev/null
wait "$WINHOST_PID" || true
echo "== Screenshots: $run/karusello-window.png $run/host-before.png $run/host-shuffled.png $run/host-restored.png"
