#!/usr/bin/env bash
# make_packages.sh BUILD_DIR SOURCE_DIR VERSION: the Windows edition's two packages, from the
# game as it stands in BUILD_DIR (lumabels.exe, sound\, help\), written beside it:
#   Lumabels-VERSION-win64.zip    portable: unpack anywhere and run Lumabels\lumabels.exe
#   Lumabels-VERSION-setup.exe    an installer: Program Files, a Start-menu entry, an uninstaller
# Run by the build (target lumabels_win32_packages).
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3

# The portable tree, as the zip holds it and the installer installs it.
work=$build/package
stage=$work/Lumabels
rm -rf "$work"
mkdir -p "$stage"
cp "$build/lumabels.exe" "$stage/"
cp -r "$build/sound" "$build/help" "$stage/"
# With Windows line ends, so that any editor there shows it as it should.
sed 's/$/\r/' "$source/LICENSE" >"$stage/LICENSE.txt"
python3 "$source/tools/png_icon.py" "$work/lumabels.ico" \
    "$source"/assets/images/icon-{16,32,48,256}.png

zip_file=$build/Lumabels-$version-win64.zip
rm -f "$zip_file"
(cd "$work" && zip -q -r -X -9 "$zip_file" Lumabels)

makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$work/lumabels.ico" \
    -DOUTFILE="$build/Lumabels-$version-setup.exe" "$source/packaging/windows/lumabels.nsi"
