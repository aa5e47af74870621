#!/usr/bin/env bash
# `cpack -G DEB` makes lumabels_<version>_<arch>.deb from the build tree: the same files as an
# install with prefix /usr, owned by root with the usual modes, the same bytes (the program
# aside, which is stripped), and the control fields a Debian archive and apt need, with the
# shared libraries the program links among its dependencies.
set -euo pipefail
source "$(dirname "$0")/common.sh"
inst_require dpkg-deb dpkg-shlibdeps dpkg od awk cmp diff
inst_begin

arch=$(dpkg --print-architecture)
out=$INST_WORK/package
mkdir -p "$out"
started=$(date +%s)
if ! "$INST_CPACK" -G DEB --config "$INST_BUILD/CPackConfig.cmake" -B "$out" \
    >"$INST_WORK/cpack.log" 2>&1; then
    cat "$INST_WORK/cpack.log" >&2
    inst_fail "cpack -G DEB failed"
fi
inst_log "cpack took $(($(date +%s) - started)) s"

deb=$out/lumabels_${INST_VERSION}_$arch.deb
if [[ ! -f $deb ]]; then
    ls -l "$out" >&2
    inst_fail "no $(basename "$deb") was made"
fi
made=$(find "$out" -maxdepth 1 -name '*.deb' | wc -l)
((made == 1)) || inst_fail "cpack made $made packages, not one"
inst_log "made $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# --- the contents -----------------------------------------------------------------------------
dpkg-deb -c "$deb" >"$INST_WORK/contents"
sed 's/^/  /' "$INST_WORK/contents" >&2
# Columns: mode owner/group size date time path.
awk '$1 !~ /^d/ { print $6 }' "$INST_WORK/contents" >"$INST_WORK/deb-paths"
bad=$(grep -v '^\./usr/' "$INST_WORK/deb-paths" || true)
[[ -z $bad ]] || inst_fail "the package holds files outside /usr: $bad"
sed 's|^\./usr/||' "$INST_WORK/deb-paths" >"$INST_WORK/deb-files"
inst_expect_files "$INST_WORK/deb-files" "the package"
bad=$(awk '$2 != "root/root" { print $2, $6 }' "$INST_WORK/contents")
[[ -z $bad ]] || inst_fail "entries not owned by root: $bad"
bad=$(awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $1, $6 }' "$INST_WORK/contents")
[[ -z $bad ]] || inst_fail "folders without mode 755: $bad"
bad=$(awk '$1 !~ /^d/ && $6 != "./usr/bin/lumabels" && $1 != "-rw-r--r--" { print $1, $6 }' "$INST_WORK/contents")
[[ -z $bad ]] || inst_fail "data files without mode 644: $bad"
awk '$6 == "./usr/bin/lumabels" && $1 == "-rwxr-xr-x" { found = 1 } END { exit !found }' "$INST_WORK/contents" ||
    inst_fail "usr/bin/lumabels is not an executable of mode 755"

# The package's files are the installed ones, byte for byte; the program is stripped.
inst_stage "$INST_WORK/stage"
dpkg-deb -x "$deb" "$INST_WORK/unpacked"
for file in "${INST_FILES[@]}"; do
    [[ $file == bin/lumabels ]] && continue
    cmp -s "$INST_WORK/unpacked/usr/$file" "$INST_WORK/stage/usr/$file" ||
        inst_fail "$file in the package differs from the installed one"
done
if command -v readelf >/dev/null 2>&1; then
    ! readelf -S "$INST_WORK/unpacked/usr/bin/lumabels" | grep -q '\.debug_info' ||
        inst_fail "the packaged program keeps its debugging data"
fi

# --- the control fields -----------------------------------------------------------------------
dpkg-deb -f "$deb" >"$INST_WORK/control"
sed 's/^/  /' "$INST_WORK/control" >&2
field() {
    dpkg-deb -f "$deb" "$1"
}
[[ $(field Package) == lumabels ]] || inst_fail "Package is '$(field Package)'"
[[ $(field Version) == "$INST_VERSION" ]] || inst_fail "Version is '$(field Version)', not $INST_VERSION"
[[ $(field Architecture) == "$arch" ]] || inst_fail "Architecture is '$(field Architecture)', not $arch"
[[ $(field Section) == games ]] || inst_fail "Section is '$(field Section)'"
[[ $(field Priority) == optional ]] || inst_fail "Priority is '$(field Priority)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || inst_fail "Maintainer '$(field Maintainer)' is no 'name <address>'"
[[ $(field Homepage) == https://* ]] || inst_fail "Homepage is '$(field Homepage)'"
description=$(field Description)
(($(wc -l <<<"$description") >= 2)) || inst_fail "the Description has no long text"
long=$(awk 'length($0) > 80' <<<"$description")
[[ -z $long ]] || inst_fail "Description lines wider than 80 columns: $long"
depends=$(field Depends)
[[ -n $depends ]] || inst_fail "Depends is empty"
# dpkg-shlibdeps names the packages of the libraries the program links.
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libsdl2; do
    [[ ", $depends" == *", $library"* ]] || inst_fail "Depends lacks $library: $depends"
done
inst_log "control fields are right; Depends: $depends"
inst_log "pass"
