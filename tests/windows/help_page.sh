#!/usr/bin/env bash
# F1 in German under Wine: the game speaks the player's interface language, asks "Sure?" in it,
# and hands the German help page to the desktop's browser (a stand-in xdg-open that writes down
# what it was given); Cancel opens nothing; a page that cannot be opened is told in a box.
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/../e2e/desktop.sh"
source "$(dirname "$0")/wine.sh"

win_begin "$1"
e2e_start_wm
# A desktop with a browser: .html files go to Wine's browser bridge, which calls xdg-open.
wine reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null 2>&1 || e2e_fail "could not register .html"
mkdir -p "$E2E_WORK/bin"
opened=$E2E_WORK/opened.txt
printf '#!/bin/sh\necho "$@" >>%q\n' "$opened" >"$E2E_WORK/bin/xdg-open"
chmod 755 "$E2E_WORK/bin/xdg-open"

# help_box -> the id of the game's message box captioned "Hilfe", once it is up.
help_box() {
    e2e_dialog '^Hilfe$' || e2e_fail "no box captioned Hilfe"
}

e2e_launch game LC_ALL=de_DE.UTF-8 PATH="$E2E_WORK/bin:$PATH"
e2e_find_window "$E2E_PID"
e2e_wait_title

e2e_focus
e2e_key F1
box=$(help_box)
e2e_focus "$box"
e2e_key Escape
e2e_wait_until "$WIN_PATIENCE" e2e_window_gone "$box" || e2e_fail "Escape did not close the question"

e2e_focus
e2e_key F1
box=$(help_box)
e2e_focus "$box"
e2e_key Return
e2e_wait_until "$WIN_PATIENCE" test -s "$opened" || e2e_fail "the browser was not asked to open anything"
[[ $(<"$opened") == *"/game/help/de/index.html" ]] || e2e_fail "the browser got $(<"$opened")"
[[ $(wc -l <"$opened") == 1 ]] || e2e_fail "Cancel opened a page too: $(<"$opened")"

rm "$E2E_WORK/game/help"
e2e_focus
e2e_key F1
box=$(help_box)
e2e_focus "$box"
e2e_key Return
e2e_wait_until "$WIN_PATIENCE" e2e_window_gone "$box" || e2e_fail "Enter did not close the question"
e2e_focus
failure=$(help_box)
e2e_log "a missing page is told in box $failure"
