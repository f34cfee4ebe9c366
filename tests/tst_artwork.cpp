// The artwork the program loads: linked into the library as resources, of the sizes and depths
// the windows expect, and the main window's text areas light enough for navy text. Also the
// default character's frames, as listed in their manifest.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

// Relative luminance and contrast ratio as used for text legibility.
double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct IcoEntry {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0; // from the image's own header, not the directory
};

// The images of an icon file as the file itself describes them.
QList<IcoEntry> icoEntries(const QByteArray &data)
{
    QList<IcoEntry> entries;
    if (data.size() < 6 || qFromLittleEndian<quint16>(data.constData() + 2) != 1)
        return entries;
    const int count = qFromLittleEndian<quint16>(data.constData() + 4);
    for (int i = 0; i < count; ++i) {
        const int at = 6 + 16 * i;
        if (data.size() < at + 16)
            return {};
        const quint32 offset = qFromLittleEndian<quint32>(data.constData() + at + 12);
        if (quint32(data.size()) < offset + 40)
            return {};
        const char *dib = data.constData() + offset;
        IcoEntry e;
        e.width = qFromLittleEndian<qint32>(dib + 4);
        e.height = qFromLittleEndian<qint32>(dib + 8) / 2; // colour rows and mask rows
        e.bitsPerPixel = qFromLittleEndian<quint16>(dib + 14);
        entries.append(e);
    }
    return entries;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString characterDir = QStringLiteral(QUORNEL_SOURCE_DIR "/resources/characters/quornel");

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void mascotIsTwentyFourBitBitmap();
    void iconFiles_data();
    void iconFiles();
    void textAreasReadWell_data();
    void textAreasReadWell();
    void characterFrames();
};

void TestArtwork::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    QTest::newRow("mascot") << ":/mascot.bmp" << QSize(215, 157) << false;
    for (int n : {16, 32, 48, 64, 128, 256}) {
        const QString path = QString(":/icon-%1.png").arg(n);
        QTest::newRow(qPrintable(path)) << path << QSize(n, n) << true;
    }
    QTest::newRow("icon.ico") << ":/icon.ico" << QSize(32, 32) << true;
    QTest::newRow("loudspeaker.ico") << ":/loudspeaker.ico" << QSize(32, 32) << true;
    QTest::newRow("loudspeaker.png") << ":/loudspeaker.png" << QSize(32, 32) << true;
}

void TestArtwork::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    QVERIFY2(QFile::exists(path), "not linked into the program's resources");
    const QImage image(path);
    QVERIFY2(!image.isNull(), "cannot be read");
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
    if (transparent) {
        // A picture on a clear ground: the corner shows through, the middle does not.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(argb.pixel(0, size.height() - 1)), 0);
        QCOMPARE(qAlpha(argb.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}

void TestArtwork::mascotIsTwentyFourBitBitmap()
{
    const QByteArray data = readAll(":/mascot.bmp");
    QVERIFY(data.size() >= 54);
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<qint32>(data.constData() + 18), 215);
    QCOMPARE(qFromLittleEndian<qint32>(data.constData() + 22), 157);
    QCOMPARE(int(qFromLittleEndian<quint16>(data.constData() + 28)), 24);
}

void TestArtwork::iconFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("depths");

    QTest::newRow("window icon") << ":/icon.ico" << QList<int>{4};
    QTest::newRow("loudspeaker") << ":/loudspeaker.ico" << QList<int>{1, 4};
}

void TestArtwork::iconFiles()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, depths);

    const QList<IcoEntry> entries = icoEntries(readAll(path));
    QCOMPARE(entries.size(), depths.size());
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), depths.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].width, 32);
        QCOMPARE(entries[i].height, 32);
        QCOMPARE(entries[i].bitsPerPixel, depths[i]);
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(32, 32));
        // The mask makes part of every image clear, and leaves part of it drawn.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        int clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                clear += qAlpha(argb.pixel(x, y)) == 0;
        QVERIFY2(clear > 100 && clear < 1000, qPrintable(QString::number(clear)));
    }
}

void TestArtwork::textAreasReadWell_data()
{
    QTest::addColumn<QRect>("area");

    // Where the main window lays its labels on the picture.
    QTest::newRow("note") << QRect(80, 8, 129, 121);
    QTest::newRow("clock") << QRect(8, 8, 57, 25);
}

void TestArtwork::textAreasReadWell()
{
    QFETCH(QRect, area);

    const QImage picture = QImage(":/mascot.bmp").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!picture.isNull());
    const QRgb navy = qRgb(0x14, 0x28, 0x50); // the default text colour
    double worst = 100.0;
    QPoint where;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double c = contrast(navy, picture.pixel(x, y));
            if (c < worst) {
                worst = c;
                where = QPoint(x, y);
            }
        }
    // Seven to one is the contrast asked of small body text.
    QVERIFY2(
        worst >= 7.0,
        qPrintable(QString("contrast %1 at (%2, %3)").arg(worst).arg(where.x()).arg(where.y())));
}

void TestArtwork::characterFrames()
{
    QFile manifest(characterDir + "/frames.txt");
    QVERIFY2(manifest.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(manifest.fileName()));

    QString name;
    int appearing = 0;
    QMap<QString, QString> mouths; // shape -> file
    QStringList files;
    for (const QByteArray &raw : manifest.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(raw).split(' ', Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        const QString &kind = f[0];
        if (kind == "name") {
            QCOMPARE(f.size(), 2);
            name = f[1];
        } else if (kind == "appear" || kind == "idle" || kind == "blink") {
            QCOMPARE(f.size(), 3);
            bool ok = false;
            const int ms = f[2].toInt(&ok);
            QVERIFY2(ok && ms >= 0, qPrintable(QString::fromUtf8(raw)));
            if (kind == "appear") {
                QVERIFY(ms > 0);
                ++appearing;
            }
            files << f[1];
        } else if (kind == "mouth") {
            QCOMPARE(f.size(), 3);
            mouths.insert(f[1], f[2]);
            files << f[2];
        } else {
            QFAIL(qPrintable("unknown line: " + QString::fromUtf8(raw)));
        }
    }
    QCOMPARE(name, QString("Quornel"));
    QVERIFY(appearing >= 6);
    QVERIFY(files.contains("idle.png"));
    QCOMPARE(QStringList(mouths.keys()), (QStringList{"closed", "half", "round", "wide"}));

    QSize size;
    for (const QString &file : files) {
        const QImage frame(characterDir + "/" + file);
        QVERIFY2(!frame.isNull(), qPrintable(file));
        if (size.isEmpty())
            size = frame.size();
        QCOMPARE(frame.size(), size);
        QVERIFY2(frame.hasAlphaChannel(), qPrintable(file));
        QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
    }
    QVERIFY(size.width() >= 64 && size.height() >= 64);

    // Every mouth shape is a picture of its own.
    QSet<QByteArray> seen;
    for (const QString &file : mouths) {
        const QImage frame =
            QImage(characterDir + "/" + file).convertToFormat(QImage::Format_ARGB32);
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(frame.constBits()), frame.sizeInBytes()));
    }
    QCOMPARE(seen.size(), mouths.size());
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
