#pragma once

#include "speech/characterfile.h"

#include <optional>

// Reads a folder of PNG frames described by its "frames.txt":
//
//   name Quornel
//   voice en-us 165 50          (optional: voice name, rate, pitch)
//   appear appear1.png 80       (the appearing animation, in order)
//   idle idle.png 1000          (the idle pose, one or more frames)
//   mouth closed mouth-closed.png   (mouth shapes, most closed first)
//
// Blank lines and lines starting with "#" are ignored. A file named more
// than once is stored once. On failure `error` names the line and why.
std::optional<CharacterSource> readFramesFolder(const QString &folder, QString *error);
