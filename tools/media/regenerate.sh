#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# Builds the media tools and rewrites the shipped sound clips, menu picture and
# icon: resources/wave/{CHEER,NO,OK,WALL}.wav, resources/images/menu.png and
# resources/icons/quorel-crosswords.{svg,png}
# Usage: tools/media/regenerate.sh [BUILD_DIR]   (default: build-media beside the repo)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-"$root/../build-media"}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2

"$build/makesounds" "$root/resources/wave"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$build/makepicture" "$root/resources/images/menu.png"
"$build/makeicon" "$root/resources/icons/quorel-crosswords.svg" "$root/resources/icons/quorel-crosswords.png"
