#!/usr/bin/env bash
# In German: the same short session is run with LANG=de_DE.UTF-8 and in English. The German
# windows are read through the accessibility tree (AT-SPI, as a screen reader reads them) and
# by their titles; afterwards the data files, Cartwise.txt and Cartwise.conf of both sessions
# must be the same bytes.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- bash "$0" "$@"
. "$(dirname "$0")/../lib.sh"
PYTHON=/usr/bin/python3 # Debian's, with the AT-SPI bindings
$PYTHON -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    { echo "SKIP: python3-gi with Atspi" && exit 77; }
A11Y="$PYTHON $(dirname "$0")/../a11y_names.py"
e2e_begin "$CARTWISE_SAMPLES"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
$A11Y --wait # the accessibility bus up before the program asks for it
seen() { # the accessibility tree holds an object with this role and name
    $A11Y >"$T/tree" || fail "no accessibility tree"
    grep -qxF "$1	$2" "$T/tree" || fail "no $1 \"$2\" in the accessibility tree"
}

# session LANGUAGE: the same clicks and keys in either language; the German boxes' Yes is J.
session() {
    local yes=alt+y save="Record saved" delete="Delete Category" export="Export Shopping List"
    local file=alt+f editor=" Source Item" quit=alt+x
    if [ "$1" = de ]; then
        yes=alt+j delete="Kategorie löschen" export="Einkaufsliste exportieren"
        file=alt+d editor=" Artikel" quit=alt+e
    fi
    start_app
    if [ "$1" = de ]; then
        seen "push button" "Neue Kat."
        seen "push button" "Art. in Liste"
        seen panel "Kategorien"
        seen "table column header" "Artikel  "
        seen label "Sortierung: Artikel"
        seen label "26,62" # the running total, with a decimal comma
    fi
    click lstCat 2 # Dairy
    click lstAvailable 1 # Butter
    click cmdItemToList
    click Grid1 1
    click cmdNum3
    click lstCat 1 # Bakery, with Bagels and Bread on the list
    click cmdDeleteCat
    wait_window "$delete"
    [ "$1" != de ] || seen label "Kategorie „Bakery“ und alle zugehörigen Artikel löschen?"
    answer "$delete" $yes
    click cmdSortList
    wait_for "the sort menu" menu_open
    keys Up Return # the last entry: by aisle
    click lstCat 1 # Dairy, first now
    click cmdNewItem
    wait_window "$editor"
    [ "$1" != de ] || seen label " Bezeichnung"
    type_text "Tee"
    keys alt+s
    answer Cartwise Return # the record saved
    menu_command $file 2
    input "$export" "$T/out"
    answer Cartwise Return # the export done
    focus_main
    keys $quit
    wait_exit
    mkdir -p "$T/$1"
    cp "$DATA/ctwcat6.dat" "$DATA/ctwsrc6.dat" "$T/out/Cartwise.txt" "$CONF" "$T/$1/"
    cp "$CARTWISE_SAMPLES"/* "$DATA/"
    rm -f "$CONF" "$T/out/Cartwise.txt"
}
LANG=C.UTF-8 LC_ALL=C.UTF-8 session en
LANGUAGE= LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 session de
for f in ctwcat6.dat ctwsrc6.dat Cartwise.txt Cartwise.conf; do same_bytes "$T/de/$f" "$T/en/$f"; done
grep -q '^sort=Sorted by Isle$' "$T/de/Cartwise.conf" || fail "the sort order was not kept in English"
pass "German windows, and the same bytes in every file"
