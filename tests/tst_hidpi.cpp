// SPDX-License-Identifier: MIT
// At a scale factor of 2 (the test runs with QT_SCALE_FACTOR=2) the
// pictures are drawn from their double-size versions, not pixel-doubled.

#include "support.h"

#include "speech/characterfile.h"

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void picturesForTheScreensDensity()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        TestProgram p;
        Form1 *main = p.start();
        const QPixmap mascot = child<Label>(main, "Picture")->pixmap();
        QCOMPARE(mascot.devicePixelRatio(), 2.0);
        QCOMPARE(mascot.size(), QSize(430, 314));
        QTRY_COMPARE(main->windowIcon().pixmap(32).size(), QSize(64, 64)); // once shown
        QString error;
        const auto character = characterfile::load(QStringLiteral(QUORNEL_CHARACTER), &error,
                                                   qApp->devicePixelRatio());
        QVERIFY2(character, qPrintable(error));
        QCOMPARE(character->images.first().devicePixelRatio(), 2.0);
        QCOMPARE(character->size(), QSize(128, 160));
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
