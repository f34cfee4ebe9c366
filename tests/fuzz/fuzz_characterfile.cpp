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

bool framesValid(const QVector<CharacterFrame> &frames, int images)
{
    for (const CharacterFrame &f : frames) {
        if (f.image < 0 || f.image >= images || f.ms < characterfile::minFrameMs ||
            f.ms > characterfile::maxFrameMs)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(characterfile::maxFileBytes) + 1)
        return 0;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString reason;
    const std::optional<CharacterData> c = characterfile::parse(bytes, &reason);
    if (!c) {
        require(!reason.isEmpty());
        return 0;
    }
    const int images = int(c->images.size());
    require(images >= 1 && images <= characterfile::maxImages);
    qint64 pixels = 0;
    for (const QImage &image : c->images) {
        require(!image.isNull());
        require(image.width() <= characterfile::maxImageSide &&
                image.height() <= characterfile::maxImageSide);
        pixels += qint64(image.width()) * image.height();
    }
    require(pixels <= characterfile::maxTotalPixels);
    require(!c->idle.isEmpty() && framesValid(c->idle, images) && framesValid(c->appear, images));
    require(c->mouths.size() >= characterfile::minMouths);
    for (const CharacterMouth &m : c->mouths)
        require(m.image >= 0 && m.image < images);
    require(!c->name.isEmpty() && characterfile::isValidVoiceName(c->voice.name));
    return 0;
}
