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

namespace {

quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char ch : data) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBE32(QByteArray &out, quint32 v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((v >> shift) & 0xff));
}

// A PNG that is only a correct header: it declares any size at all.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    appendBE32(ihdr, width);
    appendBE32(ihdr, height);
    ihdr.append("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA
    appendBE32(png, 13);
    png += ihdr;
    appendBE32(png, crc32(ihdr));
    png += QByteArray("\x00\x00\x00\x00IEND\xae\x42\x60\x82", 12);
    return png;
}

QByteArray header(quint32 version, quint32 manifestLength)
{
    QByteArray out(characterfile::magic, sizeof characterfile::magic);
    for (quint32 v : {version, manifestLength})
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xff));
    return out;
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

QByteArray withManifestText(const QByteArray &json, const QByteArray &pictures = {})
{
    return header(1, quint32(json.size())) + json + pictures;
}

QByteArray withSource(const std::function<void(CharacterSource &)> &edit)
{
    CharacterSource s = testCharacterSource();
    edit(s);
    QString reason;
    const std::optional<QByteArray> bytes = characterfile::write(s, &reason);
    if (!bytes)
        qFatal("test file not written: %s", qPrintable(reason));
    return *bytes;
}

void setPath(QJsonObject &o, const QString &key, const QString &sub, const QJsonValue &v)
{
    QJsonObject inner = o.value(key).toObject();
    inner[sub] = v;
    o[key] = inner;
}

void setFirst(QJsonObject &o, const QString &list, const QString &key, const QJsonValue &v)
{
    QJsonArray a = o.value(list).toArray();
    QJsonObject first = a.at(0).toObject();
    first[key] = v;
    a[0] = first;
    o[list] = a;
}

} // namespace

class TestCharacterFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip()
    {
        const CharacterSource source = testCharacterSource();
        QString reason;
        const std::optional<CharacterData> c = characterfile::parse(testCharacterFile(), &reason);
        QVERIFY2(c, qPrintable(reason));
        QCOMPARE(c->name, source.name);
        QCOMPARE(c->voice.name, source.voice.name);
        QCOMPARE(c->voice.rate, source.voice.rate);
        QCOMPARE(c->voice.pitch, source.voice.pitch);
        QCOMPARE(c->images.size(), source.pngs.size());
        QCOMPARE(c->size(), QSize(24, 30));
        QCOMPARE(c->appear.size(), 2);
        QCOMPARE(c->appear.at(1).image, 1);
        QCOMPARE(c->appear.at(1).ms, 30);
        QCOMPARE(c->idle.at(0).ms, 400);
        QCOMPARE(c->mouths.size(), 3);
        QCOMPARE(c->mouths.at(2).shape, QStringLiteral("open"));
        QCOMPARE(c->mouths.at(2).image, 4);
        // The pictures come back pixel for pixel.
        for (int i = 0; i < source.pngs.size(); ++i) {
            const QImage expected = QImage::fromData(source.pngs.at(i), "PNG")
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(c->images.at(i), expected);
        }
    }

    void broken_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");

        const QByteArray valid = testCharacterFile();

        QTest::newRow("empty") << QByteArray() << "it is empty";
        QTest::newRow("a PNG, not a character")
            << testPng(QSize(4, 4), Qt::red) << "not a character file";
        QTest::newRow("header cut short") << valid.left(11) << "within its header";
        QTest::newRow("newer version") << header(2, 10) + QByteArray(10, '{') << "format version 2";
        QTest::newRow("manifest length 0") << header(1, 0) << "must be from 1 to 65536";
        QTest::newRow("manifest length absurd") << header(1, 0xffffffffu) + "{}"
                                                << "4294967295 bytes long";
        QTest::newRow("manifest longer than file") << valid.left(100) << "the manifest needs";
        QTest::newRow("manifest not JSON") << withManifestText("{\"name\": ") << "not valid JSON";
        QTest::newRow("deeply nested manifest")
            << withManifestText(QByteArray(5000, '[') + QByteArray(5000, ']')) << "not valid JSON";

        QTest::newRow("no name") << withManifest([](QJsonObject &o) { o.remove("name"); })
                                 << "has no entry \"name\"";
        QTest::newRow("name a number")
            << withManifest([](QJsonObject &o) { o["name"] = 7; }) << "\"name\" must be a text";
        QTest::newRow("name empty")
            << withManifest([](QJsonObject &o) { o["name"] = ""; }) << "the name must be 1 to 64";
        QTest::newRow("voice a text") << withManifest([](QJsonObject &o) { o["voice"] = "en"; })
                                      << "\"voice\" must be an object";
        QTest::newRow("voice name climbs out")
            << withManifest([](QJsonObject &o) { setPath(o, "voice", "name", "../../etc/passwd"); })
            << "not a valid voice name";
        QTest::newRow("rate huge")
            << withManifest([](QJsonObject &o) { setPath(o, "voice", "rate", 1e300); })
            << "\"voice.rate\" must be a whole number from 80 to 450";

        QTest::newRow("images not a list")
            << withManifest([](QJsonObject &o) { o["images"] = QJsonObject(); })
            << "\"images\" must be a list";
        QTest::newRow("too many images") << withManifest([](QJsonObject &o) {
            QJsonArray a;
            for (int i = 0; i < 65; ++i)
                a.append(QJsonObject{{"length", 1}});
            o["images"] = a;
        }) << "from 1 to 64 items, not 65";
        QTest::newRow("picture length lies")
            << withManifest([](QJsonObject &o) { setFirst(o, "images", "length", 1000000); })
            << "ends early: picture 0 needs 1000000 bytes";
        QTest::newRow("bytes after the pictures") << valid + "tail"
                                                  << "4 bytes follow";

        QTest::newRow("frame names a missing picture")
            << withManifest([](QJsonObject &o) { setFirst(o, "appear", "image", 5); })
            << "\"appear[0].image\" must be a whole number from 0 to 4";

        QTest::newRow("picture not a PNG")
            << withSource([](CharacterSource &s) { s.pngs[0] = QByteArray(100, 'x'); })
            << "picture 0 is not a PNG picture";
        QTest::newRow("picture declares a huge size")
            << withSource([](CharacterSource &s) { s.pngs[1] = pngHeaderOnly(100000, 100000); })
            << "picture 1 is 100000 x 100000 pixels";
        QTest::newRow("pictures too many pixels together") << withSource([](CharacterSource &s) {
            for (QByteArray &png : s.pngs)
                png = pngHeaderOnly(1024, 1024);
            for (int i = 0; i < 4; ++i)
                s.pngs.append(pngHeaderOnly(1024, 1024));
        }) << "9437184 pixels together";
        QTest::newRow("picture cut short") << withSource([](CharacterSource &s) {
            s.pngs[2] = s.pngs[2].left(s.pngs[2].size() / 2);
        }) << "picture 2 is not a readable PNG picture";
    }

    void broken()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        QString got;
        QVERIFY(!characterfile::parse(data, &got));
        QVERIFY2(got.contains(reason), qPrintable(QStringLiteral("reason was: ") + got));
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

    void fileErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.qchar"
                                 << "it does not exist";
        QTest::newRow("folder") << "folder.qchar"
                                << "it is a folder";
        QTest::newRow("pipe") << "pipe.qchar"
                              << "not a regular file";
        QTest::newRow("huge") << "huge.qchar"
                              << "a character file may have at most";
        QTest::newRow("empty") << "empty.qchar"
                               << "it is empty";
        QTest::newRow("text") << "notes.qchar"
                              << "not a character file";
    }

    void fileErrors()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir("folder.qchar"));
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe.qchar")).constData(), 0600) == 0);
        QFile huge(dir.filePath("huge.qchar"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(characterfile::maxFileBytes + 1)); // sparse: costs no disk
        huge.close();
        QFile empty(dir.filePath("empty.qchar"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QFile text(dir.filePath("notes.qchar"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("Click here to rename text.\n");
        text.close();

        const QString path = dir.filePath(name);
        QString error;
        QVERIFY(!characterfile::load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("\"%1\"").arg(path)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void writerRefusesBadSources_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no pictures") << 0 << "1 to 64 pictures";
        QTest::newRow("frame past the pictures") << 1 << "refers to picture 9";
        QTest::newRow("bad voice") << 2 << "not a valid voice name";
        QTest::newRow("rate too low") << 3 << "voice rate must be from 80 to 450";
    }

    void writerRefusesBadSources()
    {
        QFETCH(int, which);
        QFETCH(QString, reason);
        CharacterSource s = testCharacterSource();
        switch (which) {
        case 0:
            s.pngs.clear();
            break;
        case 1:
            s.idle[0].image = 9;
            break;
        case 2:
            s.voice.name = QStringLiteral("en us");
            break;
        case 3:
            s.voice.rate = 10;
            break;
        }
        QString got;
        QVERIFY(!characterfile::write(s, &got));
        QVERIFY2(got.contains(reason), qPrintable(got));
    }
};

QTEST_GUILESS_MAIN(TestCharacterFile)
#include "tst_characterfile.moc"
