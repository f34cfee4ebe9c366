#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages listed in scripts/debian-packages.txt that are
# missing. Runs as root (or through sudo when present); never asks questions.
# Source it or run it; either way it returns non-zero when it cannot finish.

_quornel_setup() {
    local here list missing=() pkg status
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    list="$here/debian-packages.txt"
    if [[ ! -r "$list" ]]; then
        echo "setup: cannot read $list" >&2
        return 1
    fi
    while read -r pkg; do
        pkg="${pkg%%#*}"
        pkg="${pkg//[[:space:]]/}"
        [[ -n "$pkg" ]] || continue
        status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
        [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
    done <"$list"
    if (( ${#missing[@]} == 0 )); then
        return 0
    fi

    echo "setup: installing ${missing[*]}"
    local -a sudo=()
    if (( EUID != 0 )); then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null || return 1
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}" </dev/null || return 1
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    set -euo pipefail
    _quornel_setup
else
    _quornel_setup
fi
