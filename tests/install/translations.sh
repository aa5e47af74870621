#!/usr/bin/env bash
# The installed game speaks each of its languages: it finds its translations in
# share/lumabels/translations (its --help and usage lines need no display), each language's help
# page is installed beside the English one, and the desktop entry and the AppStream data carry
# the translated name, comment, summary and description (their validators run in layout.sh).
set -euo pipefail
source "$(dirname "$0")/common.sh"
inst_require grep sed cmp
inst_begin

stage=$INST_WORK/stage
mkdir -m 700 "$INST_WORK/runtime"
inst_stage "$stage"
prefix=$stage/usr
desktop=$prefix/share/applications/$INST_APP_ID.desktop
metainfo=$prefix/share/metainfo/$INST_APP_ID.metainfo.xml

# The first line of --help, which each translation words its own way.
declare -A usage=(
    [de]='Aufruf: lumabels' [fr]=$'Usage\xc2\xa0: lumabels' [es]='Uso: lumabels' [it]='Uso: lumabels'
    [pt_BR]='Uso: lumabels' [ru]='Использование: lumabels' [ja]='使い方：lumabels'
    [zh_CN]='用法：lumabels'
)
english=$(env -u LANGUAGE LC_ALL=C "$prefix/bin/lumabels" --help | head -n 1)
[[ $english == "Usage: lumabels [--help | --version] [Qt options such as -platform NAME, -style NAME]" ]] ||
    inst_fail "in the C locale --help begins \"$english\""
for language in "${INST_LANGUAGES[@]}"; do
    first=$(LANGUAGE=$language LANG=C.UTF-8 "$prefix/bin/lumabels" --help | head -n 1)
    [[ $first == "${usage[$language]} "* ]] || inst_fail "$language: --help begins \"$first\""
    # A mistyped option, refused once Qt has taken its own (the platform here, for want of a
    # display): the argument named, then the usage line, in the same language, and status 2.
    status=0
    misuse=$(LANGUAGE=$language LANG=C.UTF-8 XDG_RUNTIME_DIR=$INST_WORK/runtime \
        "$prefix/bin/lumabels" -platform offscreen --no-such-option 2>&1) || status=$?
    [[ $status == 2 && $misuse == *" --no-such-option"$'\n'"$first" && $misuse != "lumabels: unknown"* ]] ||
        inst_fail "$language: a misuse gave $status, \"$misuse\""

    help=$prefix/share/lumabels/help/$language/index.html
    lang=$(sed -n 's/.*<html lang="\([^"]*\)".*/\1/p' "$help")
    [[ $lang == "${language/_/-}" ]] || inst_fail "$language: the help page says lang=\"$lang\""
    cmp -s "$help" "$prefix/share/lumabels/help/index.html" &&
        inst_fail "$language: the help page is the English one"
    sheet=$(sed -n 's/.*<link rel="stylesheet" href="\([^"]*\)".*/\1/p' "$help")
    [[ -n $sheet && -f $(dirname "$help")/$sheet ]] ||
        inst_fail "$language: the help page's stylesheet '$sheet' is not where it points"

    for key in Name GenericName Comment; do
        grep -q "^$key\[$language\]=." "$desktop" || inst_fail "the desktop entry lacks $key[$language]"
    done
    xml_lang=${language/_/-}
    for element in name summary; do
        count=$(grep -c "^ *<$element xml:lang=\"$xml_lang\">[^<]" "$metainfo" || true)
        [[ $count == 1 ]] || inst_fail "the AppStream data has $count $element in $language"
    done
    count=$(grep -c "^ *<p xml:lang=\"$xml_lang\">" "$metainfo" || true)
    [[ $count -ge 2 ]] || inst_fail "the AppStream description has $count paragraphs in $language"
done
# LANGUAGE lists languages in order of preference; one the game lacks is passed over.
first=$(LANGUAGE=eo:ja:de LANG=C.UTF-8 "$prefix/bin/lumabels" --help | head -n 1)
[[ $first == "${usage[ja]} "* ]] || inst_fail "LANGUAGE=eo:ja:de: --help begins \"$first\""
inst_log "--help, the help pages, the desktop entry and the AppStream data in ${#INST_LANGUAGES[@]} languages"
inst_log "pass"
