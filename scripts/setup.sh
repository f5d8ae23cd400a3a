#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Installs the Debian packages the game needs to build, run and be tested,
# skipping those already there.
set -euo pipefail

# qt6-base-dev brings QtCore, QtGui, QtWidgets, QtPrintSupport and QtNetwork
# (the local socket that hands opened files to a running game).
PACKAGES=(
    cmake g++ make pkgconf
    qt6-base-dev libespeak-ng-dev espeak-ng-data
    libpulse-dev libspeechd-dev libbrlapi-dev
    zlib1g-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
)
# scripts/package.sh: dpkg-shlibdeps finds the package's library dependencies.
if [ "${1:-}" = "--package" ]; then
    PACKAGES+=(dpkg-dev)
fi
if [ "${1:-}" = "--test" ]; then
    PACKAGES+=(xvfb xdotool x11-utils poppler-utils imagemagick sox pulseaudio pulseaudio-utils)
    # tests/test_shipped_puzzles.cpp: every answer must be in SCOWL's British word list.
    PACKAGES+=(scowl)
    # Reviewers of clues read them aloud and compare sound-alikes: espeak-ng -q --ipa "clue".
    PACKAGES+=(espeak-ng)
    # The checks of the installed files and of the Debian package.
    PACKAGES+=(dpkg-dev desktop-file-utils appstream shared-mime-info lintian)
    # The solver's speech service, private to a test: speech-dispatcher with its espeak-ng module.
    PACKAGES+=(speech-dispatcher speech-dispatcher-espeak-ng)
    # tests/e2e/test_screen_reader.sh: a private session bus and a stand-in accessibility status service.
    PACKAGES+=(dbus python3-dbus python3-gi)
    # tests/e2e/test_braille.sh: brltty's Virtual driver talks to a fake braille display.
    PACKAGES+=(brltty)
    # scripts/fuzz.sh: libFuzzer and the sanitizer runtimes come with clang.
    PACKAGES+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
