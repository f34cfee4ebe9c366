// SPDX-License-Identifier: MIT
#pragma once

#include "platform/prompts.h"
#include "speech/characterfile.h"

#include <QStringList>

// A small valid character drawn on the spot: two appearing frames, one
// idle pose and three mouth shapes, each picture `size` pixels.
CharacterSource testCharacterSource(QSize size = QSize(24, 30));

// The bytes of a character file for `source`; a source it refuses ends the test.
QByteArray testCharacterFile(const CharacterSource &source = testCharacterSource());

// A PNG of the given size, filled with `color`.
QByteArray testPng(QSize size, QColor color);
QByteArray pngOf(const QImage &image);

// Writes `bytes` to a new file at `path`; false if that fails.
bool writeFile(const QString &path, const QByteArray &bytes);

// The messages the user would have been shown.
class RecordingPrompts : public Prompts {
public:
    void message(const QString &text) override { messages << text; }
    QStringList messages;
};
