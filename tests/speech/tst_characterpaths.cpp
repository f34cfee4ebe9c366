#include "speech/characterfile.h"
#include "speech/characterpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

// Run from an installed prefix's bin/ (QUORNEL_EXPECT_CHARACTER names what
// it should find): the bundled character is found from the program's place,
// also when the store names it at a place that is gone.
class TestCharacterPaths : public QObject {
    Q_OBJECT

private slots:
    void theInstalledCharacterIsFound()
    {
        const QString expected = qEnvironmentVariable("QUORNEL_EXPECT_CHARACTER");
        QVERIFY(!expected.isEmpty());
        QCOMPARE(QFileInfo(defaultCharacterPath()).canonicalFilePath(),
                 QFileInfo(expected).canonicalFilePath());
        QCOMPARE(QFileInfo(findCharacter(QStringLiteral("/gone/build/characters/quornel.qchar")))
                     .canonicalFilePath(),
                 QFileInfo(expected).canonicalFilePath());
        QCOMPARE(findCharacter(QStringLiteral("/gone/mine.qchar")),
                 QStringLiteral("/gone/mine.qchar"));
        QString error;
        const std::optional<CharacterData> c = characterfile::load(defaultCharacterPath(), &error);
        QVERIFY2(c, qPrintable(error));
        QCOMPARE(c->name, QStringLiteral("Quornel"));
    }
};

QTEST_GUILESS_MAIN(TestCharacterPaths)
#include "tst_characterpaths.moc"
