# The end-to-end driver: the built program under a private X server with a window manager,
# used through real X input (xdotool) and checked by what it writes to disk.
#
# A story sources this file, calls e2e_begin, then the verbs below. The environment names the
# program (CARTWISE), the layout probe (CARTWISE_PROBE) and the sample data (CARTWISE_SAMPLES).
# Every wait polls for something to happen; none is a fixed sleep alone.
set -euo pipefail
E2E_TIMEOUT=${E2E_TIMEOUT:-20} # seconds any one wait may take
story=$(basename "$0" .sh)

fail() { # with the program's, the window manager's and the X server's output
    echo "FAIL [$story]: $*" >&2
    for log in app wm xvfb; do
        [ ! -s "${T:-}/$log.log" ] || sed "s/^/  $log: /" "$T/$log.log" >&2
    done
    exit 1
}
pass() { echo "PASS [$story]: $*"; }

# Runs "${@:2}" until it succeeds; fails naming what it waited for ($1) after the timeout.
wait_for() {
    local end=$((SECONDS + E2E_TIMEOUT))
    until "${@:2}" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || fail "timed out waiting for $1"
        sleep 0.05
    done
}

# Ends those of the processes that are still this shell's children. Bash reaps a child that
# ends by itself at once, and its pid may since have gone to another process: once a story
# has failed with its program gone, the X server of the story that runs alongside.
stop() {
    local pid
    for pid in "$@"; do
        if [ "$(ps -o ppid= -p "$pid" || echo 0)" -eq $$ ]; then kill "$pid" 2>/dev/null || true; fi
    done
}

# A private display (the server picks a free number and reports it once it accepts
# connections), a window manager, and a fresh home whose data directory holds $1's files.
# E2E_DATA_HOME names the folder that stands for ~/.local/share. The server's log names each
# number it found taken ("server already running") before the one it reports. -noreset: by
# default the server resets when its last client leaves and drops whoever is still connecting
# then; until the window manager is in, each xprop that waits for it is such a last client,
# and the window manager could be the one dropped.
e2e_begin() {
    for tool in Xvfb openbox xdotool xwininfo xprop; do
        command -v $tool >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }
    done
    T=$(mktemp -d)
    trap 'stop ${app:-} ${wm:-} ${xserver:-}; wait; rm -rf "$T"' EXIT
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$T/display" \
        >"$T/xvfb.log" 2>&1 &
    xserver=$!
    wait_for "the X server" test -s "$T/display"
    export DISPLAY=":$(head -n1 "$T/display")" QT_QPA_PLATFORM=xcb
    openbox --sm-disable >"$T/wm.log" 2>&1 &
    wm=$!
    wait_for "the window manager" eval '[[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *window\ id* ]]'
    export HOME=$T/home XDG_DATA_HOME=$T/${E2E_DATA_HOME:-data} XDG_CONFIG_HOME=$T/config \
        XDG_RUNTIME_DIR=$T/run
    # The stories drive the English windows in any language; numbers still follow LC_ALL.
    export LANGUAGE=en
    DATA=$XDG_DATA_HOME/Cartwise CONF=$XDG_CONFIG_HOME/Cartwise/Cartwise.conf
    TRASH=$XDG_DATA_HOME/Trash
    mkdir -p "$HOME" "$DATA" "$T/out" -m 700 "$XDG_RUNTIME_DIR"
    [ -z "${1:-}" ] || cp "$1"/* "$DATA/"
    "$CARTWISE_PROBE" >"$T/layout" 2>"$T/app.log" || fail "the layout probe failed"
}

# ---- Windows

# The program's visible windows, one line each: id, "menu" or "window", and the window's own
# title (WM_NAME: for a box without a caption Qt shows the program's name in the title bar,
# but WM_NAME stays empty). Pop-up menus are override-redirect windows, never framed.
app_windows() {
    for id in $(xdotool search --onlyvisible --class cartwise 2>/dev/null); do
        kind=window
        [[ $(xwininfo -id "$id" 2>/dev/null) != *"Redirect State: yes"* ]] || kind=menu
        name=$(xprop -id "$id" WM_NAME 2>/dev/null) || continue
        name=${name#*= }
        name=${name#\"}
        echo "$id $kind ${name%\"}"
    done
}
window_id() { # the window with exactly this title
    app_windows | awk -v t="$1" '!f && $2 == "window" && substr($0, length($1) + 9) == t {
        print $1; f = 1 } END { exit !f }'
}
menu_open() { [[ $'\n'$(app_windows) == *$'\n'[0-9]*" menu "* ]]; }
is_active() { # and asks for the focus when it is not
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] || { xdotool windowactivate "$1"; false; }
}
gone() { [[ $(xwininfo -id "$1" 2>/dev/null) != *IsViewable* ]]; }
# Waits for the window and for it to have the keyboard; WIN is its id.
wait_window() {
    wait_for "the window \"$1\"" window_id "$1"
    WIN=$(window_id "$1")
    wait_for "\"$1\" to get the focus" is_active "$WIN"
}
wait_gone() { wait_for "the window $1 to close" gone "$1"; }
# A box: waits for it, sends the keys, waits for it to close. An input box: the text replaces
# the default answer (an empty one keeps it), then Enter.
answer() { wait_window "$1" && keys "${@:2}" && wait_gone "$WIN"; }
input() {
    wait_window "$1"
    [ -z "$2" ] || { keys ctrl+a BackSpace && type_text "$2"; }
    answer "$1" Return
}
# The window's place and size with the frame the window manager draws: "x y width height".
outer_geometry() {
    xwininfo -id "$1" | awk -v e="$(xprop -id "$1" _NET_FRAME_EXTENTS)" '
        BEGIN { sub(/.*= /, "", e); split(e, f, ", ") }
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x - f[1], y - f[3], w + f[1] + f[2], h + f[3] + f[4] }'
}

# ---- The program

# E2E_FILE_LIMIT=KB starts it with files limited to that size, as a nearly full disk would:
# a write past the limit fails (the program ignores the signal that comes with it).
start_app() {
    (ulimit -f "${E2E_FILE_LIMIT:-unlimited}" && exec "$CARTWISE" "$@") >"$T/app.log" 2>&1 &
    app=$!
    wait_window " Cartwise "
    MAIN=$WIN
    read -r ORIGIN_X ORIGIN_Y < <(xwininfo -id "$MAIN" | awk '/Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { print x, $NF }')
}
wait_exit() { # for the program to end by itself, with status 0
    wait_for "the program to end" eval '! kill -0 $app'
    wait "$app" || fail "the program ended with status $?"
    app=""
}
quit_app() { focus_main && keys alt+x && wait_exit; } # the bar's Exit
focus_main() { wait_for "the main window to get the focus" is_active "$MAIN"; }
keys() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 15 -- "$1"; }

# Clicks (or, with click2, double-clicks) a control of the main window, or row N (from 1) of
# a list or the grid, where the layout probe says it stands.
click() { pointer 1 "$@"; }
click2() { pointer 2 "$@"; }
pointer() {
    focus_main
    # shellcheck disable=SC2046
    xdotool mousemove $(awk -v n="$2" -v r="${3:-}" -v ox="$ORIGIN_X" -v oy="$ORIGIN_Y" '
        $1 == n { x = $2 + int($4 / 2); y = $3 + int($5 / 2); found = 1 }
        $1 == n ".row" { top = $2; h = $3 }
        END { if (!found) exit 1; if (r != "") y = top + int((r - 0.5) * h); print ox + x, oy + y }
        ' "$T/layout" || fail "no control $2") click --repeat "$1" --delay 60 1
}
# Opens a menu by its access key and runs its Nth entry (separators not counted).
menu_command() {
    focus_main
    keys "$1"
    wait_for "a menu to open" menu_open
    for ((n = 1; n < $2; n++)); do keys Down; done
    keys Return
}
save_item() { keys alt+s && answer Cartwise Return; } # Alt+S in the editor, OK to its box
# File > Export into the folder (the default answer when it is empty), Yes to overwrite when
# asked for with "overwrite", then OK when done.
export_list() {
    menu_command alt+f 2
    input "Export Shopping List" "$1"
    [ -z "${2:-}" ] || answer "Overwrite Existing File" alt+y
    answer Cartwise Return
}

# ---- Files

wait_bytes() { wait_for "$1 to hold the expected bytes" cmp -s "$1" "$2"; }
same_bytes() { # $2 may be a pipe, <(...), read once
    local diff
    diff=$(cmp "$1" "$2" 2>&1) || fail "$1 is not as expected: $diff"
}
field() { printf '%-*.*s' "$2" "$2" "$1"; } # the text padded with blanks or cut to N bytes
cat_record() { field "$1" 50; }
# A source item record from its fields in file order:
# item quantity cost size catid isle selected-flag selected-quantity.
item_record() {
    field "$1" 50 && field "$2" 10 && field "$3" 10 && field "$4" 50
    printf "\\x$(printf %02x $(($5 & 255)))\\x$(printf %02x $(($5 >> 8 & 255)))\\0\\0"
    field "$6" 50 && field "$7" 1 && field "$8" 10 && field "" 50
}
with_record() { # the file $1 with record $3 (of length $2) replaced by what "${@:4}" prints
    head -c $((($3 - 1) * $2)) "$1" && "${@:4}" && tail -c +$(($3 * $2 + 1)) "$1"
}
# The place an entry of the trash names, decoded as a file manager decodes it; its Path= may
# hold nothing but unreserved bytes, "/" and escapes.
trashed_from() {
    local path
    path=$(sed -n 's/^Path=//p' "$TRASH/info/$1.trashinfo")
    [[ $path =~ ^[A-Za-z0-9/%._~-]+$ ]] || fail "$1 in the trash: Path=$path"
    printf '%b' "${path//%/\\x}"
}
restore_from_trash() { # as a file manager's Restore does
    mv "$TRASH/files/$1" "$(trashed_from "$1")" && rm "$TRASH/info/$1.trashinfo"
}
export_record() { printf '%s\r\n%*s' "$1" $((298 - ${#1})) ""; } # line, CR LF, blanks to 300
exported() { # the item column of the export file $1 holds "Item", then "${@:2}"
    local items
    items=$(awk -F'","' '{ sub(/^ +/, "") } /^"/ { print $2 }' "$1")
    [ "$items" = "$(printf '%s\n' Item "${@:2}")" ] || fail "exported: ${items//$'\n'/, }"
}
