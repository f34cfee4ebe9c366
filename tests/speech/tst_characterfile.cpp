// SPDX-License-Identifier: MIT
#include "testcharacter.h"

#include "speech/characterfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>
#include <zlib.h>

// Built with AddressSanitizer, an allocation above 256 MB fails the test at
// once: no character file may cost that much.
extern "C" const char *__asan_default_options() // NOLINT(bugprone-reserved-identifier)
{
    return "max_allocation_size_mb=256";
}

namespace {

QByteArray be32(quint32 v)
{
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray chunk(const char *type, const QByteArray &data)
{
    const QByteArray body = type + data;
    return be32(quint32(data.size())) + body +
           be32(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size()))));
}

const QSize tinySize(24, 30);

// A valid picture with `extra` chunks right after its header chunk.
QByteArray pngWith(const QByteArray &extra)
{
    const QByteArray png = testPng(tinySize, Qt::blue);
    return png.left(33) + extra + png.mid(33);
}

// A PNG that declares any size; its image data is not real.
QByteArray pngDeclaring(quint32 width, quint32 height)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           chunk("IHDR", be32(width) + be32(height) + QByteArray("\x08\x06\0\0\0", 5)) +
           chunk("IDAT", QByteArray(8, '\0')) + chunk("IEND", {});
}

QByteArray header(quint32 version, quint32 manifestLength)
{
    const quint32 words[2] = {qToLittleEndian(version), qToLittleEndian(manifestLength)};
    return QByteArray(characterfile::magic, 8) +
           QByteArray(reinterpret_cast<const char *>(words), 8);
}

// The valid test file with its manifest changed by `edit`.
QByteArray withManifest(const std::function<void(QJsonObject &)> &edit)
{
    const QByteArray valid = testCharacterFile();
    const int length = int(qFromLittleEndian<quint32>(valid.constData() + 12));
    QJsonObject manifest = QJsonDocument::fromJson(valid.mid(16, length)).object();
    edit(manifest);
    const QByteArray json = QJsonDocument(manifest).toJson(QJsonDocument::Compact);
    return header(1, quint32(json.size())) + json + valid.mid(16 + length);
}

// The test character with a double-size picture, in magenta, for each.
CharacterSource doubleSizeSource()
{
    CharacterSource s = testCharacterSource(tinySize);
    s.doublePngs.fill(testPng(2 * tinySize, Qt::magenta), s.pngs.size());
    return s;
}

QByteArray withSource(const std::function<void(CharacterSource &)> &edit,
                      CharacterSource s = testCharacterSource(tinySize))
{
    edit(s);
    return testCharacterFile(s);
}

// The test file with `png` as its picture 2.
QByteArray withPicture(const QByteArray &png)
{
    return withSource([&](CharacterSource &s) { s.pngs[2] = png; });
}

// A row of TestCharacterFile::broken: the file and the reason it is refused
// for, or no reason and the picture 2 it loads with.
void row(const QString &name, const QByteArray &file, const QString &reason,
         const QByteArray &picture = {})
{
    QTest::newRow(qPrintable(name)) << file << reason << picture;
}

QImage decoded(const QByteArray &png, qreal ratio = 1)
{
    QImage image =
        QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

class TestCharacterFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<bool>("doubles");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<qreal>("expected");
        QTest::newRow("ordinary") << false << 1.0 << 1.0;
        QTest::newRow("ordinary, asked for double size") << false << 2.0 << 1.0;
        QTest::newRow("double-size, not asked for") << true << 1.0 << 1.0;
        QTest::newRow("double-size, ratio 1.5") << true << 1.5 << 2.0;
    }

    // The double-size pictures are decoded only when asked for, and paint
    // at the ordinary size; any picture can be decoded again from the data
    // kept. A file without them stays version 1, which older readers take.
    void roundTrip()
    {
        QFETCH(bool, doubles);
        QFETCH(qreal, ratio);
        QFETCH(qreal, expected);
        const CharacterSource s = doubles ? doubleSizeSource() : testCharacterSource(tinySize);
        const QByteArray bytes = testCharacterFile(s);
        QCOMPARE(int(bytes.at(8)), doubles ? 2 : 1);
        QString reason;
        const std::optional<CharacterData> c = characterfile::parse(bytes, &reason, ratio);
        QVERIFY2(c, qPrintable(reason));
        QCOMPARE(c->name + c->voice.name, s.name + s.voice.name);
        QCOMPARE(c->voice.rate, s.voice.rate);
        QCOMPARE(c->size(), tinySize);
        QCOMPARE(c->appear.size(), 2);
        QCOMPARE(c->appear.at(1).image, 1);
        QCOMPARE(c->idle.at(0).ms, 400);
        QCOMPARE(c->mouths.at(2).shape, QStringLiteral("open"));
        QCOMPARE(c->mouths.at(2).image, 4);
        QCOMPARE(c->images.size(), s.pngs.size());
        for (int i = 0; i < s.pngs.size(); ++i) {
            const QByteArray &png = expected == 2 ? s.doublePngs.at(i) : s.pngs.at(i);
            QCOMPARE(c->images.at(i), decoded(png, expected));
            QCOMPARE(c->decodeAgain(i), c->images.at(i));
        }
        // Loaded from a file, then the file removed: tst_desktopagent.
    }

    // Files refused, each with its reason. Each picture's chunks are walked
    // before a decoder sees any: a chunk that claims more bytes than follow,
    // a wrong checksum or a broken structure is refused; text, profiles and
    // the like are dropped, so nothing of them is inflated or kept. The rows
    // with no reason load.
    void broken_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("picture");
        row("a PNG, not a character", testPng(QSize(4, 4), Qt::red), "not a character file");
        row("newer version", header(3, 10) + QByteArray(10, '{'), "format version 3");
        row("manifest length absurd", header(1, 0xffffffffu) + "{}", "4294967295 bytes long");
        row("voice name climbs out", withManifest([](QJsonObject &o) {
                o["voice"] =
                    QJsonObject{{"name", "../../etc/passwd"}, {"rate", 165}, {"pitch", 50}};
            }),
            "not a valid voice name");
        row("picture length lies", withManifest([](QJsonObject &o) {
                o["images"] = QJsonArray{QJsonObject{{"length", 1000000}}};
            }),
            "ends early: picture 0 needs 1000000 bytes");

        row("picture declares a huge size", withPicture(pngDeclaring(100000, 100000)),
            "picture 2 is 100000 x 100000 pixels");
        const CharacterSource doubles = doubleSizeSource();
        row("double-size pictures count toward the pixels",
            withSource(
                [](CharacterSource &s) {
                    s.pngs.fill(pngDeclaring(600, 600));
                    s.doublePngs.fill(pngDeclaring(1200, 1200));
                },
                doubles),
            "9000000 pixels together");
        row("double-size picture of the wrong size",
            withSource(
                [](CharacterSource &s) {
                    s.doublePngs[1] = testPng({40, 60}, Qt::red);
                },
                doubles),
            "double-size picture 1 is 40 x 60 pixels; it must be twice picture 1's, 48 x 60");
        row("hostile double-size picture, not asked for",
            withSource([](CharacterSource &s) { s.doublePngs[3] = QByteArray(9, 'x'); }, doubles),
            "double-size picture 3 is not a PNG picture");

        // A chunk that claimed 2 GB made the decoder allocate 2 GB before
        // it found that only a few bytes follow.
        for (const char *type : {"tEXt", "zTXt", "iTXt", "sPLT", "iCCP", "eXIf", "IDAT"}) {
            row(QStringLiteral("%1 claims 2 GB").arg(type),
                withPicture(pngWith(be32(0x7fffffff) + type + QByteArray(16, 'x'))),
                QStringLiteral("picture 2 is damaged: its \"%1\" chunk runs past the end of "
                               "the picture (it declares 2147483647 bytes")
                    .arg(type));
        }
        const QByteArray png = testPng(tinySize, Qt::blue);
        const int idat = int(png.indexOf("IDAT")) - 4;
        row("cut short", withPicture(png.chopped(1)), "\"IEND\" chunk runs past the end");
        row("no end", withPicture(png.chopped(12)), "it ends without its end chunk");
        QByteArray flipped = png;
        flipped[idat + 10] = char(flipped[idat + 10] ^ 1);
        row("checksum wrong", withPicture(flipped), "its \"IDAT\" chunk's checksum is wrong");
        row("image data not compressed",
            withPicture(png.left(idat) + chunk("IDAT", "not deflated") + chunk("IEND", {})),
            "picture 2 is not a readable PNG picture");
        row("unknown critical chunk", withPicture(pngWith(chunk("QUIP", "x"))),
            "a critical chunk \"QUIP\" this program does not know");

        const QByteArray inflating = QByteArray("Comment\0\1\0\0\0", 12) +
                                     qCompress(QByteArray(4 << 20, 'a'), 9).mid(4); // raw zlib
        const QByteArray texts =
            pngWith(chunk("iTXt", inflating) + chunk("tEXt", QByteArray("T\0x", 3)));
        row("text inflating a thousandfold", withPicture(texts), {}, texts);
        // What drawing programs write comes through whole, and the decoder's
        // allocation limit fits each depth.
        QImage palette(tinySize, QImage::Format_Indexed8);
        palette.setColorTable({qRgba(0, 0, 0, 0), qRgba(200, 40, 40, 255), qRgba(9, 9, 9, 128)});
        for (qsizetype i = 0; i < palette.sizeInBytes(); ++i)
            palette.bits()[i] = uchar(i % 3);
        row("palette and transparency", withPicture(pngOf(palette)), {}, pngOf(palette));
        QImage deep(1024, 1024, QImage::Format_RGBA64);
        deep.fill(QColor(10, 20, 30, 40));
        row("16-bit RGBA, largest", withPicture(pngOf(deep)), {}, pngOf(deep));
    }

    void broken()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        QFETCH(QByteArray, picture);
        QString got;
        const std::optional<CharacterData> c = characterfile::parse(data, &got);
        if (!reason.isEmpty()) {
            QVERIFY(!c);
            QVERIFY2(got.contains(reason), qPrintable(QStringLiteral("reason was: ") + got));
            return;
        }
        QVERIFY2(c, qPrintable(got));
        QCOMPARE(c->images.at(2), decoded(picture));
        QCOMPARE(c->images.at(2).textKeys(), QStringList());
    }

    // Whatever a file is cut to, reading it fails with a reason.
    void everyPrefixFails()
    {
        const QByteArray valid = testCharacterFile();
        for (int n = 0; n < valid.size(); ++n) {
            QString reason;
            QVERIFY2(!characterfile::parse(valid.left(n), &reason), qPrintable(QString::number(n)));
            QVERIFY(!reason.isEmpty());
        }
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe.qchar")).constData(), 0600) == 0);
        QFile huge(dir.filePath("huge.qchar"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(characterfile::maxFileBytes + 1)); // sparse: costs no disk
        huge.close();
        const std::pair<const char *, const char *> cases[] = {
            {"missing.qchar", "it does not exist"},
            {"pipe.qchar", "not a regular file"},
            {"huge.qchar", "a character file may have at most"}};
        for (const auto &[name, reason] : cases) {
            const QString path = dir.filePath(name);
            QString error;
            QVERIFY(!characterfile::load(path, &error));
            QVERIFY2(error.contains('"' + path + '"') && error.contains(reason), qPrintable(error));
        }
    }
};

QTEST_GUILESS_MAIN(TestCharacterFile)
#include "tst_characterfile.moc"
