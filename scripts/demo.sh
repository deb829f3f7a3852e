#!/usr/bin/env bash
# The demo: a development server with the demo company on a free loopback port, and the wizard
# connected to it as the demo administrator. Without a display the wizard runs the demo job
# unattended and leaves screenshots of every page. The server's data folder and journal live in a
# temporary folder that is removed when the demo ends.
set -euo pipefail
build_dir=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/$build_dir/bin"
work=$(mktemp -d "${TMPDIR:-/tmp}/kitbench-demo.XXXXXX")
server_pid=

cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$work"
    true
}
trap cleanup EXIT

login=()
if [ -x "$bin/orvello-devserver" ]; then
    "$bin/orvello-devserver" --listen 127.0.0.1:0 --data "$work/data" --seed demo --journal "$work/journal.jsonl" \
        >"$work/server.out" 2>"$work/server.err" &
    server_pid=$!
    for _ in $(seq 100); do
        address=$(head -n 1 "$work/server.out" 2>/dev/null | sed -n 's|^listening on http://||p')
        [ -n "$address" ] && break
        sleep 0.05
    done
    if [ -z "${address:-}" ]; then
        echo "the development server did not start:" >&2
        cat "$work/server.err" >&2
        exit 1
    fi
    echo "development server: http://$address (demo company; journal $work/journal.jsonl while the demo runs)"
    login=(/L "admin@$address" /P admin)
fi

export XDG_CONFIG_HOME="$work/config" # the demo leaves the user's own settings alone
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    "$bin/kitbench" "${login[@]}"
else
    shots="$root/$build_dir/demo-screenshots"
    rm -rf "$shots"
    echo "no display: running the demo job unattended"
    status=0
    "$bin/kitbench" /createincident "${login[@]}" /UNATTENDED "$root/resources/demo/incident.answers" \
        /SCREENSHOTS "$shots" || status=$?
    echo "wizard finished with status $status; screenshots of every page in $shots"
    if [ -s "$work/journal.jsonl" ]; then
        echo "what reached the server:"
        cat "$work/journal.jsonl"
    fi
    exit "$status"
fi
