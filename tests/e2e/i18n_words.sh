#!/usr/bin/env bash
# The game in the player's language, read through the accessibility bus as a screen reader
# reads it: the menu bar and its menus, the Options dialog and the results screen show the
# words of the language asked for. "de" runs on a bare server with LANGUAGE=de, "ja" under a
# window manager with LANG=ja_JP.UTF-8, and "c" with LANGUAGE=de but LC_ALL=C, where the C
# locale wins and every word is English.
#
#   bash tests/e2e/i18n_words.sh build/debug/lumabels de|ja|c
set -euo pipefail
mode=${2:?usage: $0 GAME de|ja|c}
E2E_NAME=i18n_words_$mode
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop.sh"
source "$(dirname "$0")/a11y.sh"
a11y_session "$@"
e2e_begin "$@"

# One band and no clouds at 5 ms a tick: a game left alone ends within a few seconds. The
# heading is the default one, which shows in the player's language.
printf '[Settings]\nPlayOptions=1,0,5,Results,0\n' >"$(e2e_settings)"

case $mode in
de)
    locale=(LANGUAGE=de)
    menus=(Spiel Hilfe Neu Optionen Beenden Tipps Über)
    dialog=Optionen
    controls=("push button:Abbrechen" "push button:Standard" "check box:Töne spielen"
              "check box:Immer im Vordergrund" "label:Geschwindigkeit:" "panel:System")
    results=("Ergebnisse" "Letztes Spiel: 0 Punkte, [0-9.,]+ Sek\\." "Rekord: [0-9]+ Punkte?, [0-9.,]+ Sek\\.")
    ;;
ja)
    locale=(LANG=ja_JP.UTF-8)
    menus=("ゲーム\\(G\\)" "ヘルプ\\(H\\)" "新しいゲーム\\(N\\)" "オプション\\(O\\)" "終了\\(X\\)"
           "ヒント\\(T\\)" "バージョン情報\\(A\\)")
    dialog=オプション
    controls=("push button:キャンセル" "push button:既定値" "check box:音を鳴らす\\(O\\)"
              "label:速度\\(S\\):" "panel:システム")
    results=("結果" "今回：0点　[0-9.,]+秒" "最高記録：[0-9]+点　[0-9.,]+秒")
    e2e_start_wm
    ;;
c)
    locale=(LANGUAGE=de LC_ALL=C)
    menus=(Game Help New Options Exit Tips About)
    dialog=Options
    controls=("push button:Cancel" "push button:Default" "check box:Play Sound"
              "check box:Stay on Top" "label:Speed :" "panel:System")
    results=("Results" "Last : 0 pt\\. [0-9.]+ sec\\." "Record : [0-9]+ pt\\. [0-9.]+ sec\\.")
    ;;
*)
    e2e_fail "unknown mode $mode"
    ;;
esac

a11y_launch game "${locale[@]}"
e2e_find_window "$E2E_PID"
[[ $mode == ja ]] && e2e_activate || e2e_focus

# The menu bar and the items of its two menus, by their names without the mnemonic marks.
a11y_expect "menu bar" "" "the menu bar"
for word in "${menus[@]}"; do
    a11y_expect "menu( item)?" "$word" "a menu or item"
done
# The field names the screen it shows.
a11y_expect canvas "Lumabels" "the title screen"
e2e_log "menus: ${menus[*]}"

# The Options dialog: a window of its own with the language's title and controls.
e2e_key F5
# A window title in Japanese is not something xdotool's name search can match: the dialog is
# the game's other window, and the accessibility tree names it.
other_window() {
    E2E_DIALOG=$(xdotool search --all --onlyvisible --pid "$E2E_GAME_PID" 2>/dev/null |
        grep -vx "$E2E_WIN" | head -n 1) || true
    [[ -n $E2E_DIALOG ]]
}
e2e_wait_until 10 other_window || e2e_fail "F5 opened no window"
a11y_expect dialog "$dialog" "the Options dialog"
for control in "${controls[@]}"; do
    a11y_expect "${control%%:*}" "${control#*:}" "in the Options dialog"
done
e2e_log "Options dialog: ${controls[*]}"
e2e_key Escape
e2e_wait_until 10 e2e_window_gone "$E2E_DIALOG" || e2e_fail "Escape did not close the dialog"
[[ $mode == ja ]] && e2e_activate || e2e_focus

# A game left alone ends on the results: heading, last game and record, in that order.
e2e_key space
e2e_wait_results 20 || e2e_fail "the game did not end on the results screen"
a11y_expect canvas "${results[0]} \\| ${results[1]} \\| ${results[2]}" "the results screen"
e2e_log "results: $(grep '^canvas' "$E2E_WORK/tree.txt" | cut -f2)"
e2e_log "pass"
