#!/usr/bin/env bash
# What the core's folders may include, checked on the sources:
#   src/settings/files/posix/    the standard library, POSIX, files/ and its own folder;
#   src/settings/files/windows/  the standard library, Windows, files/ and its own folder;
#   src/settings/files/          the standard library and its own folder, no system header;
#   src/settings/                the standard library and settings/ (files/ included), no system
#                                header;
#   src/process/                 the standard library and its own folder, no system header;
#   src/desktop/                 the standard library, its own folder, settings/ and shell/ (the
#                                texts the player reads), no system header;
# nothing in the core (settings/, engine/, process/ and desktop/) includes posix/ or windows/, which the
# build chooses between, nor Qt, SDL or an edition (qt/, win32/), and nothing here reaches up
# into the engine or the window.
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

shopt -s nullglob globstar
settings=("$src"/settings/*.h "$src"/settings/*.cpp)
files=("$src"/settings/files/*.h "$src"/settings/files/*.cpp)
posix=("$src"/settings/files/posix/*.h "$src"/settings/files/posix/*.cpp)
windows=("$src"/settings/files/windows/*.h "$src"/settings/files/windows/*.cpp)
engine=("$src"/engine/**/*.h "$src"/engine/**/*.cpp)
process=("$src"/process/*.h "$src"/process/*.cpp)
desktop=("$src"/desktop/*.h "$src"/desktop/*.cpp)
((${#settings[@]} > 0 && ${#files[@]} > 0 && ${#posix[@]} > 0 && ${#windows[@]} > 0 &&
    ${#engine[@]} > 0 && ${#process[@]} > 0 && ${#desktop[@]} > 0)) || {
    echo "FAIL: no sources under $src/settings, $src/engine, $src/process or $src/desktop" >&2
    exit 1
}
directive='[[:space:]]*#[[:space:]]*include[[:space:]]*'
include="^$directive"
# The same after grep -Hn's FILE:LINE: prefix.
listed=":[0-9][0-9]*:$directive"
everything=("${settings[@]}" "${files[@]}" "${posix[@]}" "${windows[@]}")
# (grep finding nothing is the good case, hence the "|| true".)
broken "an include from outside settings/" < <(grep -Hn "$include\"" "${everything[@]}" |
    grep -v "$listed\"settings/" || true)
broken "Qt or SDL in settings/" < <(grep -Hn "$include<\(Q\|SDL\)" "${everything[@]}" || true)
broken "the file code includes the settings above it" < <(grep -Hn "$include\"" "${files[@]}" \
    "${posix[@]}" "${windows[@]}" | grep -v "$listed\"settings/files/" || true)
broken "the core includes one system's file code" < <(grep -Hn "$include\"settings/files/\(posix\|windows\)/" \
    "${settings[@]}" "${files[@]}" "${engine[@]}" "${desktop[@]}" || true)
broken "one system's file code includes the other's" < <(
    grep -Hn "$include\"settings/files/windows/" "${posix[@]}" || true
    grep -Hn "$include\"settings/files/posix/" "${windows[@]}" || true)
# The standard C++ headers have no ".h" and no folder; the system's have one or the other.
broken "a system header outside settings/files/posix/ and windows/" < <(grep -Hn "$include<[^>]*[./][^>]*>" \
    "${settings[@]}" "${files[@]}" || true)
broken "an include from outside process/" < <(grep -Hn "$include\"" "${process[@]}" |
    grep -v "$listed\"process/" || true)
broken "a system header, Qt or SDL in process/" < <(grep -Hn "$include<\([^>]*[./][^>]*\|Q[^>]*\|SDL[^>]*\)>" \
    "${process[@]}" || true)
broken "an include from outside desktop/, settings/ and shell/" < <(grep -Hn "$include\"" \
    "${desktop[@]}" | grep -v "$listed\"\(desktop\|settings\|shell\)/" || true)
broken "a system header, Qt or SDL in desktop/" < <(grep -Hn "$include<\([^>]*[./][^>]*\|Q[^>]*\|SDL[^>]*\)>" \
    "${desktop[@]}" || true)
core=("${everything[@]}" "${engine[@]}" "${process[@]}" "${desktop[@]}")
broken "the core includes an edition" < <(grep -Hn "$include\"\(qt\|win32\)/" "${core[@]}" || true)
broken "Qt or SDL in engine/" < <(grep -Hn "$include<\(Q\|SDL\)" "${engine[@]}" || true)
broken "a POSIX header in the Windows file code" < <(grep -Hn "$include<\(unistd\|fcntl\|sys/\)" \
    "${windows[@]}" || true)

if ((failures > 0)); then
    exit 1
fi
echo "settings/, settings/files/, engine/, process/ and desktop/ include only what they may" \
    "(${#settings[@]} + ${#files[@]} + ${#posix[@]} + ${#windows[@]} + ${#engine[@]} + ${#process[@]} + ${#desktop[@]} files)"
