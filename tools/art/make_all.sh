#!/bin/sh
# Regenerates every image in assets/images/ and checks the character sprites.
set -e
here=$(cd "$(dirname "$0")" && pwd)
python3 "$here/make_character.py"
python3 "$here/make_icon.py"
python3 "$here/check_character.py"
