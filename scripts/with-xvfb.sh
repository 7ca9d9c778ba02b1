#!/usr/bin/env bash
# Runs a command on an X display: the one in DISPLAY when that is set, else a private X server
# (Xvfb) that ends with the command.
#   scripts/with-xvfb.sh command [args...]
# A private server picks a free display number itself (-displayfd), so that runs started at the
# same time never take the same one. The Windows build's window tests run under Wine this way:
# Wine creates windows only on an X display.
set -euo pipefail

if [[ -n ${DISPLAY:-} ]]; then
    exec "$@"
fi

state=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$state/display" \
    >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$state"' EXIT

# The server writes its display number once it accepts connections.
for ((tries = 0; tries < 200; tries++)); do
    [[ -s $state/display ]] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "with-xvfb: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[[ -s $state/display ]] || { echo "with-xvfb: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$state/display")

status=0
"$@" || status=$?
exit "$status"
