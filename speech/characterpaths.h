#pragma once

#include <QString>

// Where the characters that come with the program are.

// The full path of the default character, "Quornel". Looked for beside an
// installed program (../share/quornel-desktop-notes/characters), then in
// the build tree, then in the installation prefix the program was built
// for. When none exists, the path in the installation prefix.
QString defaultCharacterPath();

// The folder that holds the default character.
QString charactersFolder();
