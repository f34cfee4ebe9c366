// The artwork the program loads: linked in as resources with the sizes and depths the windows
// expect, and the default character's frames as its manifest lists them.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

namespace {

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
    void windowIconHasSixteenColours();
    void characterFrames();
};

void TestArtwork::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("mascot") << ":/mascot.bmp" << QSize(215, 157);
    for (int n : {16, 32, 48, 64, 128, 256}) {
        const QString path = QString(":/icon-%1.png").arg(n);
        QTest::newRow(qPrintable(path)) << path << QSize(n, n);
    }
    QTest::newRow("mascot@2x") << ":/mascot@2x.png" << QSize(430, 314);
    QTest::newRow("loudspeaker.png") << ":/loudspeaker.png" << QSize(32, 32);
    QTest::newRow("loudspeaker@2x") << ":/loudspeaker@2x.png" << QSize(64, 64);
}

void TestArtwork::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), "not linked into the program's resources");
    const QImage image(path);
    QVERIFY2(!image.isNull(), "cannot be read");
    QCOMPARE(image.size(), size);
}

void TestArtwork::mascotIsTwentyFourBitBitmap()
{
    const QByteArray data = readAll(":/mascot.bmp");
    QVERIFY(data.size() >= 54);
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(int(qFromLittleEndian<quint16>(data.constData() + 28)), 24);
}

void TestArtwork::windowIconHasSixteenColours()
{
    const QImage icon(":/icon-32.png");
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY2(icon.colorCount() <= 16, qPrintable(QString::number(icon.colorCount())));
}

void TestArtwork::characterFrames()
{
    QFile manifest(characterDir + "/frames.txt");
    QVERIFY2(manifest.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(manifest.fileName()));

    QString name;
    QStringList files;
    for (const QByteArray &raw : manifest.readAll().split('\n')) {
        const QStringList f = QString::fromUtf8(raw).split(' ', Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        if (f[0] == "name")
            name = f.value(1);
        else if (f.size() == 3)
            files << (f[0] == "mouth" ? f[2] : f[1]);
        else
            QFAIL(qPrintable("bad line: " + QString::fromUtf8(raw)));
    }
    QCOMPARE(name, QString("Quornel"));
    QVERIFY(files.contains("idle.png"));

    QSize size;
    for (const QString &file : files) {
        const QImage frame(characterDir + "/" + file);
        QVERIFY2(!frame.isNull(), qPrintable(file));
        if (size.isEmpty())
            size = frame.size();
        QCOMPARE(frame.size(), size);
        QVERIFY2(frame.hasAlphaChannel(), qPrintable(file));
    }
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
