#!/usr/bin/env bash
# The installer under Wine: a silent install puts the game, its notes, its help and an
# uninstaller into Program Files, with a Start-menu entry and an entry among the installed
# programs; the game started from there keeps the player's settings in %APPDATA%\Lumabels
# (saved at the end of the Windows session), not beside itself; a silent uninstall removes what
# the installer put there and leaves the player's settings.
#
#   installer.sh PATH_TO_LUMABELS_EXE        (its build tree makes the packages first)
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/wine.sh"

command -v makensis >/dev/null 2>&1 || {
    echo "[$E2E_NAME] skipped: makensis is not installed" >&2
    exit "$E2E_SKIP"
}
build=$(dirname "$(readlink -f "$1")")
cmake --build "$build" --target lumabels_win32_packages >/dev/null ||
    e2e_fail "the packages could not be made"
setup=$(echo "$build"/Lumabels-*-setup.exe)

win_begin "$1"
installed=$WINEPREFIX/drive_c/Program\ Files/Lumabels
menu_entry=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Lumabels.lnk
uninstall_key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Lumabels'

# registered: the uninstall entry is in the prefix's registry (written out by its server).
registered() {
    wineserver -w
    grep -q "^\[$uninstall_key\]" "$WINEPREFIX/system.reg"
}

wine "$setup" /S || e2e_fail "the silent install failed ($?)"
for item in lumabels.exe uninstall.exe LICENSE.txt sound/note7.wav help/index.html; do
    [[ -f $installed/$item ]] || e2e_fail "the install has no $item"
done
[[ -f $menu_entry ]] || e2e_fail "the install made no Start-menu entry"
registered || e2e_fail "the install is not among the installed programs"
e2e_log "installed into Program Files with a Start-menu entry"

{
    echo '#!/usr/bin/env bash'
    printf 'exec wine %q\n' 'C:\Program Files\Lumabels\lumabels.exe'
} >"$E2E_GAME"
e2e_start_game installed
e2e_wait_title
wineboot --end-session >/dev/null 2>&1 || true
e2e_wait_exit "$E2E_PID" 30
settings=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/Lumabels/settings.ini')
[[ -n $settings ]] || e2e_fail "the installed game saved no settings in %APPDATA%\\Lumabels"
[[ ! -e $installed/settings.ini ]] || e2e_fail "the installed game saved its settings beside itself"
kept=$(cat "$settings")
e2e_log "the installed game saved its settings in %APPDATA%"

wine "$installed/uninstall.exe" /S || e2e_fail "the silent uninstall failed ($?)"
# The uninstaller runs on from a copy of itself and returns at once.
wineserver -w
[[ ! -e $installed ]] || e2e_fail "the uninstall left $(ls "$installed")"
[[ ! -e $menu_entry ]] || e2e_fail "the uninstall left the Start-menu entry"
! registered || e2e_fail "the uninstall left the entry among the installed programs"
[[ $(cat "$settings") == "$kept" ]] || e2e_fail "the uninstall changed or removed the settings"
e2e_log "uninstalled; the player's settings stay"
