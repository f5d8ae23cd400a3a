#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
#
# The Debian package: built by CPack from the build folder into a temporary
# folder, its fields and file list checked, lintian finds no error, and the
# program unpacked from it (dpkg-deb -x) starts under Xvfb and speaks the
# welcome, with a crossword file on its command line, which it ignores.
#   test_deb.sh BUILD_DIR
source "$(dirname "$0")/../e2e/lib.sh"
build="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup.sh --test)"; exit 77; }
done
out=$(mktemp -d /tmp/quorel-deb.XXXXXX)
trap 'e2e_cleanup; rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log" >&2; e2e_fail "cpack could not build the package"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$out/quorel-crosswords_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || e2e_fail "no package named $(basename "$deb"): $(ls "$out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Section)" = "games" ] || e2e_fail "section: $(field Section)"
depends=$(field Depends)
for dep in libc6 libqt6widgets6 libpulse0 libspeechd2 libbrlapi0.8 libespeak-ng1 espeak-ng-data fonts-liberation fonts-dejavu-core; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || e2e_fail "$dep is not among the dependencies: $depends"
done
[ "$(field Recommends)" = "speech-dispatcher, brltty" ] || e2e_fail "recommends: $(field Recommends)"

root="$out/root"
dpkg-deb -x "$deb" "$root" || e2e_fail "dpkg-deb cannot unpack the package"
for f in usr/games/quorel-crosswords \
    usr/share/applications/org.quorel.crosswords.desktop \
    usr/share/metainfo/org.quorel.crosswords.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/quorel-crosswords.svg \
    usr/share/icons/hicolor/128x128/apps/quorel-crosswords.png \
    usr/share/mime/packages/org.quorel.crosswords.xml \
    usr/share/doc/quorel-crosswords/copyright \
    usr/share/doc/quorel-crosswords/changelog.gz \
    usr/share/man/man6/quorel-crosswords.6.gz; do
    [ -s "$root/$f" ] || e2e_fail "the package lacks /$f"
done
# Nothing from the build or the tests comes along.
stray=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -vE '^\./usr/(games|share/(applications|metainfo|icons|mime|doc|man))(/|$)|^\./(usr/(share/)?)?$')
[ -z "$stray" ] || e2e_fail "unexpected files in the package: $stray"

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1
    grep -E '^E: ' "$out/lintian.log" && e2e_fail "lintian reports errors"
    sed 's/^/lintian: /' "$out/lintian.log"
fi

# The unpacked program (in /usr/games, where Debian keeps games), started the
# way the desktop entry starts it.
touch "$out/some.puz"
e2e_init "$root/usr/games/quorel-crosswords" 1024x768
e2e_start "$out/some.puz"
e2e_wait_say "Welcome to Quorel Crosswords volume 3." 20
e2e_key Right
e2e_wait_say "Puzzle 1"
e2e_stop
e2e_pass "the package builds, holds the installed files and its program speaks"
