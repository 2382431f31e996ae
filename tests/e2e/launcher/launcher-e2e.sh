#!/bin/bash
# launcher-e2e.sh BIN_DIR PREFIX CASE: one end-to-end case of the launcher
# under Wine, on a private Xvfb, in a Wine virtual desktop of the prefix.
# The prefix and its registry are put back as they were after each case.
#
# Cases: basic existing readonly maximized minimized dpi120 smallscreen
#        enter corrupt
set -uo pipefail
bin=$(readlink -f "$1")
prefix=$(readlink -m "$2")
case_name=$3

source "$(dirname "$(readlink -f "$0")")/../../../scripts/lib/common.sh"

probe=$bin/launcher_probe.exe
launcher=$bin/launcher.exe
stored=$bin/qv_quietlocksetup_full.exe
work=$(mktemp -d /tmp/ql-e2e.XXXXXX)
failures=0

fail() {
    echo "FAIL [$case_name]: $*"
    failures=$((failures + 1))
}
check() {  # DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok   [$case_name]: $what"; else fail "$what"; fi
}

desktop_size=1024x768
dpi=
case $case_name in
    smallscreen) desktop_size=600x200 ;;
    dpi120) dpi=120 ;;
esac

cleanup() {
    if [ -n "${launcher_pid:-}" ] && kill -0 "$launcher_pid" 2>/dev/null; then
        kill "$launcher_pid" 2>/dev/null
    fi
    if [ -n "${temp_dir:-}" ] && [ -d "$temp_dir.saved" ]; then
        rm -f "$temp_dir"
        mv "$temp_dir.saved" "$temp_dir"
    fi
    if [ -n "${WINEPREFIX:-}" ]; then
        wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
        wine reg delete 'HKCU\Software\Wine\Explorer\Desktops' /v Default /f >/dev/null 2>&1
        if [ -n "$dpi" ]; then
            wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
        fi
        [ -n "${setup_path:-}" ] && rm -f "$setup_path"
    fi
    ql_cleanup
    rm -rf "$work"
}
trap cleanup EXIT

unset DISPLAY
ql_start_display >/dev/null 2>&1 || { echo "no Xvfb"; exit 1; }
ql_wine_start_server "$prefix" || { echo "no Wine"; exit 1; }
ql_wine_env "$prefix"

# Every window of the case goes into one virtual desktop of a known size.
# Wine reads these settings when a desktop is made, so the server is started
# afresh after writing them.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop_size" /f >/dev/null 2>&1
if [ -n "$dpi" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi
ql_wine_stop_server "$prefix"
ql_wine_start_server "$prefix" || { echo "no Wine"; exit 1; }

# The temporary folder as Windows programs of the prefix see it.
temp_dir=$(readlink -m "$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)")
case $temp_dir in
    "$prefix"/drive_c/*) ;;
    *) echo "cannot find the prefix's temporary folder (got '$temp_dir')"; exit 1 ;;
esac
mkdir -p "$temp_dir"
setup_path=$temp_dir/qv_quietlocksetup_full.exe
rm -f "$setup_path"

# start SHOW EXE: runs the launcher through the probe in the background, in
# a Wine virtual desktop of a known size; the exit code lands in $work/exit.
start() {
    wine "$probe" start "$1" "$2" "Z:$(echo "$work/exit" | tr / '\\')" >"$work/start.out" 2>&1 &
    launcher_pid=$!
}
# window: waits for the window; its geometry lands in $work/window.
window() {
    wine "$probe" window Installation 30000 >"$work/window" 2>"$work/window.err"; local rc=$?; cat "$work/window" "$work/window.err" | head -20 >&2; return $rc
}
field() {  # NAME INDEX
    tr -d '\r' <"$work/window" | awk -v n="$1" -v i="$2" '$1 == n { print $(i + 1); exit }'
}
# finish: closes as a user does (system menu Close) and waits for the exit.
finish() {
    wine "$probe" close Installation >/dev/null 2>&1
    local i
    for i in $(seq 1 100); do
        [ -f "$work/exit" ] && break
        sleep 0.2
    done
    exit_code=$(tr -d '\r\n' <"$work/exit" 2>/dev/null || echo none)
}
# Mean brightness (0..1) of a client-area rectangle on the screenshot.
brightness() {  # X Y W H (client coordinates)
    local cx cy
    cx=$(field client 1)
    cy=$(field client 2)
    convert "$work/shot.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" -colorspace Gray \
        -format '%[fx:mean]' info:
}
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
equals_one() { awk -v a="$1" 'BEGIN { exit !(a > 0.999) }'; }
same_bytes() { cmp -s "$1" "$2"; }
absent() { [ ! -e "$1" ]; }
equal() { [ "$1" = "$2" ]; }
grep_q() { tr -d '\r' <"${@: -1}" | grep -q "${@:1:$#-1}"; }

case $case_name in
basic)
    start 1 "$launcher"
    window || fail "no window"
    check "setup program written before the window shows, with the stored bytes" \
        same_bytes "$stored" "$setup_path"
    check "window class TForm1" equal "$(field class 1)" TForm1
    check "client area 667 x 250" equal "$(field client 3)x$(field client 4)" 667x250
    w=$(field outer 3); h=$(field outer 4)
    sw=$(field screen 1); sh=$(field screen 2)
    check "centred: ($sw-$w)/2, ($sh-$h)/2" equal "$(field outer 1) $(field outer 2)" \
        "$(((sw - w) / 2)) $(((sh - h) / 2))"
    check "button at 496,104 161x57 with the focus" \
        grep_q "^child Button 496 104 161 57 focused 1$" "$work/window"
    import -window root "$work/shot.png"
    cp "$work/shot.png" "$bin/e2e-basic.png"
    check "white client area" equals_one "$(brightness 560 200 90 40)"
    check "logo drawn" below "$(brightness 14 18 60 60)" 0.8
    check "product box drawn (97 x 124, top-left)" below "$(brightness 220 84 80 110)" 0.5
    check "below the box's picture stays white" equals_one "$(brightness 216 205 97 4)"
    check "label texts drawn" below "$(brightness 8 184 100 24)" 0.97
    check "support texts drawn" below "$(brightness 328 104 130 40)" 0.97
    finish
    check "exit code 0" equal "$exit_code" 0
    check "setup program removed at exit" absent "$setup_path"
    ;;
existing)
    # Same name and size, other bytes: left alone, and not deleted at exit.
    head -c "$(stat -c %s "$stored")" /dev/zero >"$setup_path"
    cp "$setup_path" "$work/before"
    start 1 "$launcher"
    window || fail "no window"
    check "existing file untouched" same_bytes "$work/before" "$setup_path"
    finish
    check "exit code 0" equal "$exit_code" 0
    check "existing file still there after exit" same_bytes "$work/before" "$setup_path"
    ;;
readonly)
    # Permission bits do not stop root, so the folder is swapped for a link
    # to a folder that nobody can write in.
    mv "$temp_dir" "$temp_dir.saved"
    ln -s /proc/1 "$temp_dir"
    touch "$temp_dir/.probe" 2>/dev/null && fail "the temporary folder is still writable"
    start 1 "$launcher"
    window || fail "no window"
    check "window shown" equal "$(field client 3)x$(field client 4)" 667x250
    check "no message box" equal "$(wine "$probe" box Anwendungsfehler 500 | grep '^text')" ""
    check "nothing written" absent "$setup_path"
    finish
    rm -f "$temp_dir"
    mv "$temp_dir.saved" "$temp_dir"
    check "exit code 0" equal "$exit_code" 0
    ;;
maximized | minimized)
    [ "$case_name" = maximized ] && show=3 || show=7
    start "$show" "$launcher"
    if [ "$case_name" = minimized ]; then
        # A minimised window is not "visible" to the probe's search at once.
        sleep 3
        wine "$probe" window Installation 3000 >"$work/window" 2>/dev/null
    else
        window || fail "no window"
    fi
    check "comes up $case_name" equal "$(field state 1)" "$case_name"
    finish
    check "exit code 0" equal "$exit_code" 0
    ;;
dpi120)
    start 1 "$launcher"
    window || fail "no window"
    check "display at 120 dpi" equal "$(field dpi 1)" 120
    cw=$(field client 3); ch=$(field client 4)
    # The factor is the new text height over 13: find the height that gives
    # this client width and check every other size against it.
    factor=
    for t in $(seq 14 26); do
        if [ "$cw" = "$(((667 * t * 2 + 13) / 26))" ]; then factor=$t; fi
    done
    check "client width 667 scaled by text height / 13 (got $cw)" test -n "$factor"
    if [ -n "$factor" ]; then
        r() { echo $((($1 * factor * 2 + 13) / 26)); }
        check "client height scaled" equal "$ch" "$(r 250)"
        check "button scaled" grep_q "^child Button $(r 496) $(r 104) $(r 161) $(r 57) " "$work/window"
    fi
    finish
    check "exit code 0" equal "$exit_code" 0
    ;;
smallscreen)
    start 1 "$launcher"
    window || fail "no window"
    check "placed at 0,0 on a 600x200 screen" equal "$(field outer 1) $(field outer 2)" "0 0"
    check "keeps its client area of 667 x 250" equal "$(field client 3)x$(field client 4)" 667x250
    finish
    check "exit code 0" equal "$exit_code" 0
    ;;
enter)
    export QL_SETUP_TRACE='Z:'$(echo "$work/trace.txt" | tr / '\\')
    export QL_SETUP_CLOSE_AFTER_MS=500
    # The program to start is put there first, so this case tests the key
    # alone, whatever the extraction does.
    cp "$stored" "$setup_path"
    start 1 "$launcher"
    window || fail "no window"
    wine "$probe" enter Installation >/dev/null 2>&1
    for i in $(seq 1 50); do
        [ -s "$work/trace.txt" ] && break
        sleep 0.2
    done
    check "Enter started the setup program" grep_q "qv_quietlocksetup_full.exe" "$work/trace.txt"
    sleep 1
    finish
    check "exit code 0" equal "$exit_code" 0
    ;;
corrupt)
    start 1 "$bin/launcher_corrupt.exe"
    wine "$probe" box Anwendungsfehler 30000 >"$work/box" 2>/dev/null
    check "Anwendungsfehler box" grep_q "^text Exception EReadError in Modul launcher_corrupt.exe bei [0-9A-F]*\.$" "$work/box"
    for i in $(seq 1 100); do
        [ -f "$work/exit" ] && break
        sleep 0.2
    done
    check "exit code 1" equal "$(tr -d '\r\n' <"$work/exit" 2>/dev/null)" 1
    check "nothing written" absent "$setup_path"
    ;;
*)
    echo "unknown case $case_name"
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
    echo "$case_name: $failures check(s) failed"
    exit 1
fi
echo "$case_name: passed"
