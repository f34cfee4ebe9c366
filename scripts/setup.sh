#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and running the program need
# (scripts/debian-packages.txt) and, with --test, those that only the tests
# need too (scripts/debian-packages-test.txt), as far as they are missing.
# Runs as root (or through sudo when present); never asks questions.
# Source it or run it; either way it returns non-zero when it cannot finish.

_quornel_setup() {
    local here list pkg status
    local -a lists=(debian-packages.txt) missing=()
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    case "${1:-}" in
        "") ;;
        --test) lists+=(debian-packages-test.txt) ;;
        *) echo "setup: unknown option $1 (usage: setup.sh [--test])" >&2; return 2 ;;
    esac
    for list in "${lists[@]}"; do
        list="$here/$list"
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
    done
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
    _quornel_setup "$@"
else
    _quornel_setup "$@"
fi
