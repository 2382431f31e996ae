#!/bin/bash
# launcher-e2e.sh BIN_DIR PREFIX CASE: one end-to-end case of the launcher
# under Wine, on a private Xvfb, in a Wine virtual desktop of the prefix.
# The prefix and its registry are put back as they were after each case.
#
# Cases: basic existing readonly maximized minimized dpi120 smallscreen
#        enter corrupt install logo link
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
        restore_classes
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

# The keys of HKEY_CLASSES_ROOT that registering the recorder changes: saved
# before, put back by cleanup (removed when they did not exist).
saved_classes=()
register_recorder() {
    local key
    for key in htmlfile .html mailto http; do
        if wine reg query "HKCR\\$key" >/dev/null 2>&1; then
            wine reg export "HKCR\\$key" "Z:$(echo "$work/saved-$key.reg" | tr / '\\')" /y >/dev/null 2>&1 ||
                { echo "cannot save HKCR\\$key"; exit 1; }
        fi
        saved_classes+=("$key")
    done
    wine "$bin/ql_register_recorder.exe" "$(winepath -w "$bin/ql_recorder.exe" 2>/dev/null)" ||
        { echo "cannot register the recorder"; exit 1; }
    export QL_RECORDER_LOG='Z:'$(echo "$work/recorder.log" | tr / '\\')
}
restore_classes() {
    local key
    for key in "${saved_classes[@]}"; do
        wine reg delete "HKCR\\$key" /f >/dev/null 2>&1
        if [ -f "$work/saved-$key.reg" ]; then
            wine reg import "Z:$(echo "$work/saved-$key.reg" | tr / '\\')" >/dev/null 2>&1
        fi
    done
    saved_classes=()
}
# recorded INDEX FIELD [N]: the recorder's record INDEX (from 0): its field
# FIELD (program, commandline, or arg with N from 0); "count" as FIELD gives
# the number of complete records, "args" the number of arguments. The log
# holds "<key> <length>:<bytes>\n" fields, so any bytes come back exactly.
recorded() {
    python3 - "$work/recorder.log" "$@" <<'PY'
import sys
path, index, field = sys.argv[1], int(sys.argv[2]), sys.argv[3]
n = int(sys.argv[4]) if len(sys.argv) > 4 else 0
try:
    data = open(path, 'rb').read()
except OSError:
    data = b''
records, current, pos = [], [], 0
while pos < len(data):
    space = data.index(b' ', pos)
    colon = data.index(b':', space)
    key, size = data[pos:space].decode(), int(data[space + 1:colon])
    value = data[colon + 1:colon + 1 + size]
    pos = colon + 1 + size + 1
    current.append((key, value))
    if key == 'end':
        records.append(current)
        current = []
if field == 'count':
    print(len(records))
    sys.exit(0)
if index >= len(records):
    sys.exit(1)
values = [v for k, v in records[index] if k == field]
if field == 'args':
    print(len([1 for k, _ in records[index] if k == 'arg']))
elif n < len(values):
    sys.stdout.buffer.write(values[n])
else:
    sys.exit(1)
PY
}
# wait_for COUNT COMMAND...: until COMMAND prints at least COUNT (10 s).
wait_for() {
    local count=$1 i
    shift
    for i in $(seq 1 50); do
        [ "$("$@" 2>/dev/null || echo 0)" -ge "$count" ] && return 0
        sleep 0.2
    done
    return 1
}
trace_lines() { tr -d '\r' <"$work/trace.txt" 2>/dev/null | grep -c '^started'; }
# Real pointer input through X, at client coordinates of the window.
pointer_to() {  # X Y
    xdotool mousemove "$(($(field client 1) + $1))" "$(($(field client 2) + $2))"
    sleep 0.5
}
click_at() {  # X Y
    pointer_to "$1" "$2"
    xdotool click 1
}
# The colour of the text in a client rectangle of a fresh screenshot: "red",
# "blue", or "none" (white, or neither colour dominating). On white, blue
# text darkens red and green, red text green and blue.
text_colour() {  # X Y W H
    local cx cy
    cx=$(field client 1)
    cy=$(field client 2)
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "$3x$4+$((cx + $1))+$((cy + $2))" \
        -format '%[fx:mean.r] %[fx:mean.b]' info: |
        awk '{ if ($2 < $1 - 0.05) print "red"; else if ($1 < $2 - 0.05) print "blue"; else print "none" }'
}

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
install)
    export QL_SETUP_TRACE='Z:'$(echo "$work/trace.txt" | tr / '\\')
    export QL_SETUP_CLOSE_AFTER_MS=500
    start 1 "$launcher"
    window || fail "no window"
    # Button at 496,104, 161 x 57. The setup window closes itself before the
    # second click, so the click lands on the launcher again.
    click_at 576 132
    wait_for 1 trace_lines || fail "first click started nothing"
    sleep 1.5
    click_at 576 132
    wait_for 2 trace_lines || fail "second click started nothing"
    sleep 1.5
    check "two clicks, two starts" equal "$(trace_lines)" 2
    win_temp=$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r\n')
    expected="$win_temp\\qv_quietlocksetup_full.exe"
    tr -d '\r' <"$work/trace.txt" | while IFS=$'\t' read -r _ path cmdline; do
        echo "trace: $path | $cmdline"
    done
    check "started program is temp folder + one backslash + name" \
        equal "$(tr -d '\r' <"$work/trace.txt" | awk -F'\t' 'NR == 1 { print tolower($2) }')" \
        "$(echo "$expected" | tr 'A-Z' 'a-z')"
    check "its command line names the path with exactly one backslash before the name" \
        grep_q -F "\\qv_quietlocksetup_full.exe" "$work/trace.txt"
    check "no doubled backslash anywhere" \
        bash -c "! tr -d '\r' <'$work/trace.txt' | grep -qF '\\\\'"
    check "the window stays after both clicks" wine "$probe" window Installation 2000
    finish
    check "exit code 0" equal "$exit_code" 0
    check "setup program removed at exit" absent "$setup_path"
    ;;
logo)
    register_recorder
    start 1 "$launcher"
    window || fail "no window"
    # The logo: 197 x 89 at 8,8.
    click_at 100 50
    wait_for 1 recorded 0 count || fail "the logo click started nothing"
    echo "recorder command line: $(recorded 0 commandline)"
    check "the recorder was started" equal "$(recorded 0 program | tr 'A-Z' 'a-z')" \
        "$(winepath -w "$bin/ql_recorder.exe" 2>/dev/null | tr 'A-Z' 'a-z')"
    check "with the page address as its only parameters" \
        equal "$(recorded 0 args) $(recorded 0 arg 1)" "2 https://www.ardenvale.example/"
    check "the window stays" wine "$probe" window Installation 2000
    finish
    check "exit code 0" equal "$exit_code" 0
    ;;
link)
    register_recorder
    start 1 "$launcher"
    window || fail "no window"
    # The link: 328,136, its caption's size (13 high).
    link_box="330 137 100 11"
    pointer_to 300 20
    check "blue at rest" equal "$(text_colour $link_box)" blue
    pointer_to 360 142
    check "red under the pointer" equal "$(text_colour $link_box)" red
    cp "$work/shot.png" "$bin/e2e-link-hover.png"
    pointer_to 360 190
    check "blue again when the pointer left" equal "$(text_colour $link_box)" blue
    pointer_to 360 142
    xdotool mousedown 1
    sleep 0.5
    check "red while the button is held on it" equal "$(text_colour $link_box)" red
    pointer_to 360 190
    check "still red when the held pointer leaves it" equal "$(text_colour $link_box)" red
    xdotool mouseup 1
    sleep 0.5
    check "blue after the button was let go outside" equal "$(text_colour $link_box)" blue
    # The right button holds the link too, but only the left one clicks.
    pointer_to 360 142
    xdotool mousedown 3
    sleep 0.5
    pointer_to 360 190
    check "still red when the pointer leaves with the right button held" \
        equal "$(text_colour $link_box)" red
    pointer_to 360 142
    xdotool mouseup 3
    pointer_to 300 20
    check "blue after the right button was let go" equal "$(text_colour $link_box)" blue
    sleep 1
    check "released outside, right click: nothing opened" equal "$(recorded 0 count)" 0
    click_at 360 142
    wait_for 1 recorded 0 count || fail "the link click started nothing"
    mail='mailto:support@ardenvale.example?Subject=Frage an das Support-Team&Body=Frage an das Support-Team&CC=&BCC='
    echo "recorder command line: $(recorded 0 commandline)"
    check "the mail program got the exact mailto text" equal "$(recorded 0 arg 1)" "$mail"
    check "as its only parameter" equal "$(recorded 0 args)" 2
    check "the window stays" wine "$probe" window Installation 2000
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
