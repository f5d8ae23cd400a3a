#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Installs what is missing, builds in build/ and makes the Debian package
# there (build/quorel-crosswords_VERSION_ARCH.deb). Install it with
#   sudo apt install ./build/quorel-crosswords_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --package
scripts/build.sh
(cd build && cpack -G DEB >/dev/null)
ls build/quorel-crosswords_*.deb
