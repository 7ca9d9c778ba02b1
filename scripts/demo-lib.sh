# Helpers of the scripted demo sessions (scripts/demo-session.sh for hostsim,
# scripts/demo-session-windows.sh for winhost), sourced by them. Both hosts answer the same
# commands on standard output; the caller has their input on descriptor 3 and their output on
# descriptor 4, sets host_name (for messages) and run (the run folder with messages.log).

declare -A ended=()
# Reads one line of the host's output; the ends of plug-ins (winhost reports them) are noted on
# the way.
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
    echo "error: $host_name did not say '$1'" >&2
    exit 1
}
# The exit code of a plug-in process, once the host has seen it end.
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
# Waits up to 30 seconds until the host has logged at least that many messages.
wait_for_messages() {
    for _ in $(seq 300); do
        (($(messages_count) >= $1)) && return
        sleep 0.1
    done
    echo "error: the host received no message" >&2
    exit 1
}
# The window's part of the session, the same on both hosts: a screenshot of the window, a click
# on shuffle and one on restore, each followed by the order the host shows and a screenshot of
# it, then the messages the host received. Needs the window in $window and a click function
# taking a point of the window's client area.
window_session() {
    sleep 0.5
    import -window "$window" "$run/karusello-window.png"
    command "screenshot $run/host-before.png" >/dev/null

    echo "== Order before the shuffle:"
    order
    click 360 118
    wait_for_messages 2
    sleep 0.3
    echo "== Order after the shuffle:"
    order
    command "screenshot $run/host-shuffled.png" >/dev/null

    click 77 117
    wait_for_messages 4
    sleep 0.3
    echo "== Order after the restore:"
    order
    command "screenshot $run/host-restored.png" >/dev/null

    echo "== Messages the host received:"
    cat "$run/messages.log"
}
screenshots_line() {
    echo "== Screenshots: $run/karusello-window.png $run/host-before.png $run/host-shuffled.png $run/host-restored.png"
}
