#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# cmake --install into a temporary prefix: the desktop entry and the AppStream
# metainfo pass their validators, the icons are the sizes they claim, and the
# MIME description gives the three crossword file types their names.
#   test_installed_files.sh BUILD_DIR
set -u
build="$1"
prefix=$(mktemp -d /tmp/quorel-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli update-mime-database identify; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh --test)"; exit 77; }
done

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || { cat "$prefix.log" >&2; rm -f "$prefix.log"; fail "cmake --install failed"; }
rm -f "$prefix.log"
share="$prefix/share"
app=org.quorel.crosswords

desktop="$share/applications/$app.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
grep -qx 'Exec=quorel-crosswords %F' "$desktop" || fail "the desktop entry does not start the installed program"
grep -qx 'Categories=Game;LogicGame;' "$desktop" || fail "the desktop entry is not in the games menu"

metainfo="$share/metainfo/$app.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
# The release named there is the version being built.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

# The icon the desktop entry names, in both forms.
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$(identify -format '%wx%h' "$share/icons/hicolor/128x128/apps/$icon.png")" = "128x128" ] \
    || fail "no 128 x 128 PNG icon $icon"
grep -q '<svg ' "$share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon"

# The MIME database built from the description knows the three types by
# their file names, and the desktop entry offers the program for each.
XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" || fail "update-mime-database rejects the description"
for pair in puz:application/x-crossword ipuz:application/vnd.crossword-ipuz jpz:application/x-crossword-jpz; do
    grep -q "^[0-9]*:${pair#*:}:\*\.${pair%%:*}\$" "$share/mime/globs2" || fail "*.${pair%%:*} is not ${pair#*:}"
    grep -q "^MimeType=.*${pair#*:};" "$desktop" || fail "the desktop entry does not open ${pair#*:}"
done
[ -f "$share/mime/application/x-crossword.xml" ] || fail "no MIME entry for application/x-crossword"

[ -x "$prefix/bin/quorel-crosswords" ] || fail "no program in bin/"
for f in copyright COPYING NOTICE changelog.gz; do
    [ -s "$share/doc/quorel-crosswords/$f" ] || fail "no $f in share/doc"
done
gzip -t "$share/man/man6/quorel-crosswords.6.gz" || fail "no manual page"
echo "PASS: installed files"
