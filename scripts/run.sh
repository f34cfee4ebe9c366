#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs what building and running the program need (not what only the
# tests use), builds the program and starts the note widget in the folder
# this command is run from: its note store "Quornel Desktop Notes.save"
# lives there.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
here="$(pwd)"

bash "$root/scripts/setup.sh"
(
    cd "$root"
    cmake --preset default >/dev/null
    cmake --build --preset default --target quornel-desktop-notes --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
)
cd "$here"
exec "$root/build/quornel-desktop-notes"
