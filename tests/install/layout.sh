#!/usr/bin/env bash
# `cmake --install` with prefix /usr puts exactly the game's files where a desktop and the
# game look for them, with the usual modes; the desktop entry and the AppStream data pass
# their validators and agree with each other and with the files; the icons have the sizes
# their folders claim; the manual page renders without a warning.
set -euo pipefail
source "$(dirname "$0")/common.sh"
inst_require desktop-file-validate appstreamcli od awk cmp diff
inst_begin

stage=$INST_WORK/stage
inst_stage "$stage"
prefix=$stage/usr

# Nothing may land outside the prefix (an absolute DESTINATION would).
outside=$(find "$stage" -mindepth 1 -maxdepth 1 ! -name usr)
[[ -z $outside ]] || inst_fail "the install wrote outside the prefix: $outside"
(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n') >"$INST_WORK/files"
inst_expect_files "$INST_WORK/files" "the installed tree"

# --- modes: the program executable, the rest readable data, folders open to all ------------
bad=$(find "$prefix" -type f ! -path "$prefix/bin/lumabels" ! -perm 644 -printf '%m %P\n')
[[ -z $bad ]] || inst_fail "data files without mode 644: $bad"
[[ $(stat -c %a "$prefix/bin/lumabels") == 755 ]] ||
    inst_fail "bin/lumabels has mode $(stat -c %a "$prefix/bin/lumabels"), not 755"
bad=$(find "$prefix" -type d ! -perm 755 -printf '%m %P\n')
[[ -z $bad ]] || inst_fail "folders without mode 755: $bad"

# --- the program ------------------------------------------------------------------------------
# The installed program must not look for libraries in the build or source tree.
if command -v readelf >/dev/null 2>&1; then
    paths=$(readelf -d "$prefix/bin/lumabels" | awk '/\((RPATH|RUNPATH)\)/ { print }')
    if grep -qF -e "$INST_BUILD" -e "$INST_SOURCE" <<<"$paths"; then
        inst_fail "bin/lumabels still points into the build: $paths"
    fi
else
    inst_log "readelf is not installed: the run path is not checked"
fi

# --- data the game reads at run time -------------------------------------------------------
for n in 1 2 3 4 5 6 7; do
    note=$prefix/share/lumabels/sound/note$n.wav
    [[ $(head -c 4 "$note") == RIFF && $(tail -c +9 "$note" | head -c 4) == WAVE ]] ||
        inst_fail "note$n.wav is no wave file"
    cmp -s "$note" "$INST_BUILD/sound/note$n.wav" || inst_fail "note$n.wav differs from the build's"
done
cmp -s "$prefix/share/lumabels/help/index.html" "$INST_SOURCE/assets/help/index.html" ||
    inst_fail "the installed help page differs from assets/help/index.html"
cmp -s "$prefix/share/lumabels/help/help.css" "$INST_SOURCE/assets/help/help.css" ||
    inst_fail "the help pages' stylesheet is not installed beside them"

# --- the desktop entry ----------------------------------------------------------------------
desktop=$prefix/share/applications/$INST_APP_ID.desktop
if ! desktop-file-validate "$desktop" >"$INST_WORK/desktop-validate.log" 2>&1; then
    cat "$INST_WORK/desktop-validate.log" >&2
    inst_fail "desktop-file-validate rejects the desktop entry"
fi
inst_log "desktop-file-validate: $(grep -c . "$INST_WORK/desktop-validate.log" || true) remarks"
sed 's/^/  /' "$INST_WORK/desktop-validate.log" >&2

# desktop_key KEY: the value of KEY in the [Desktop Entry] group.
desktop_key() {
    awk -v key="$1" '
        /^\[/ { group = $0 }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$desktop"
}
[[ $(desktop_key Type) == Application ]] || inst_fail "the entry's Type is not Application"
[[ $(desktop_key Name) == Lumabels ]] || inst_fail "the entry's Name is '$(desktop_key Name)'"
[[ -n $(desktop_key Comment) ]] || inst_fail "the entry has no Comment"
[[ -n $(desktop_key Keywords) ]] || inst_fail "the entry has no Keywords"
[[ $(desktop_key StartupNotify) == true ]] || inst_fail "the entry lacks StartupNotify=true"
[[ ";$(desktop_key Categories)" == *";Game;"* && ";$(desktop_key Categories)" == *";ArcadeGame;"* ]] ||
    inst_fail "the entry's Categories '$(desktop_key Categories)' lack Game;ArcadeGame;"
# Launchers run Exec through PATH, where the package puts bin/.
exec_line=$(desktop_key Exec)
[[ ${exec_line%% *} == lumabels && -x $prefix/bin/${exec_line%% *} ]] ||
    inst_fail "the entry runs '$exec_line', which is not the installed bin/lumabels"
# The icon is looked up by name in the theme: it must be the id the icons are installed under.
icon=$(desktop_key Icon)
[[ $icon == "$INST_APP_ID" ]] || inst_fail "the entry's Icon is '$icon', not $INST_APP_ID"

# --- the icons ------------------------------------------------------------------------------
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    got=$(inst_png_size "$png")
    [[ $got == "$size $size" ]] || inst_fail "the icon in ${size}x$size is '${got:-no PNG}'"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$icon.svg
grep -q '<svg' "$svg" || inst_fail "the scalable icon is no SVG"
inst_log "icons: six PNG sizes, each its folder's, and the SVG"

# --- the AppStream data ---------------------------------------------------------------------
metainfo=$prefix/share/metainfo/$INST_APP_ID.metainfo.xml
set +e
appstreamcli validate --no-net --no-color "$metainfo" >"$INST_WORK/metainfo-validate.log" 2>&1
status=$?
set -e
sed 's/^/  /' "$INST_WORK/metainfo-validate.log" >&2
# Errors fail the validation (a status other than 0); warnings and notes only inform.
if ((status != 0)) || grep -q '^E:' "$INST_WORK/metainfo-validate.log"; then
    inst_fail "appstreamcli finds errors in the metainfo (status $status)"
fi
inst_log "appstreamcli validate: no errors"

grep -q "<id>$INST_APP_ID</id>" "$metainfo" || inst_fail "the metainfo's id is not $INST_APP_ID"
grep -q "<launchable type=\"desktop-id\">$INST_APP_ID.desktop</launchable>" "$metainfo" ||
    inst_fail "the metainfo does not launch $INST_APP_ID.desktop"
grep -q '<binary>lumabels</binary>' "$metainfo" || inst_fail "the metainfo does not provide the binary"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || inst_fail "the metainfo has no OARS rating"
# A version bump needs its release entry, which software centres show as the version.
first_release=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//')
[[ $first_release == "$INST_VERSION" ]] ||
    inst_fail "the newest release in the metainfo is '$first_release', the project is $INST_VERSION"
# Each screenshot points at a picture kept in the repository, of the size it claims.
shots=0
while read -r width height name; do
    file=$INST_SOURCE/docs/screenshots/$name
    [[ -f $file ]] || inst_fail "the metainfo shows docs/screenshots/$name, which is not in the repository"
    got=$(inst_png_size "$file")
    [[ $got == "$width $height" ]] || inst_fail "docs/screenshots/$name is '$got', the metainfo says $width x $height"
    shots=$((shots + 1))
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">https://[^<]*/docs/screenshots/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
((shots == 3)) || inst_fail "the metainfo has $shots screenshots of the repository's, not 3"
[[ $(grep -c '<caption>' "$metainfo") == 3 ]] || inst_fail "not every screenshot has a caption"

# --- the manual page ------------------------------------------------------------------------
man_page=$prefix/share/man/man6/lumabels.6
grep -q "^\.TH LUMABELS 6 .*\"Lumabels $INST_VERSION\"" "$man_page" ||
    inst_fail "the manual page's title line does not name version $INST_VERSION"
if command -v groff >/dev/null 2>&1; then
    LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$man_page" >"$INST_WORK/groff.log" 2>&1 ||
        inst_fail "groff could not format the manual page: $(cat "$INST_WORK/groff.log")"
    [[ ! -s $INST_WORK/groff.log ]] || inst_fail "groff warns about the manual page: $(cat "$INST_WORK/groff.log")"
    LC_ALL=C.UTF-8 MANWIDTH=80 groff -man -Tutf8 -P-cbou "$man_page" >"$INST_WORK/man.txt" 2>/dev/null
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS" "SEE ALSO"; do
        grep -q "^$section\$" "$INST_WORK/man.txt" || inst_fail "the manual page has no $section section"
    done
    for word in --help --version XDG_CONFIG_HOME XDG_RUNTIME_DIR settings.ini; do
        grep -q -- "$word" "$INST_WORK/man.txt" || inst_fail "the manual page does not mention $word"
    done
    inst_log "the manual page formats without warnings and has every section"
else
    inst_log "groff is not installed: the manual page is not formatted"
fi

inst_log "pass"
