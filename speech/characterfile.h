// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

// A speech character as read from a "*.qchar" file. The layout of the file
// is described in QCHAR-FORMAT.md beside this header.

struct CharacterVoice {
    QString name;   // an espeak-ng voice name, e.g. "en-us" or "en+m3"
    int rate = 165; // words per minute
    int pitch = 50; // 0..99, 50 is the voice's own
};

// One step of an animation: which picture, for how long.
struct CharacterFrame {
    int image = 0;
    int ms = 0;
};

// A mouth shape used while speaking: a whole picture of the character.
struct CharacterMouth {
    QString shape;
    int image = 0;
};

struct CharacterData {
    QString name;
    CharacterVoice voice;
    // Decoded, ARGB32 premultiplied. When the double-size pictures were
    // asked for and the file has them, these are they, at a device pixel
    // ratio of 2, so that they paint at the ordinary size.
    QVector<QImage> images;
    // Decodes picture `index` again, the same as `images` held it, from the
    // picture's data kept in memory, so that a character standing still can
    // give back the pictures it does not show; empty for a character made
    // in memory.
    std::function<QImage(int index)> decodeAgain;
    QVector<CharacterFrame> appear; // may be empty
    QVector<CharacterFrame> idle;   // at least one
    QVector<CharacterMouth> mouths; // most closed first, at least two

    // The smallest area that holds every picture, in logical pixels (the
    // size of the ordinary pictures).
    QSize size() const;
};

// What goes into a character file: the pictures as PNG data, and frames
// that refer to them by index.
struct CharacterSource {
    QString name;
    CharacterVoice voice;
    QVector<QByteArray> pngs;
    QVector<QByteArray> doublePngs; // none, or one for each of `pngs`, twice as wide and high
    QVector<CharacterFrame> appear;
    QVector<CharacterFrame> idle;
    QVector<CharacterMouth> mouths;
};

namespace characterfile {

// The limits a file must keep. They bound the memory and time that loading
// any file can take, whatever it holds.
inline constexpr qint64 maxFileBytes = 16 * 1024 * 1024;
inline constexpr int maxManifestBytes = 64 * 1024;
inline constexpr int maxImages = 64;
inline constexpr int maxAppearFrames = 64;
inline constexpr int maxIdleFrames = 32;
inline constexpr int minMouths = 2;
inline constexpr int maxMouths = 16;
inline constexpr int maxImageSide = 1024;
inline constexpr qint64 maxTotalPixels = 8 * 1024 * 1024;
inline constexpr int minFrameMs = 10;
inline constexpr int maxFrameMs = 10000;
inline constexpr int maxNameLength = 64;
inline constexpr int minRate = 80;
inline constexpr int maxRate = 450;
inline constexpr int minPitch = 0;
inline constexpr int maxPitch = 99;

inline constexpr char magic[8] = {'Q', 'C', 'H', 'A', 'R', '\r', '\n', '\x1a'};
// A file with double-size pictures is of version 2, any other of version 1.
inline constexpr quint32 version = 1;
inline constexpr quint32 doubleSizeVersion = 2;
inline constexpr int headerBytes = 16;

// Reads a character from the bytes of a file. On failure returns nothing
// and sets `reason` to why, a phrase without the file's name, such as
// "it ends early: the manifest needs 120 bytes but only 80 follow".
// Above a device pixel ratio of 1, the double-size pictures are decoded
// instead of the ordinary ones when the file has them. Every picture's
// structure is checked either way; only the pictures returned are decoded.
std::optional<CharacterData> parse(const QByteArray &data, QString *reason,
                                   qreal devicePixelRatio = 1);

// Reads a character file. On failure `error` names the file and the reason.
std::optional<CharacterData> load(const QString &path, QString *error, qreal devicePixelRatio = 1);

// The same checks as load(), decoding the pictures of both sizes, without
// keeping them.
bool check(const QString &path, QString *error);

// The bytes of a character file. Fails (with `reason`) when the source
// breaks one of the rules that parse() checks, except that the pictures
// themselves are checked only by parse().
std::optional<QByteArray> write(const CharacterSource &source, QString *reason);

// Whether `name` is acceptable as an espeak-ng voice name in a file.
bool isValidVoiceName(const QString &name);

} // namespace characterfile
