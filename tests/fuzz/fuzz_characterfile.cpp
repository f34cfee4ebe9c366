// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the character file reader. Whatever the bytes,
// it must return, within the file's limits, either a character that keeps
// every rule or a reason.

#include "speech/characterfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void requireFrames(const QVector<CharacterFrame> &frames, int images)
{
    for (const CharacterFrame &f : frames)
        require(f.image >= 0 && f.image < images && f.ms >= characterfile::minFrameMs &&
                f.ms <= characterfile::maxFrameMs);
}

// Reads the bytes at one device pixel ratio and checks what comes back.
void readAt(const QByteArray &bytes, qreal ratio)
{
    QString reason;
    const std::optional<CharacterData> c = characterfile::parse(bytes, &reason, ratio);
    if (!c) {
        require(!reason.isEmpty());
        return;
    }
    const int images = int(c->images.size());
    require(images >= 1 && images <= characterfile::maxImages);
    const qreal pictureRatio = c->images.constFirst().devicePixelRatio();
    require(pictureRatio == 1 || (pictureRatio == 2 && ratio > 1));
    qint64 pixels = 0;
    for (const QImage &image : c->images) {
        require(!image.isNull() && image.devicePixelRatio() == pictureRatio);
        require(image.width() <= characterfile::maxImageSide * pictureRatio &&
                image.height() <= characterfile::maxImageSide * pictureRatio);
        pixels += qint64(image.width()) * image.height();
    }
    require(pixels <= characterfile::maxTotalPixels);
    require(c->size().width() <= characterfile::maxImageSide &&
            c->size().height() <= characterfile::maxImageSide);
    require(!c->idle.isEmpty());
    requireFrames(c->idle, images);
    requireFrames(c->appear, images);
    require(c->mouths.size() >= characterfile::minMouths);
    for (const CharacterMouth &m : c->mouths)
        require(m.image >= 0 && m.image < images);
    require(!c->name.isEmpty() && characterfile::isValidVoiceName(c->voice.name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(characterfile::maxFileBytes) + 1)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    readAt(bytes, 1);
    // A file with double-size pictures is read at both sizes.
    if (size > 8 && data[8] == characterfile::doubleSizeVersion)
        readAt(bytes, 2);
    return 0;
}
