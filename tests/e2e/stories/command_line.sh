#!/usr/bin/env bash
# The command line: --help and --version answer without a display and write nothing; an
# unknown option prints the usage to standard error and ends with 2; without a display the
# program says so in one line and ends with 1.
. "$(dirname "$0")/../lib.sh"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export HOME=$T/home XDG_DATA_HOME=$T/data XDG_CONFIG_HOME=$T/config LANGUAGE=en
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
[[ $("$CARTWISE" --help) == *"--version"* ]] || fail "--help"
[ "$("$CARTWISE" --version)" = "cartwise 6.0.0" ] || fail "--version"
"$CARTWISE" --shop >"$T/out" 2>"$T/err" && status=0 || status=$?
[ $status = 2 ] && [ ! -s "$T/out" ] && grep -q "Unknown option 'shop'" "$T/err" &&
    grep -q "^Usage:" "$T/err" || fail "unknown option: status $status, $(cat "$T/err")"
"$CARTWISE" 2>"$T/err" && status=0 || status=$?
[ $status = 1 ] && [ "$(wc -l <"$T/err")" = 1 ] || fail "no display: status $status, $(cat "$T/err")"
[ ! -e "$T/data" ] && [ ! -e "$T/config" ] || fail "files written: $(find "$T" -type f)"
pass "help, version, an unknown option and no display"
