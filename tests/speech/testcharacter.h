// SPDX-License-Identifier: MIT
#pragma once

#include "speech/characterfile.h"

// A small valid character drawn on the spot: two appearing frames, one
// idle pose and three mouth shapes, each picture `size` pixels.
CharacterSource testCharacterSource(QSize size = QSize(24, 30));

// The bytes of a character file for testCharacterSource().
QByteArray testCharacterFile();

// A PNG of the given size, filled with `color`.
QByteArray testPng(QSize size, QColor color);
QByteArray pngOf(const QImage &image);
