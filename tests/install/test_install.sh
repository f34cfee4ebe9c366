#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the build as a package would be made (stripped of debugging data),
# once into a scratch prefix and once as /usr into a staging folder, and checks
# what lands there: the entries, the metadata and the manual pages pass their
# validators, --autostart writes and removes a valid entry of the user's,
# nothing lands outside the prefix, and nothing installed refers back to the
# build or source folder. With --installed, checks the copy that the Debian
# package installed under /usr in the same way.
# Usage: test_install.sh BUILD_DIR SOURCE_DIR VERSION
#        test_install.sh --installed VERSION
set -euo pipefail
if [[ "$1" == --installed ]]; then
    build="" source="" version="$2"
else
    build="$(realpath "$1")" source="$(realpath "$2")" version="$3"
fi
for tool in desktop-file-validate appstreamcli groff; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 2; }
done
scratch="$(mktemp -d "${TMPDIR:-/tmp}/quornel-install.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
failed=0
check() { if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; failed=1; fi; }

none() { [[ -z "$1" ]] || { echo "$1"; return 1; }; }   # TEXT: empty, or shown
has() { [[ "$1" == *"$2"* ]]; }   # TEXT PART
validates() { local out; out="$("$@" 2>&1)" || { echo "$out"; return 1; }; }
render() { none "$(zcat "$1" | groff -man -Tutf8 -ww -z 2>&1)"; }
# install_to PREFIX ROOT [DESTDIR]: installs and checks that every file lies under ROOT.
install_to() {
    local out files
    out="$(DESTDIR="${3:-}" cmake --install "$build" --prefix "$1" --strip 2>&1)" ||
        { echo "$out"; exit 1; }
    files="$(sed -n 's/^-- \(Installing\|Up-to-date\): //p' <<<"$out")"
    check "files were installed with prefix $1" test -n "$files"
    check "every file installed with prefix $1 lies under $2" none "$(grep -v "^$2/" <<<"$files")"
}

# installed PREFIX SYSCONFDIR: the checks of an installed copy.
installed() {
    local p="$1"
    menu="$p/share/applications/quornel-desktop-notes.desktop"
    autostart="$2/xdg/autostart/quornel-desktop-notes.desktop"
    metainfo="$p/share/metainfo/org.quornel.DesktopNotes.metainfo.xml"
    for f in "$menu" "$autostart"; do
        check "${f#"$p"/} is a valid desktop entry" validates desktop-file-validate "$f"
    done
    exec_line="$(grep '^Exec=' "$menu")"
    check "the menu and autostart entries start the same per-user store ($exec_line)" \
        test "$exec_line" = "$(grep '^Exec=' "$autostart")" -a "${exec_line/ --user/}" != "$exec_line"
    check "the metadata is valid" validates appstreamcli validate --no-net "$metainfo"
    latest="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo")"
    check "the metadata's latest release is $version" test "${latest%%$'\n'*}" = "$version"
    for page in quornel-desktop-notes qchar-pack; do
        check "the manual page $page(1) renders without a warning" render "$p/share/man/man1/$page.1.gz"
    done
    check "the installed program tells its version without a display" \
        test "$(env -u DISPLAY "$p/bin/quornel-desktop-notes" --version)" = "quornel-desktop-notes $version"
    # The catalogues are built into the program; Qt's own come with the
    # package it depends on: its help in German, its options and Qt's.
    local help
    help="$(env -u DISPLAY LANGUAGE=de "$p/bin/quornel-desktop-notes" --help)"
    check "the installed program speaks German (its help and Qt's)" \
        eval 'has "$help" "Die Notiz im Notizspeicher <file> aufbewahren" && has "$help" "Zeigt Hilfe zu den Kommandozeilenoptionen an"'
    check "the character file format is documented" test -s "$p/share/doc/quornel-desktop-notes/QCHAR-FORMAT.md"

    # The user's autostart entry, in a configuration folder of its own.
    local config="$scratch/config" program
    program="$(realpath "$p/bin/quornel-desktop-notes")"
    local entry="$config/autostart/quornel-desktop-notes.desktop"
    (cd "$scratch" && XDG_CONFIG_HOME="$config" env -u DISPLAY "$program" --autostart on)
    check "--autostart on writes a valid entry" validates desktop-file-validate "$entry"
    check "... which starts this program with the store of the folder it was given in" \
        test "$(grep '^Exec=' "$entry")" = "Exec=$program --store \"$scratch/Quornel Desktop Notes.save\""
    (cd "$scratch" && XDG_CONFIG_HOME="$config" "$program" --store notes.save --autostart on)
    check "... with the store --store names, as an absolute path" \
        test "$(grep '^Exec=' "$entry")" = "Exec=$program --store $scratch/notes.save"
    XDG_CONFIG_HOME="$config" "$program" --autostart on --user
    check "... with the per-user store for --user" test "$(grep '^Exec=' "$entry")" = "Exec=$program --user"
    # (The folders' modes and an entry's removal are checked in process.)
    touch "$config/autostart/other.desktop"
    XDG_CONFIG_HOME="$config" env -u DISPLAY "$program" --autostart off
    check "--autostart off removes the entry alone" test "$(ls -A "$config/autostart")" = other.desktop
    rm -rf "$config"
}

if [[ -z "$build" ]]; then
    installed /usr /etc
    exit "$failed"
fi
p="$scratch/prefix"
install_to "$p" "$p"
installed "$p" "$p/etc"
# Stripping leaves run paths and compiled-in strings, so binaries are searched too.
check "no installed file names the build or source folder" \
    none "$(grep -rlF -e "$build" -e "$source" "$p")"

d="$scratch/staging"
install_to /usr "$d" "$d"
check "with the /usr prefix the autostart entry is in /etc/xdg/autostart" \
    test -f "$d/etc/xdg/autostart/quornel-desktop-notes.desktop"
exit "$failed"
