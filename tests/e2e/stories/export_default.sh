#!/usr/bin/env bash
# The first export offers a folder that exists: the documents folder, or the home folder
# where there is none.
. "$(dirname "$0")/../lib.sh"
e2e_begin "$CARTWISE_SAMPLES"
start_app
export_list "" # the folder offered
[ "$(stat -c %s "$HOME/Cartwise.txt")" = $((8 * 300)) ] || fail "no export in $HOME: $(ls -A "$HOME")"
mkdir "$HOME/Documents"
quit_app
rm "$CONF"
start_app
export_list ""
[ "$(stat -c %s "$HOME/Documents/Cartwise.txt")" = $((8 * 300)) ] || fail "no export in Documents"
quit_app
pass "the first export goes to a folder that exists"
