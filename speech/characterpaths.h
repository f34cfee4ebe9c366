// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the characters that come with the program are: found from the
// program's own place, installed (../share/quornel-desktop-notes/characters)
// or in its build tree (characters/ beside it).

// The folder of the bundled characters.
QString charactersFolder();

// The full path of the default character, "Quornel".
QString defaultCharacterPath();

// A character file as stored: when it is gone but names a bundled
// character (the program moved, say), the bundled one; else as it is.
QString findCharacter(const QString &path);
