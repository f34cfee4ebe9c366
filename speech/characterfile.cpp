// SPDX-License-Identifier: MIT
#include "characterfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <array>
#include <cmath>
#include <cstring>

#include <zlib.h>

QSize CharacterData::size() const
{
    QSize s;
    for (const QImage &image : images)
        s = s.expandedTo(image.deviceIndependentSize().toSize());
    return s;
}

namespace characterfile {

namespace {

// The texts of this file, for the translators.
struct CharacterFile {
    Q_DECLARE_TR_FUNCTIONS(CharacterFile)
};

quint32 readLE32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint32 readBE32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[3]) | quint32(u[2]) << 8 | quint32(u[1]) << 16 | quint32(u[0]) << 24;
}

void appendLE32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

void appendBE32(QByteArray &out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xff));
}

// Reading the manifest: every accessor checks the JSON type and range and
// records the first problem it meets, naming the entry by its path.
class ManifestReader {
public:
    bool failed() const { return !m_reason.isEmpty(); }
    const QString &reason() const { return m_reason; }

    void fail(const QString &reason)
    {
        if (m_reason.isEmpty())
            m_reason = reason;
    }

    // An entry that must be there and be of the given kind; `wrongKind`
    // says what it must be, with %1 for its path.
    QJsonValue need(const QJsonObject &o, const QString &key, const QString &path,
                    QJsonValue::Type type, const QString &wrongKind)
    {
        if (failed())
            return {};
        const auto it = o.constFind(key);
        if (it == o.constEnd()) {
            fail(CharacterFile::tr("the manifest has no entry \"%1\"").arg(path));
            return {};
        }
        if (it->type() != type) {
            fail(wrongKind.arg(path));
            return {};
        }
        return *it;
    }

    int integer(const QJsonObject &o, const QString &key, const QString &path, int min, int max)
    {
        const QJsonValue v = need(o, key, path, QJsonValue::Double,
                                  CharacterFile::tr("the manifest entry \"%1\" must be a number"));
        if (failed())
            return min;
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || d < min || d > max) {
            fail(CharacterFile::tr("the manifest entry \"%1\" must be a whole number from %2 to %3")
                     .arg(path)
                     .arg(min)
                     .arg(max));
            return min;
        }
        return int(d);
    }

    QString string(const QJsonObject &o, const QString &key, const QString &path)
    {
        return need(o, key, path, QJsonValue::String,
                    CharacterFile::tr("the manifest entry \"%1\" must be a text"))
            .toString();
    }

    QJsonObject object(const QJsonObject &o, const QString &key, const QString &path)
    {
        return need(o, key, path, QJsonValue::Object,
                    CharacterFile::tr("the manifest entry \"%1\" must be an object"))
            .toObject();
    }

    QJsonArray array(const QJsonObject &o, const QString &key, const QString &path, int min,
                     int max)
    {
        QJsonArray a = need(o, key, path, QJsonValue::Array,
                            CharacterFile::tr("the manifest entry \"%1\" must be a list"))
                           .toArray();
        if (failed())
            return {};
        if (a.size() < min || a.size() > max) {
            fail(
                CharacterFile::tr("the manifest entry \"%1\" must list from %2 to %3 items, not %4")
                    .arg(path)
                    .arg(min)
                    .arg(max)
                    .arg(a.size()));
            return {};
        }
        return a;
    }

    QJsonObject item(const QJsonArray &a, int i, const QString &path)
    {
        if (failed())
            return {};
        if (!a.at(i).isObject()) {
            fail(CharacterFile::tr("the manifest entry \"%1[%2]\" must be an object")
                     .arg(path)
                     .arg(i));
            return {};
        }
        return a.at(i).toObject();
    }

    // Rejects keys this version does not know, so that a misspelt entry is
    // not silently ignored.
    void onlyKeys(const QJsonObject &o, const QString &path,
                  std::initializer_list<const char *> keys)
    {
        if (failed())
            return;
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            bool known = false;
            for (const char *k : keys)
                known = known || it.key() == QLatin1String(k);
            if (!known) {
                fail(path.isEmpty() ? CharacterFile::tr("the manifest has an unknown entry \"%1\"")
                                          .arg(it.key())
                                    : CharacterFile::tr(
                                          "the manifest entry \"%1\" has an unknown entry \"%2\"")
                                          .arg(path, it.key()));
                return;
            }
        }
    }

private:
    QString m_reason;
};

bool isPrintableName(const QString &name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

QVector<CharacterFrame> readFrames(ManifestReader &r, const QJsonObject &root, const char *key,
                                   int min, int max, int imageCount)
{
    const QString path = QString::fromLatin1(key);
    const QJsonArray a = r.array(root, path, path, min, max);
    QVector<CharacterFrame> frames;
    for (int i = 0; i < a.size() && !r.failed(); ++i) {
        const QString at = QStringLiteral("%1[%2]").arg(path).arg(i);
        const QJsonObject o = r.item(a, i, path);
        r.onlyKeys(o, at, {"image", "ms"});
        CharacterFrame f;
        f.image =
            r.integer(o, QStringLiteral("image"), at + QStringLiteral(".image"), 0, imageCount - 1);
        f.ms =
            r.integer(o, QStringLiteral("ms"), at + QStringLiteral(".ms"), minFrameMs, maxFrameMs);
        frames.append(f);
    }
    return frames;
}

// Whether a PNG header's bit depth goes with its colour type.
bool validDepth(int colorType, int depth)
{
    switch (colorType) {
    case 0: // grey
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: // palette
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: // RGB
    case 4: // grey and alpha
    case 6: // RGBA
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

// What the decoder is given of a PNG picture, and the size it declares.
struct PngPicture {
    QSize size;
    int depth = 8;        // bits a sample
    QByteArray essential; // the signature and the chunks that decoding needs
};

// Walks a PNG's chunks without decoding anything. A chunk that claims more
// bytes than follow, a wrong checksum or a structure that a decoder would
// have to guess at is refused; of the rest, only what decoding needs is
// kept: the header, the palette, the transparency, the image data and the
// end. Text, colour profiles, suggested palettes and the like never reach
// the decoder, so none of them can make it allocate or inflate anything.
// `reason` completes "picture 3 ...".
bool inspectPng(const QByteArray &png, int maxSide, PngPicture *picture, QString *reason)
{
    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    if (png.size() < 8 + 25 || std::memcmp(png.constData(), signature, 8) != 0) {
        *reason = CharacterFile::tr("is not a PNG picture");
        return false;
    }
    const char *p = png.constData();
    if (readBE32(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0) {
        *reason =
            CharacterFile::tr("is not a PNG picture (it does not begin with its header chunk)");
        return false;
    }
    const quint32 width = readBE32(p + 16);
    const quint32 height = readBE32(p + 20);
    if (width == 0 || height == 0 || width > quint32(maxSide) || height > quint32(maxSide)) {
        *reason = CharacterFile::tr("is %1 x %2 pixels; each side must be from 1 to %3")
                      .arg(width)
                      .arg(height)
                      .arg(maxSide);
        return false;
    }
    const int depth = quint8(p[24]);
    const int colorType = quint8(p[25]);
    auto damaged = [reason](const QString &what) {
        *reason = CharacterFile::tr("is damaged: ") + what;
        return false;
    };
    if (!validDepth(colorType, depth) || p[26] != 0 || p[27] != 0 || quint8(p[28]) > 1)
        return damaged(CharacterFile::tr("its header chunk declares a kind of picture that PNG "
                                         "does not have"));

    QByteArray essential(signature, 8);
    essential.reserve(png.size());
    int paletteEntries = 0;
    bool transparency = false;
    enum { BeforeData, InData, AfterData } stage = BeforeData;
    bool ended = false;
    qsizetype at = 8;
    while (at < png.size() && !ended) {
        if (png.size() - at < 8)
            return damaged(CharacterFile::tr("it ends in the middle of a chunk"));
        const quint32 length = readBE32(p + at);
        const QByteArrayView type(p + at + 4, 4);
        for (const char c : type) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return damaged(
                    CharacterFile::tr("it holds a chunk whose type is not four letters"));
        }
        const qint64 follow = png.size() - at - 8;
        if (qint64(length) > follow)
            return damaged(
                CharacterFile::tr("its \"%1\" chunk runs past the end of the picture (it "
                                  "declares %2 bytes; %3 follow)")
                    .arg(QString::fromLatin1(type))
                    .arg(length)
                    .arg(follow));
        if (qint64(length) + 4 > follow)
            return damaged(
                CharacterFile::tr("its \"%1\" chunk runs past the end of the picture (its "
                                  "checksum is cut off)")
                    .arg(QString::fromLatin1(type)));
        // A fuzzer cannot make checksums: in a fuzzing build a wrong one is let
        // through, so that it reaches the decoder, which sees them recomputed.
        const auto crc =
            quint32(crc32(0, reinterpret_cast<const Bytef *>(p + at + 4), uInt(4 + length)));
#ifndef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
        if (crc != readBE32(p + at + 8 + length))
            return damaged(CharacterFile::tr("its \"%1\" chunk's checksum is wrong")
                               .arg(QString::fromLatin1(type)));
#endif
        const char *data = p + at + 8;
        at += 12 + qsizetype(length);

        auto outOfPlace = [&] {
            return damaged(CharacterFile::tr("its \"%1\" chunk is out of place")
                               .arg(QString::fromLatin1(type)));
        };
        bool keep = true;
        if (type == "IHDR") {
            if (at != 8 + 25)
                return outOfPlace();
        } else if (type == "IDAT") {
            if (stage == AfterData)
                return damaged(CharacterFile::tr("its image data is split by other chunks"));
            stage = InData;
        } else if (type == "IEND") {
            ended = true;
        } else {
            if (stage == InData)
                stage = AfterData;
            if (type == "PLTE") {
                if (stage != BeforeData || paletteEntries > 0 || transparency)
                    return outOfPlace();
                const quint32 entries = length / 3;
                if (colorType == 0 || colorType == 4 || length % 3 != 0 || entries == 0 ||
                    entries > 256 || (colorType == 3 && entries > (1u << depth)))
                    return damaged(CharacterFile::tr("its palette does not fit the picture"));
                paletteEntries = int(entries);
                keep = colorType == 3; // otherwise only a suggestion for few-colour screens
            } else if (type == "tRNS") {
                if (stage != BeforeData || transparency || (colorType == 3 && paletteEntries == 0))
                    return outOfPlace();
                const bool fits = colorType == 0   ? length == 2
                                  : colorType == 2 ? length == 6
                                  : colorType == 3
                                      ? length >= 1 && length <= quint32(paletteEntries)
                                      : false;
                if (!fits)
                    return damaged(CharacterFile::tr("its transparency does not fit the picture"));
                transparency = true;
            } else if (type.at(0) >= 'A' && type.at(0) <= 'Z') {
                return damaged(
                    CharacterFile::tr("it holds a critical chunk \"%1\" this program does "
                                      "not know")
                        .arg(QString::fromLatin1(type)));
            } else {
                keep = false;
            }
        }
        if (keep) {
            appendBE32(essential, length);
            essential.append(type);
            essential.append(data, qsizetype(length));
            appendBE32(essential, crc);
        }
    }
    if (!ended)
        return damaged(CharacterFile::tr("it ends without its end chunk"));
    if (at != png.size())
        return damaged(CharacterFile::tr("%1 bytes follow its end chunk").arg(png.size() - at));
    if (stage == BeforeData)
        return damaged(CharacterFile::tr("it has no image data"));
    if (colorType == 3 && paletteEntries == 0)
        return damaged(CharacterFile::tr("it has no palette"));
    picture->size = QSize(int(width), int(height));
    picture->depth = depth;
    picture->essential = essential;
    return true;
}

// While it lives, the decoder may allocate no more than `megabytes` for a
// picture. The limit is process-wide; character files are read on the GUI
// thread, as are the program's other pictures, and it is put back at once.
class AllocationLimit {
public:
    explicit AllocationLimit(int megabytes) : m_saved(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_saved); }
    AllocationLimit(const AllocationLimit &) = delete;
    AllocationLimit &operator=(const AllocationLimit &) = delete;

private:
    int m_saved;
};

QImage decodePng(const PngPicture &picture, QString *reason)
{
    QByteArray copy = picture.essential; // QBuffer needs a non-const array
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false); // the PNG decoder alone, no image plugin
    reader.setAutoTransform(false);
    if (reader.size() != picture.size) {
        *reason = CharacterFile::tr("is not a readable PNG picture");
        return {};
    }
    // The decoder counts at least 4 bytes a pixel, 8 for 16-bit samples.
    const qint64 bytes =
        qint64(picture.size.width()) * picture.size.height() * (picture.depth == 16 ? 8 : 4);
    const AllocationLimit limit(int((bytes + (1 << 20) - 1) >> 20));
    QImage image = reader.read();
    if (image.isNull()) {
        *reason = CharacterFile::tr("is not a readable PNG picture (%1)").arg(reader.errorString());
        return {};
    }
    if (image.size() != picture.size) {
        *reason = CharacterFile::tr("decodes to a different size than its header declares");
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString fileError(const QString &path, const QString &reason)
{
    return CharacterFile::tr("The character file \"%1\" cannot be used: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Reads a whole file, refusing anything that is not a regular file of a
// sane size (a named pipe would block, a device would never end).
std::optional<QByteArray> readFile(const QString &path, QString *error)
{
    if (path.isEmpty()) {
        *error = CharacterFile::tr("No character file was named.");
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = fileError(path, CharacterFile::tr("it does not exist"));
        return std::nullopt;
    }
    if (info.isDir()) {
        *error = fileError(path, CharacterFile::tr("it is a folder, not a file"));
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = fileError(path, CharacterFile::tr("it is not a regular file"));
        return std::nullopt;
    }
    if (info.size() > maxFileBytes) {
        *error = fileError(path, CharacterFile::tr("it is %1 bytes long; a character file may "
                                                   "have at most %2")
                                     .arg(info.size())
                                     .arg(maxFileBytes));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            fileError(path, CharacterFile::tr("it cannot be read (%1)").arg(file.errorString()));
        return std::nullopt;
    }
    // The file may have grown since it was looked at.
    QByteArray data = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error =
            fileError(path, CharacterFile::tr("it cannot be read (%1)").arg(file.errorString()));
        return std::nullopt;
    }
    if (data.size() > maxFileBytes) {
        *error = fileError(path, CharacterFile::tr("it is longer than the %1 bytes a character "
                                                   "file may have")
                                     .arg(maxFileBytes));
        return std::nullopt;
    }
    return data;
}

// Whether `name` is 1 to `maxLength` characters of ASCII letters (capitals
// only when `capitals`), digits and `marks`, beginning with a letter or,
// when `digitFirst`, a digit.
bool isPlainName(const QString &name, int maxLength, bool capitals, bool digitFirst,
                 QLatin1String marks)
{
    if (name.isEmpty() || name.size() > maxLength)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (capitals && c >= u'A' && c <= u'Z');
        const bool digit = c >= u'0' && c <= u'9';
        const bool ok = i == 0 ? letter || (digit && digitFirst)
                               : letter || digit || (c < 0x80 && marks.contains(QChar(c)));
        if (!ok)
            return false;
    }
    return true;
}

bool validateShape(const QString &shape)
{
    return isPlainName(shape, 32, false, false, QLatin1String("_-"));
}

// The checks that the writer and the reader share: everything except the
// pictures' own contents.
QString checkSource(const CharacterSource &s)
{
    if (s.name.isEmpty() || s.name.size() > maxNameLength || !isPrintableName(s.name))
        return CharacterFile::tr("the name must be 1 to %1 printable characters")
            .arg(maxNameLength);
    if (!isValidVoiceName(s.voice.name))
        return CharacterFile::tr("the voice name \"%1\" is not a valid voice name")
            .arg(s.voice.name);
    if (s.voice.rate < minRate || s.voice.rate > maxRate)
        return CharacterFile::tr("the voice rate must be from %1 to %2").arg(minRate).arg(maxRate);
    if (s.voice.pitch < minPitch || s.voice.pitch > maxPitch)
        return CharacterFile::tr("the voice pitch must be from %1 to %2")
            .arg(minPitch)
            .arg(maxPitch);
    if (s.pngs.isEmpty() || s.pngs.size() > maxImages)
        return CharacterFile::tr("a character needs 1 to %1 pictures").arg(maxImages);
    if (!s.doublePngs.isEmpty() && s.doublePngs.size() != s.pngs.size())
        return CharacterFile::tr("a character has a double-size picture for every picture or for "
                                 "none");
    if (s.appear.size() > maxAppearFrames)
        return CharacterFile::tr("the appearing animation may have at most %1 frames")
            .arg(maxAppearFrames);
    if (s.idle.isEmpty() || s.idle.size() > maxIdleFrames)
        return CharacterFile::tr("the idle pose needs 1 to %1 frames").arg(maxIdleFrames);
    if (s.mouths.size() < minMouths || s.mouths.size() > maxMouths)
        return CharacterFile::tr("a character needs %1 to %2 mouth shapes")
            .arg(minMouths)
            .arg(maxMouths);
    for (const auto *frames : {&s.appear, &s.idle}) {
        for (const CharacterFrame &f : *frames) {
            if (f.image < 0 || f.image >= s.pngs.size())
                return CharacterFile::tr("a frame refers to picture %1, which does not exist")
                    .arg(f.image);
            if (f.ms < minFrameMs || f.ms > maxFrameMs)
                return CharacterFile::tr("a frame lasts %1 ms; frames last from %2 to %3 ms")
                    .arg(f.ms)
                    .arg(minFrameMs)
                    .arg(maxFrameMs);
        }
    }
    QSet<QString> shapes;
    for (const CharacterMouth &m : s.mouths) {
        if (!validateShape(m.shape))
            return CharacterFile::tr("the mouth shape name \"%1\" is not valid (small letters, "
                                     "digits, \"-\" and \"_\", up to 32)")
                .arg(m.shape);
        if (shapes.contains(m.shape))
            return CharacterFile::tr("the mouth shape \"%1\" is given twice").arg(m.shape);
        shapes.insert(m.shape);
        if (m.image < 0 || m.image >= s.pngs.size())
            return CharacterFile::tr("the mouth shape \"%1\" refers to picture %2, which does not "
                                     "exist")
                .arg(m.shape)
                .arg(m.image);
    }
    return {};
}

std::optional<CharacterSource> parseManifest(const QByteArray &json, const QByteArray &data,
                                             quint32 fileVersion, QString *reason)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *reason = CharacterFile::tr("its manifest is not valid JSON (%1 at byte %2)")
                      .arg(parseError.errorString())
                      .arg(parseError.offset);
        return std::nullopt;
    }
    if (!doc.isObject()) {
        *reason = CharacterFile::tr("its manifest is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    ManifestReader r;
    r.onlyKeys(root, QString(), {"name", "voice", "images", "appear", "idle", "mouths"});

    CharacterSource s;
    s.name = r.string(root, QStringLiteral("name"), QStringLiteral("name"));
    const QJsonObject voice = r.object(root, QStringLiteral("voice"), QStringLiteral("voice"));
    r.onlyKeys(voice, QStringLiteral("voice"), {"name", "rate", "pitch"});
    s.voice.name = r.string(voice, QStringLiteral("name"), QStringLiteral("voice.name"));
    s.voice.rate =
        r.integer(voice, QStringLiteral("rate"), QStringLiteral("voice.rate"), minRate, maxRate);
    s.voice.pitch = r.integer(voice, QStringLiteral("pitch"), QStringLiteral("voice.pitch"),
                              minPitch, maxPitch);

    // The pictures follow the manifest back to back, in the order listed,
    // then their double-size companions in the same order; their lengths
    // must account for every remaining byte of the file.
    const bool doubles = fileVersion == doubleSizeVersion;
    const QJsonArray images =
        r.array(root, QStringLiteral("images"), QStringLiteral("images"), 1, maxImages);
    QVector<int> lengths, doubleLengths;
    for (int i = 0; i < images.size() && !r.failed(); ++i) {
        const QString at = QStringLiteral("images[%1]").arg(i);
        const QJsonObject o = r.item(images, i, QStringLiteral("images"));
        if (doubles)
            r.onlyKeys(o, at, {"length", "length2x"});
        else
            r.onlyKeys(o, at, {"length"});
        lengths.append(r.integer(o, QStringLiteral("length"), at + QStringLiteral(".length"), 1,
                                 int(maxFileBytes)));
        if (doubles)
            doubleLengths.append(r.integer(o, QStringLiteral("length2x"),
                                           at + QStringLiteral(".length2x"), 1, int(maxFileBytes)));
    }
    qint64 offset = 0;
    // `endsEarly`: "... picture %1 needs %2 bytes but only %3 are left".
    auto take = [&](const QVector<int> &list, QVector<QByteArray> *pngs, const QString &endsEarly) {
        for (int i = 0; i < list.size() && !r.failed(); ++i) {
            if (offset + list.at(i) > data.size()) {
                r.fail(endsEarly.arg(i).arg(list.at(i)).arg(data.size() - offset));
                return;
            }
            pngs->append(data.mid(offset, list.at(i)));
            offset += list.at(i);
        }
    };
    take(lengths, &s.pngs,
         CharacterFile::tr("it ends early: picture %1 needs %2 bytes but only %3 are left"));
    take(doubleLengths, &s.doublePngs,
         CharacterFile::tr("it ends early: double-size picture %1 needs %2 bytes but only %3 "
                           "are left"));
    if (!r.failed() && offset != data.size())
        r.fail(CharacterFile::tr("%1 bytes follow its last picture").arg(data.size() - offset));

    const int count = int(s.pngs.size());
    if (!r.failed()) {
        s.appear = readFrames(r, root, "appear", 0, maxAppearFrames, count);
        s.idle = readFrames(r, root, "idle", 1, maxIdleFrames, count);
    }
    const QJsonArray mouths =
        r.array(root, QStringLiteral("mouths"), QStringLiteral("mouths"), minMouths, maxMouths);
    for (int i = 0; i < mouths.size() && !r.failed(); ++i) {
        const QString at = QStringLiteral("mouths[%1]").arg(i);
        const QJsonObject o = r.item(mouths, i, QStringLiteral("mouths"));
        r.onlyKeys(o, at, {"shape", "image"});
        CharacterMouth m;
        m.shape = r.string(o, QStringLiteral("shape"), at + QStringLiteral(".shape"));
        m.image =
            r.integer(o, QStringLiteral("image"), at + QStringLiteral(".image"), 0, count - 1);
        s.mouths.append(m);
    }
    if (r.failed()) {
        *reason = r.reason();
        return std::nullopt;
    }
    const QString problem = checkSource(s);
    if (!problem.isEmpty()) {
        *reason = problem;
        return std::nullopt;
    }
    return s;
}

} // namespace

bool isValidVoiceName(const QString &name)
{
    return isPlainName(name, 64, true, true, QLatin1String("_+./-")) &&
           !name.contains(QLatin1String(".."));
}

namespace {

enum class Decode { Ordinary, DoubleSize, Both };

// The header and the manifest of a character file, with its pictures' PNG
// data as it stands in the file.
std::optional<CharacterSource> readSource(const QByteArray &data, QString *reason)
{
    if (data.isEmpty()) {
        *reason = CharacterFile::tr("it is empty");
        return std::nullopt;
    }
    if (data.size() > maxFileBytes) {
        *reason = CharacterFile::tr("it is longer than the %1 bytes a character file may have")
                      .arg(maxFileBytes);
        return std::nullopt;
    }
    if (data.size() < int(sizeof magic) ||
        std::memcmp(data.constData(), magic, sizeof magic) != 0) {
        *reason = CharacterFile::tr("it is not a character file (its header is wrong)");
        return std::nullopt;
    }
    if (data.size() < headerBytes) {
        *reason = CharacterFile::tr("it ends early, within its header");
        return std::nullopt;
    }
    const quint32 fileVersion = readLE32(data.constData() + 8);
    if (fileVersion != version && fileVersion != doubleSizeVersion) {
        *reason = CharacterFile::tr("it is of format version %1; this program reads versions %2 "
                                    "and %3")
                      .arg(fileVersion)
                      .arg(version)
                      .arg(doubleSizeVersion);
        return std::nullopt;
    }
    const quint32 manifestBytes = readLE32(data.constData() + 12);
    if (manifestBytes == 0 || manifestBytes > quint32(maxManifestBytes)) {
        *reason = CharacterFile::tr("its manifest is said to be %1 bytes long; it must be from 1 "
                                    "to %2")
                      .arg(manifestBytes)
                      .arg(maxManifestBytes);
        return std::nullopt;
    }
    if (qint64(manifestBytes) > data.size() - headerBytes) {
        *reason = CharacterFile::tr("it ends early: the manifest needs %1 bytes but only %2 follow")
                      .arg(manifestBytes)
                      .arg(data.size() - headerBytes);
        return std::nullopt;
    }
    const QByteArray json = data.mid(headerBytes, int(manifestBytes));
    const QByteArray pictures = data.mid(headerBytes + int(manifestBytes));

    return parseManifest(json, pictures, fileVersion, reason);
}

std::optional<CharacterData> read(const QByteArray &data, QString *reason, Decode decode)
{
    const std::optional<CharacterSource> source = readSource(data, reason);
    if (!source)
        return std::nullopt;

    // Every picture's structure and declared size is checked before any is
    // decoded, so a small file cannot ask for a huge amount of memory.
    QVector<PngPicture> ordinary(source->pngs.size()), doubled(source->doublePngs.size());
    qint64 pixels = 0;
    for (int i = 0; i < source->pngs.size(); ++i) {
        QString why;
        if (!inspectPng(source->pngs.at(i), maxImageSide, &ordinary[i], &why)) {
            *reason = CharacterFile::tr("picture %1 %2").arg(i).arg(why);
            return std::nullopt;
        }
        pixels += qint64(ordinary.at(i).size.width()) * ordinary.at(i).size.height();
    }
    for (int i = 0; i < doubled.size(); ++i) {
        QString why;
        if (!inspectPng(source->doublePngs.at(i), 2 * maxImageSide, &doubled[i], &why)) {
            *reason = CharacterFile::tr("double-size picture %1 %2").arg(i).arg(why);
            return std::nullopt;
        }
        const QSize size = doubled.at(i).size;
        if (size != 2 * ordinary.at(i).size) {
            *reason =
                CharacterFile::tr("double-size picture %1 is %2 x %3 pixels; it must be twice "
                                  "picture %1's, %4 x %5")
                    .arg(i)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(2 * ordinary.at(i).size.width())
                    .arg(2 * ordinary.at(i).size.height());
            return std::nullopt;
        }
        pixels += qint64(size.width()) * size.height();
    }
    if (pixels > maxTotalPixels) {
        *reason = CharacterFile::tr("its pictures hold %1 pixels together; at most %2 are allowed")
                      .arg(pixels)
                      .arg(maxTotalPixels);
        return std::nullopt;
    }

    // `failed`: "picture %1 %2", the picture's number and why.
    auto decodeAll = [reason](const QVector<PngPicture> &pictures, const QString &failed,
                              QVector<QImage> *images) {
        for (int i = 0; i < pictures.size(); ++i) {
            QString why;
            const QImage image = decodePng(pictures.at(i), &why);
            if (image.isNull()) {
                *reason = failed.arg(i).arg(why);
                return false;
            }
            images->append(image);
        }
        return true;
    };
    CharacterData c;
    c.name = source->name;
    c.voice = source->voice;
    c.appear = source->appear;
    c.idle = source->idle;
    c.mouths = source->mouths;
    if (doubled.isEmpty() || decode != Decode::DoubleSize) {
        if (!decodeAll(ordinary, CharacterFile::tr("picture %1 %2"), &c.images))
            return std::nullopt;
    }
    if (!doubled.isEmpty() && decode != Decode::Ordinary) {
        c.images.clear();
        if (!decodeAll(doubled, CharacterFile::tr("double-size picture %1 %2"), &c.images))
            return std::nullopt;
        for (QImage &image : c.images)
            image.setDevicePixelRatio(2);
    }
    // The pictures in use are kept as their checked PNG data, a fraction of
    // their decoded size.
    const bool doubleSize = c.images.constFirst().devicePixelRatio() > 1;
    c.decodeAgain = [kept = doubleSize ? doubled : ordinary, doubleSize](int i) {
        if (i < 0 || i >= kept.size())
            return QImage();
        QString why;
        QImage image = decodePng(kept.at(i), &why);
        if (doubleSize)
            image.setDevicePixelRatio(2);
        return image;
    };
    return c;
}

} // namespace

std::optional<CharacterData> parse(const QByteArray &data, QString *reason, qreal devicePixelRatio)
{
    return read(data, reason, devicePixelRatio > 1 ? Decode::DoubleSize : Decode::Ordinary);
}

std::optional<CharacterData> load(const QString &path, QString *error, qreal devicePixelRatio)
{
    const std::optional<QByteArray> data = readFile(path, error);
    if (!data)
        return std::nullopt;
    QString reason;
    std::optional<CharacterData> c = parse(*data, &reason, devicePixelRatio);
    if (!c)
        *error = fileError(path, reason);
    return c;
}

bool check(const QString &path, QString *error)
{
    const std::optional<QByteArray> data = readFile(path, error);
    if (!data)
        return false;
    QString reason;
    if (!read(*data, &reason, Decode::Both)) {
        *error = fileError(path, reason);
        return false;
    }
    return true;
}

std::optional<QByteArray> write(const CharacterSource &source, QString *reason)
{
    const QString problem = checkSource(source);
    if (!problem.isEmpty()) {
        *reason = problem;
        return std::nullopt;
    }
    auto frames = [](const QVector<CharacterFrame> &list) {
        QJsonArray a;
        for (const CharacterFrame &f : list)
            a.append(QJsonObject{{QStringLiteral("image"), f.image}, {QStringLiteral("ms"), f.ms}});
        return a;
    };
    const bool doubles = !source.doublePngs.isEmpty();
    QJsonArray images;
    qint64 pictureBytes = 0;
    for (int i = 0; i < source.pngs.size(); ++i) {
        QJsonObject image{{QStringLiteral("length"), int(source.pngs.at(i).size())}};
        pictureBytes += source.pngs.at(i).size();
        if (doubles) {
            image.insert(QStringLiteral("length2x"), int(source.doublePngs.at(i).size()));
            pictureBytes += source.doublePngs.at(i).size();
        }
        images.append(image);
    }
    QJsonArray mouths;
    for (const CharacterMouth &m : source.mouths)
        mouths.append(
            QJsonObject{{QStringLiteral("shape"), m.shape}, {QStringLiteral("image"), m.image}});
    const QJsonObject root{
        {QStringLiteral("name"), source.name},
        {QStringLiteral("voice"), QJsonObject{{QStringLiteral("name"), source.voice.name},
                                              {QStringLiteral("rate"), source.voice.rate},
                                              {QStringLiteral("pitch"), source.voice.pitch}}},
        {QStringLiteral("images"), images},
        {QStringLiteral("appear"), frames(source.appear)},
        {QStringLiteral("idle"), frames(source.idle)},
        {QStringLiteral("mouths"), mouths},
    };
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (json.size() > maxManifestBytes) {
        *reason =
            CharacterFile::tr("the manifest would be longer than %1 bytes").arg(maxManifestBytes);
        return std::nullopt;
    }
    if (headerBytes + json.size() + pictureBytes > maxFileBytes) {
        *reason = CharacterFile::tr("the file would be longer than %1 bytes").arg(maxFileBytes);
        return std::nullopt;
    }
    QByteArray out(magic, sizeof magic);
    appendLE32(out, doubles ? doubleSizeVersion : version);
    appendLE32(out, quint32(json.size()));
    out += json;
    for (const QByteArray &png : source.pngs + source.doublePngs)
        out += png;
    return out;
}

} // namespace characterfile
