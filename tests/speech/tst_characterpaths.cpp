#include "speech/characterfile.h"
#include "speech/characterpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

// Run from the build tree, the default character is the one built there;
// copied into an installed prefix's bin/, it is the installed one
// (QUORNEL_EXPECT_CHARACTER names it).
class TestCharacterPaths : public QObject {
    Q_OBJECT

private slots:
    void defaultCharacterIsFound()
    {
        QString expected = qEnvironmentVariable("QUORNEL_EXPECT_CHARACTER");
        if (expected.isEmpty())
            expected = QStringLiteral(QUORNEL_BUILD_DIR "/characters/quornel.qchar");
        const QString path = defaultCharacterPath();
        QVERIFY(QFileInfo(path).isAbsolute());
        QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(expected).canonicalFilePath());
        QCOMPARE(charactersFolder(), QFileInfo(path).absolutePath());
    }

    void defaultCharacterIsQuornel()
    {
        QString error;
        const std::optional<CharacterData> c = characterfile::load(defaultCharacterPath(), &error);
        QVERIFY2(c, qPrintable(error));
        QCOMPARE(c->name, QStringLiteral("Quornel"));
        QVERIFY(!c->appear.isEmpty());
        QVERIFY(c->mouths.size() >= 3);
    }
};

QTEST_GUILESS_MAIN(TestCharacterPaths)
#include "tst_characterpaths.moc"
