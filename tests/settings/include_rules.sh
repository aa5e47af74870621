#!/usr/bin/env bash
# What the settings folders may include, checked on the sources:
#   src/settings/files/  the standard library, POSIX and its own folder, nothing else of the game's;
#   src/settings/        the standard library and settings/ (files/ included), no system header;
# and neither reaches up into the engine, the window or the dialogs, nor includes Qt or SDL.
#
#   include_rules.sh SOURCE_DIR
set -euo pipefail
src=${1:?usage: $0 SOURCE_DIR}/src
failures=0

# broken WHY FILE:LINE:TEXT...: reports each include line given on standard input.
broken() {
    local why=$1 line
    while IFS= read -r line; do
        printf 'FAIL: %s: %s\n' "$why" "${line#"$src"/}" >&2
        failures=$((failures + 1))
    done
}

shopt -s nullglob
settings=("$src"/settings/*.h "$src"/settings/*.cpp)
files=("$src"/settings/files/*.h "$src"/settings/files/*.cpp)
((${#settings[@]} > 0 && ${#files[@]} > 0)) || {
    echo "FAIL: no sources under $src/settings" >&2
    exit 1
}

directive='[[:space:]]*#[[:space:]]*include[[:space:]]*'
include="^$directive"
# The same after grep -Hn's FILE:LINE: prefix.
listed=":[0-9][0-9]*:$directive"
# (grep finding nothing is the good case, hence the "|| true".)
broken "an include from outside settings/" < <(grep -Hn "$include\"" "${settings[@]}" "${files[@]}" |
    grep -v "$listed\"settings/" || true)
broken "Qt or SDL in settings/" < <(grep -Hn "$include<\(Q\|SDL\)" "${settings[@]}" "${files[@]}" || true)
broken "the file code includes the settings above it" < <(grep -Hn "$include\"" "${files[@]}" |
    grep -v "$listed\"settings/files/" || true)
# The standard C++ headers have no ".h" and no folder; the system's have one or the other.
broken "a system header outside settings/files/" < <(grep -Hn "$include<[^>]*[./][^>]*>" "${settings[@]}" || true)

if ((failures > 0)); then
    exit 1
fi
echo "settings/ and settings/files/ include only what they may (${#settings[@]} + ${#files[@]} files)"
