// SPDX-License-Identifier: MIT
#pragma once

#include "speech/characterfile.h"

#include <optional>

// Reads a folder of PNG frames described by its "frames.txt":
//
//   name Quornel
//   voice en-us 165 50          (optional: voice name, rate, pitch)
//   appear appear1.png 80       (the appearing animation, in order)
//   idle idle.png 0             (the idle pose; 0 holds it for a while)
//   blink blink.png 150         (more frames of the idle loop)
//   mouth closed mouth-closed.png   (mouth shapes, the closed one first)
//
// Blank lines and lines starting with "#" are ignored. The same picture
// given more than once is stored once. A frame "idle.png" may have a
// double-size picture "idle@2x.png" beside it: every frame or none, exactly
// twice as wide and high. On failure `error` names the line and why.
// How long an idle frame given 0 milliseconds is held before the idle loop
// goes on (to a blink, say).
inline constexpr int heldIdleMs = 4000;

std::optional<CharacterSource> readFramesFolder(const QString &folder, QString *error);
