# shellcheck shell=bash
# Shared helpers of scripts/run and scripts/test. Source it; it defines
# functions and a few variables and changes nothing by itself.
#
#   QL_ROOT              the repository (the folder above scripts/)
#   ql_log MSG...        a progress line on stderr
#   ql_start_display     makes sure DISPLAY names a usable X display: keeps a
#                        set DISPLAY, otherwise starts a private Xvfb on a free
#                        display number and exports DISPLAY (and
#                        QL_PRIVATE_DISPLAY=1); ql_cleanup ends it
#   ql_wine_env PREFIX   exports WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES for PREFIX
#   ql_wine_start_server PREFIX
#                        creates PREFIX if needed and starts one persistent
#                        wineserver for it (or uses the persistent one that
#                        runs already); ql_cleanup shuts down what it started
#   ql_wine_stop_server PREFIX
#                        shuts down PREFIX's server, whoever started it
#   ql_wine_server_state PREFIX
#                        "persistent", "transient" or "none"
#   ql_cleanup           ends what the helpers above started (call it from a trap)

QL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QL_XVFB_PID=
QL_XVFB_DIR=
QL_WINE_PREFIXES=()

ql_log() {
    printf '==> %s\n' "$*" >&2
}

# Seconds since the epoch with a fraction, for step timings.
ql_now() {
    date +%s.%N
}

ql_elapsed() {  # START -> "12.3s"
    awk -v s="$1" -v e="$(ql_now)" 'BEGIN { printf "%.1fs", e - s }'
}

# ql_start_display: a display for Wine. A set DISPLAY is used as it is.
# Otherwise a private Xvfb is started; Xvfb itself picks a free display number
# (-displayfd) so that two runs on one machine never collide.
ql_start_display() {
    if [ -n "${DISPLAY:-}" ]; then
        if ! command -v xdpyinfo >/dev/null 2>&1 || timeout 10 xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        ql_log "DISPLAY=$DISPLAY does not answer; using a private Xvfb instead"
        unset DISPLAY
    fi
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "error: DISPLAY is not set and Xvfb is missing (run scripts/install-deps)" >&2
        return 1
    fi
    QL_XVFB_DIR=$(mktemp -d /tmp/ql-xvfb.XXXXXX)
    local screen=${QL_XVFB_SCREEN:-1280x1024x24}
    # Started directly (no wrapper such as setsid, which may fork), so that $!
    # is Xvfb's own PID, which ql_stop_display ends.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
        3>"$QL_XVFB_DIR/display" >"$QL_XVFB_DIR/xvfb.log" 2>&1 </dev/null &
    QL_XVFB_PID=$!
    local _
    for _ in $(seq 1 100); do
        if [ -s "$QL_XVFB_DIR/display" ]; then
            break
        fi
        if ! kill -0 "$QL_XVFB_PID" 2>/dev/null; then
            echo "error: Xvfb did not start:" >&2
            cat "$QL_XVFB_DIR/xvfb.log" >&2
            QL_XVFB_PID=
            return 1
        fi
        sleep 0.1
    done
    if [ ! -s "$QL_XVFB_DIR/display" ]; then
        echo "error: Xvfb gave no display number within 10 s" >&2
        return 1
    fi
    DISPLAY=":$(tr -dc 0-9 <"$QL_XVFB_DIR/display")"
    export DISPLAY
    export QL_PRIVATE_DISPLAY=1
    ql_log "started private Xvfb on DISPLAY=$DISPLAY ($screen, pid $QL_XVFB_PID)"
}

ql_stop_display() {
    if [ -n "$QL_XVFB_PID" ]; then
        kill "$QL_XVFB_PID" 2>/dev/null || true
        local _
        for _ in $(seq 1 50); do
            kill -0 "$QL_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$QL_XVFB_PID" 2>/dev/null || true
        wait "$QL_XVFB_PID" 2>/dev/null || true
        QL_XVFB_PID=
    fi
    if [ -n "$QL_XVFB_DIR" ]; then
        rm -rf "$QL_XVFB_DIR"
        QL_XVFB_DIR=
    fi
}

ql_wine_env() {
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml="}
}

# ql_wine_server_state PREFIX: "persistent" when a wineserver started with
# -p (other than -p0) serves PREFIX, "transient" when another one does (it
# ends a few seconds after its last program), "none" otherwise. A server is
# recognised by its working folder, which Wine names after the prefix's
# device and inode numbers.
ql_wine_server_state() {
    local prefix=$1 id pid args state=none
    [ -d "$prefix" ] || { echo none; return 0; }
    id=server-$(stat -L -c '%d %i' "$prefix" | awk '{ printf "%x-%x", $1, $2 }')
    for pid in $(pgrep -f '(^|/)wineserver(64)?( |$)' 2>/dev/null); do
        [ "$(basename "$(readlink "/proc/$pid/cwd" 2>/dev/null)")" = "$id" ] || continue
        args=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)
        if grep -Eq '(^| )(-p|--persistent)(=?[1-9][0-9]*)?( |$)' <<<"$args"; then
            echo persistent
            return 0
        fi
        state=transient
    done
    echo "$state"
}

# ql_wine_start_server PREFIX: the prefix is created first (by wine-exec, with
# no persistent server around), then one persistent server serves every Wine
# program of the run. Its persistence is bounded (QL_WINESERVER_LINGER
# seconds after the last client) so that even a run killed with SIGKILL leaves
# no server behind for long.
#
# Wine's system processes (services.exe, explorer.exe, rpcss.exe, ...) are
# started by the first program of a server and live as long as a persistent
# server does. Whatever standard output they inherit stays open: had a test
# program started them, ctest would wait for its output pipe until the test
# timed out. So a first, silent program starts them here, with /dev/null.
#
# When a persistent server of the prefix is already running (scripts/test
# started one and a test script asks again), it is used as it is: nothing is
# started, and ql_cleanup leaves it to whoever started it.
ql_wine_start_server() {
    local prefix=$1 state
    "$QL_ROOT/scripts/wine-exec" "$prefix" || return 1
    state=$(ql_wine_server_state "$prefix")
    if [ "$state" = persistent ]; then
        (
            ql_wine_env "$prefix"
            timeout 120 wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1
        )
        return 0
    fi
    (
        ql_wine_env "$prefix"
        # A transient server (the last program ended a moment ago) ends by
        # itself within seconds; "wineserver -p" fails while it runs.
        if [ "$state" = transient ] && ! timeout 15 wineserver -w >/dev/null 2>&1; then
            wineserver -k >/dev/null 2>&1
            timeout 15 wineserver -w >/dev/null 2>&1
        fi
        wineserver -p"${QL_WINESERVER_LINGER:-600}" || exit 1
        timeout 120 wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 || exit 1
    ) || {
        echo "error: could not start a wineserver for $prefix" >&2
        ql_wine_stop_server "$prefix"
        return 1
    }
    QL_WINE_PREFIXES+=("$prefix")
}

ql_wine_stop_server() {
    local prefix=$1
    (
        ql_wine_env "$prefix"
        wineserver -k >/dev/null 2>&1 || true
        timeout 30 wineserver -w >/dev/null 2>&1 || true
    )
}

ql_cleanup() {
    local prefix
    for prefix in "${QL_WINE_PREFIXES[@]}"; do
        ql_wine_stop_server "$prefix"
    done
    QL_WINE_PREFIXES=()
    ql_stop_display
}
