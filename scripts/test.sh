#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quorel Crosswords developers
# Installs what is missing, builds and runs every test headless: unit and
# scenario tests of the core, tests of the platform services, and end-to-end
# tests of the real binary under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
scripts/build.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/quorel-runtime.XXXXXX)}"
cd build
ctest --output-on-failure -j2
