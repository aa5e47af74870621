# shellcheck shell=bash
# Shared by the install tests. Each test is called as
#   TEST.sh BUILD_DIR CMAKE CPACK SOURCE_DIR VERSION
# and works on the build tree as it is: it configures nothing, it only installs (into a
# staging folder of its own) and packs. Every test has its own scratch folder, so they may
# run in parallel; it is removed when the test passes and kept, named in the output, when it
# fails.

# shellcheck disable=SC2034 # the values below are read by the test scripts

INST_NAME=${INST_NAME:-$(basename "$0" .sh)}
INST_SKIP=77
INST_APP_ID=io.github.lumabels.Lumabels

if (($# < 5)); then
    echo "usage: $0 BUILD_DIR CMAKE CPACK SOURCE_DIR VERSION" >&2
    exit 2
fi
INST_BUILD=$(readlink -f "$1")
INST_CMAKE=$2
INST_CPACK=$3
INST_SOURCE=$(readlink -f "$4")
INST_VERSION=$5

# Everything a full install puts under the prefix, and nothing else.
INST_FILES=(
    bin/lumabels
    share/applications/$INST_APP_ID.desktop
    share/doc/lumabels/copyright
    share/icons/hicolor/16x16/apps/$INST_APP_ID.png
    share/icons/hicolor/32x32/apps/$INST_APP_ID.png
    share/icons/hicolor/48x48/apps/$INST_APP_ID.png
    share/icons/hicolor/64x64/apps/$INST_APP_ID.png
    share/icons/hicolor/128x128/apps/$INST_APP_ID.png
    share/icons/hicolor/256x256/apps/$INST_APP_ID.png
    share/icons/hicolor/scalable/apps/$INST_APP_ID.svg
    share/lumabels/help/help.css
    share/lumabels/help/index.html
    share/lumabels/sound/note1.wav
    share/lumabels/sound/note2.wav
    share/lumabels/sound/note3.wav
    share/lumabels/sound/note4.wav
    share/lumabels/sound/note5.wav
    share/lumabels/sound/note6.wav
    share/lumabels/sound/note7.wav
    share/man/man6/lumabels.6
    share/metainfo/$INST_APP_ID.metainfo.xml
)
# The game in each of its languages: the translation and the help page.
INST_LANGUAGES=(de fr es it pt_BR ru ja zh_CN)
for language in "${INST_LANGUAGES[@]}"; do
    INST_FILES+=(share/lumabels/translations/lumabels_$language.qm
                 share/lumabels/help/$language/index.html)
done

inst_log() {
    printf '[%s %s] %s\n' "$INST_NAME" "$(date +%T.%3N)" "$*" >&2
}

inst_fail() {
    printf '[%s %s] FAIL: %s\n' "$INST_NAME" "$(date +%T.%3N)" "$*" >&2
    exit 1
}

# inst_require TOOL...: skips the test (status 77) on a machine that lacks one of them.
inst_require() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "[$INST_NAME] skipped: $tool is not installed" >&2
            exit "$INST_SKIP"
        fi
    done
}

# A read-only tree in the scratch folder (the installed game's prefix) would stop its
# removal by anyone but root: write bits come back first.
inst_unlock() {
    if [[ -n ${INST_WORK:-} && -d $INST_WORK ]]; then
        chmod -R u+w "$INST_WORK" 2>/dev/null || true
    fi
}

inst_end() {
    local status=$?
    trap - EXIT
    inst_unlock
    if [[ -n ${INST_WORK:-} && -d $INST_WORK ]]; then
        if ((status == 0)); then
            rm -rf "$INST_WORK"
        else
            echo "[$INST_NAME] kept its files in $INST_WORK" >&2
        fi
    fi
    exit "$status"
}

# Makes INST_WORK, the test's scratch folder. With INST_OWN_TRAP=1 the caller sets the EXIT
# trap itself (and calls inst_unlock in it).
inst_begin() {
    [[ -f $INST_BUILD/CMakeCache.txt ]] || inst_fail "$INST_BUILD is no configured build tree"
    [[ -x $INST_BUILD/lumabels ]] || inst_fail "the game is not built in $INST_BUILD"
    # The modes of what the test makes do not depend on who runs it.
    umask 022
    INST_WORK=$(mktemp -d "${TMPDIR:-/tmp}/lumabels-install-$INST_NAME.XXXXXX")
    if [[ ${INST_OWN_TRAP:-0} != 1 ]]; then
        trap inst_end EXIT
        trap 'exit 129' HUP
        trap 'exit 130' INT
        trap 'exit 143' TERM
    fi
    inst_log "scratch folder $INST_WORK"
}

# inst_stage DESTDIR: installs the build tree with prefix /usr under DESTDIR, as a package
# build does; the tree is then DESTDIR/usr.
inst_stage() {
    local destdir=$1
    mkdir -p "$destdir"
    if ! DESTDIR=$destdir "$INST_CMAKE" --install "$INST_BUILD" --prefix /usr \
        >"$INST_WORK/install.log" 2>&1; then
        cat "$INST_WORK/install.log" >&2
        inst_fail "cmake --install failed"
    fi
    inst_log "installed into $destdir/usr"
}

# inst_expect_files LISTING WHAT: LISTING holds one path a line, relative to the prefix;
# fails unless it names exactly the files of INST_FILES.
inst_expect_files() {
    local listing=$1 what=$2
    printf '%s\n' "${INST_FILES[@]}" | LC_ALL=C sort >"$INST_WORK/expected-files"
    LC_ALL=C sort "$listing" >"$INST_WORK/found-files"
    if ! cmp -s "$INST_WORK/expected-files" "$INST_WORK/found-files"; then
        echo "the files of $what ('<' missing, '>' not expected):" >&2
        diff "$INST_WORK/expected-files" "$INST_WORK/found-files" | grep '^[<>]' >&2 || true
        inst_fail "$what does not hold exactly the expected files"
    fi
    inst_log "$what holds the ${#INST_FILES[@]} expected files"
}

# inst_png_size FILE -> "WIDTH HEIGHT", read from the PNG header; nothing for a non-PNG.
inst_png_size() {
    local magic
    magic=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [[ $magic == 89504e470d0a1a0a ]] || return 0
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
