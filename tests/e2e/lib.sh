# The end-to-end driver: the built program under a private X server with a window manager,
# used through real X input (xdotool) and checked by what it writes to disk.
#
# A story sources this file, then calls e2e_begin and the verbs below. The environment names
# the program (CARTWISE), the layout probe (CARTWISE_PROBE) and the sample data
# (CARTWISE_SAMPLES). Every wait polls for something to appear; none is a fixed sleep alone.
set -euo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20} # seconds any one wait may take
story=$(basename "$0" .sh)

fail() {
    echo "FAIL [$story]: $*" >&2
    # E2E_SHOTS=DIR keeps a picture of every window of the program at the moment of failure.
    if [ -n "${E2E_SHOTS:-}" ] && [ -n "${DISPLAY:-}" ]; then
        local id
        mkdir -p "$E2E_SHOTS"
        for id in $(xdotool search --onlyvisible --class cartwise 2>/dev/null); do
            xwd -id "$id" -silent >"$E2E_SHOTS/$story-$id.xwd" 2>/dev/null || true
        done
    fi
    if [ -n "${T:-}" ] && [ -s "$T/app.log" ]; then sed 's/^/  app: /' "$T/app.log" >&2; fi
    exit 1
}
pass() { echo "PASS [$story]: $*"; }

# Runs "$@" until it succeeds; fails with the last argument's description after the timeout.
wait_for() {
    local what=$1
    shift
    local end=$((SECONDS + E2E_TIMEOUT))
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt $end ] || fail "timed out waiting for $what"
        sleep 0.05
    done
}

e2e_cleanup() {
    local pid
    for pid in ${app:-} ${wm:-} ${xserver:-}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "${T:-}" ] && rm -rf "$T"
}

# A private display (the server picks a free number and reports it once it accepts
# connections), a window manager, and a fresh home whose data directory holds $1's files.
e2e_begin() {
    local tool
    for tool in Xvfb openbox xdotool xwininfo xprop; do
        command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    T=$(mktemp -d)
    trap e2e_cleanup EXIT
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$T/display" \
        >"$T/xvfb.log" 2>&1 &
    xserver=$!
    wait_for "the X server" test -s "$T/display"
    export DISPLAY=":$(head -n1 "$T/display")"
    export QT_QPA_PLATFORM=xcb
    openbox --sm-disable >"$T/wm.log" 2>&1 &
    wm=$!
    wait_for "the window manager" wm_running
    export HOME=$T/home XDG_DATA_HOME=$T/data XDG_CONFIG_HOME=$T/config XDG_RUNTIME_DIR=$T/run
    DATA=$XDG_DATA_HOME/Cartwise CONF=$XDG_CONFIG_HOME/Cartwise/Cartwise.conf
    mkdir -p "$HOME" "$DATA" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    if [ -n "${1:-}" ]; then cp "$1"/* "$DATA/"; fi
    "$CARTWISE_PROBE" >"$T/layout" 2>"$T/probe.log" || fail "layout probe: $(cat "$T/probe.log")"
}

wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK) == *"window id"* ]]; }

# ---- Windows

# The program's visible windows, one line each: id, "menu" or "window", title. Pop-up menus
# are override-redirect windows, so the window manager never frames them. The title is the
# window's own WM_NAME: for a window without a caption Qt puts the program's name into the
# name that window managers show.
app_windows() {
    local id info name
    for id in $(xdotool search --onlyvisible --class cartwise 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        name=$(xprop -id "$id" WM_NAME 2>/dev/null) || continue
        name=${name#*= }
        name=${name#\"}
        name=${name%\"}
        case $info in *"Override Redirect State: yes"*) echo "$id menu $name" ;;
        *) echo "$id window $name" ;; esac
    done
}
# The id of the program's window with exactly this title (message boxes without a caption
# have an empty one); fails when there is none.
window_id() {
    app_windows | awk -v t="$1" '!f && $2 == "window" && substr($0, length($1 $2) + 3) == t { print $1; f = 1 }
                              END { exit !f }'
}
has_window() { window_id "$1" >/dev/null; }
menu_open() { [[ $'\n'$(app_windows) == *$'\n'[0-9]*" menu "* ]]; }
wait_menu() { wait_for "a menu to open" menu_open; }

# Waits for the window, makes sure it has the keyboard, and sets WIN to its id.
wait_window() {
    wait_for "the window \"$1\"" has_window "$1"
    WIN=$(window_id "$1")
    wait_for "\"$1\" to get the focus" is_active "$WIN"
}
is_active() {
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    xdotool windowactivate "$1" >/dev/null 2>&1 || true
    return 1
}
wait_gone() { wait_for "the window $1 to close" window_gone "$1"; }
window_gone() { [[ $(xwininfo -id "$1" 2>/dev/null) != *IsViewable* ]]; }

# A message box or input box: waits for it, sends the keys, waits for it to close.
answer() {
    local title=$1
    shift
    wait_window "$title"
    local box=$WIN
    xdotool key --delay 30 "$@"
    wait_gone "$box"
}
# An input box: the text replaces the default answer, then Enter.
input() {
    wait_window "$1"
    local box=$WIN
    xdotool key ctrl+a BackSpace
    [ -z "$2" ] || xdotool type --delay 15 -- "$2"
    xdotool key Return
    wait_gone "$box"
}

# The window's place and size with the frame the window manager draws: "x y width height".
outer_geometry() {
    local extents info
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS)
    info=$(xwininfo -id "$1")
    awk -v e="${extents#*= }" '
        BEGIN { split(e, f, ", ") }
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        END { print x - f[1], y - f[3], w + f[1] + f[2], h + f[3] + f[4] }' <<<"$info"
}

# ---- The program

# E2E_FILE_LIMIT=KB starts it with files limited to that size, as a nearly full disk would:
# a write past the limit fails (the signal it raises is ignored, so the write reports it).
start_app() {
    if [ -n "${E2E_FILE_LIMIT:-}" ]; then
        (trap '' XFSZ && ulimit -f "$E2E_FILE_LIMIT" && exec "$CARTWISE" "$@") >"$T/app.log" 2>&1 &
    else
        "$CARTWISE" "$@" >"$T/app.log" 2>&1 &
    fi
    app=$!
    wait_window " Cartwise "
    MAIN=$WIN
    eval "$(xwininfo -id "$MAIN" | awk '/Absolute upper-left X/ {print "ORIGIN_X=" $NF}
                                      /Absolute upper-left Y/ {print "ORIGIN_Y=" $NF}')"
}
# Ends the program with the bar's Exit (Alt+X) and waits for it to end by itself.
quit_app() {
    focus_main
    xdotool key alt+x
    wait_exit
}
wait_exit() {
    wait_for "the program to end" app_ended
    local status=0
    wait "$app" || status=$?
    app=""
    [ $status -eq 0 ] || fail "the program ended with status $status"
}
app_ended() { ! kill -0 "$app"; }
focus_main() { wait_for "the main window to get the focus" is_active "$MAIN"; }

# ---- Mouse and keyboard on the main window

# Screen position of a control's centre, or of row N (counted from 1) of a list or grid.
where() {
    local name=$1 row=${2:-}
    awk -v n="$name" -v r="$row" -v ox="$ORIGIN_X" -v oy="$ORIGIN_Y" '
        $1 == n { x = $2 + int($4 / 2); y = $3 + int($5 / 2); found = 1 }
        $1 == n ".row" { top = $2; h = $3 }
        END {
            if (!found) exit 1
            if (r != "") y = top + int((r - 0.5) * h)
            print ox + x, oy + y
        }' "$T/layout" || fail "no control $name on the main window"
}
click() {
    focus_main
    # shellcheck disable=SC2046
    xdotool mousemove $(where "$@") click 1
}
double_click() {
    focus_main
    # shellcheck disable=SC2046
    xdotool mousemove $(where "$@") click --repeat 2 --delay 60 1
}
keys() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 15 -- "$1"; }

# ---- Files

# Waits until the file holds exactly the bytes of the second file.
wait_bytes() {
    wait_for "$1 to hold the expected bytes" cmp -s "$1" "$2"
}
same_bytes() {
    [ -z "${E2E_KEEP:-}" ] || cp "$1" "$2" "$E2E_KEEP/" 2>/dev/null || true
    cmp -s "$1" "$2" || fail "$1 differs from what was expected: $(cmp "$1" "$2" 2>&1 || true)"
}
# Field of N bytes: the text padded with blanks (or cut) to the width.
field() { printf '%-*.*s' "$2" "$2" "$1"; }
# A category record, and a source item record from its fields in file order:
# item quantity cost size catid isle selected-flag selected-quantity.
cat_record() { field "$1" 50; }
item_record() {
    field "$1" 50
    field "$2" 10
    field "$3" 10
    field "$4" 50
    printf "\\x$(printf %02x $(($5 & 255)))\\x$(printf %02x $(($5 >> 8 & 255)))\\0\\0"
    field "$6" 50
    field "$7" 1
    field "$8" 10
    field "" 50
}
# Record N (from 1) of a file of records of the given length.
record() { tail -c +$((($3 - 1) * $2 + 1)) "$1" | head -c "$2"; }
# The file as it is, with record N replaced by what the command prints.
with_record() {
    local file=$1 len=$2 n=$3
    shift 3
    head -c $(((n - 1) * len)) "$file"
    "$@"
    tail -c +$((n * len + 1)) "$file"
}

# ---- Commands of the main window

# Opens a menu by its access key and runs its Nth entry (separators not counted).
menu_command() {
    focus_main
    keys "$1"
    wait_menu
    local n
    for ((n = 1; n < $2; n++)); do keys Down; done
    keys Return
}
# File > Export into the folder (the default answer when it is empty).
export_list() {
    menu_command alt+f 2
    wait_window "Export Shopping List"
    if [ -n "$1" ]; then input "Export Shopping List" "$1"; else answer "Export Shopping List" Return; fi
}
# The item column of every line of an export file, header first.
export_items() {
    local n=0 size
    size=$(stat -c %s "$1")
    while [ $((n * 300)) -lt "$size" ]; do
        record "$1" 300 $((n + 1)) | awk -F'","' 'NR == 1 { print $2 }'
        n=$((n + 1))
    done
}
# Sort List, then the pop-up menu's entry: 1 By Category, 2 By Item Description, 3 By Isle #.
sort_by() {
    click cmdSortList
    wait_menu
    local n
    for ((n = 0; n < $1; n++)); do keys Down; done
    keys Return
}
# One 300-byte record of the export file: the line, CR LF, blanks.
export_record() {
    local line=$1$'\r\n'
    printf '%s%*s' "$line" $((300 - ${#line})) ""
}
