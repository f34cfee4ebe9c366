// SPDX-License-Identifier: MIT
// The speaking character as the main window uses it: loaded from a file,
// looked up in any letter case, shown and speaking, one request after the
// other, with its words in a balloon.

#include "testcharacter.h"

#include "platform/prompts.h"
#include "speech/characterwindow.h"
#include "speech/desktopagent.h"
#include "speech/desktopcharacter.h"
#include "speech/voiceengine.h"

#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class RecordingPrompts : public Prompts {
public:
    void message(const QString &text) override { messages << text; }
    QStringList messages;
};

} // namespace

class TestDesktopAgent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_voice = std::make_unique<VoiceEngine>();
        SpeechEngine::provide(m_voice.get());
    }
    void cleanupTestCase()
    {
        SpeechEngine::provide(nullptr);
        m_voice.reset();
    }

    void init()
    {
        m_path = m_dir.filePath("tiny.qchar");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testCharacterFile());
        m_prompts.messages.clear();
        m_agent = std::make_unique<DesktopAgent>(m_prompts);
    }
    void cleanup() { m_agent.reset(); }

    // Looked up in any letter case; a failed load under a taken id says
    // why and leaves no character there.
    void lookupAndLoadFailures()
    {
        AgentCharacters &characters = m_agent->Characters();
        QVERIFY(!characters.Character("my character"));
        characters.Load("my Character", m_path);
        AgentCharacter *c = characters.Character("my character");
        QVERIFY(c);
        QCOMPARE(characters.Character("MY CHARACTER"), c);
        QVERIFY(!characters.Character("my character2"));
        QVERIFY(m_prompts.messages.isEmpty());
        const QString damaged = m_dir.filePath("damaged.qchar");
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testCharacterFile().left(300));
        file.close();
        characters.Load("MY CHARACTER", damaged);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages[0].contains(damaged) &&
                     m_prompts.messages[0].contains("ends early"),
                 qPrintable(m_prompts.messages[0]));
        QVERIFY(!characters.Character("my character"));
    }

    // Requests return at once and run in order; speaking shows the
    // character first; the balloon keeps the note's lines and marks each
    // word as it is spoken; the window takes the mouse only on what it
    // shows.
    void speaking()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy idle(c, &DesktopCharacter::idle);
        QStringList spoken, highlighted, lines;
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &word) {
            spoken << word;
            highlighted << w->highlightedWord();
            if (word == QLatin1String("milk"))
                lines = w->balloonLines();
        });

        const QString note = QStringLiteral("Dentist at noon\nBuy milk");
        c->Speak(note);
        c->Speak(QStringLiteral("three"));
        QVERIFY(!w->isVisible() && appeared.isEmpty()); // only queued
        QVERIFY(idle.wait(20000));

        QCOMPARE(appeared.size(), 1);
        QCOMPARE(started.size(), 2);
        QCOMPARE(spoken, QStringList({"Dentist", "at", "noon", "Buy", "milk", "three"}));
        QCOMPARE(highlighted, spoken);
        QCOMPARE(lines, QStringList({"Dentist at noon", "Buy milk"}));
        QVERIFY(m_prompts.messages.isEmpty());

        // The empty corner above the character lets clicks through; its
        // body and the balloon take them.
        QVERIFY(w->isBalloonShown());
        QVERIFY(w->inputShape().contains(w->balloonRect().center()));
        QVERIFY(w->inputShape().contains(w->characterRect().center()));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBalloonShown(), DesktopCharacter::balloonLingerMs + 5000);
        QVERIFY(!w->inputShape().contains(QPoint(2, 2)));
        QVERIFY(w->inputShape().contains(w->characterRect().center()));
        // It stays until the program ends.
        QVERIFY(!w->close());
    }

    // "Hide" from its menu puts the character away mid-reading:
    // silent, gone, the queue dropped. The next reading shows it again, whole.
    void putAwayFromItsMenu()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        c->Speak(QStringLiteral("one two three four five six seven eight nine ten"));
        c->Speak(QStringLiteral("dropped"));
        QVERIFY(started.wait(20000));
        QAction *hide = w->findChild<QMenu *>()->actions().constFirst();
        QCOMPARE(hide->text(), QStringLiteral("Hide"));
        hide->trigger();
        QVERIFY(!w->isVisible());
        c->Speak(QStringLiteral("back again"));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.constFirst().constFirst(), QVariant("back again"));
        QVERIFY(appeared.size() == 2 && started.size() == 2 && w->isVisible());
        QTRY_VERIFY(c->children().isEmpty()); // no speech left behind
        // The pictures it gave back while away are drawn again, from the
        // data it keeps, whatever became of its file meanwhile.
        auto drawsItself = [w] {
            const QImage drawn = w->grab(w->characterRect()).toImage();
            int opaque = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x)
                    opaque += qAlpha(drawn.pixel(x, y)) == 255;
            return opaque > drawn.width();
        };
        QVERIFY(drawsItself());
        hide->trigger();
        QVERIFY(QFile::remove(m_path));
        c->Speak(QStringLiteral("still here"));
        QVERIFY(started.wait(20000));
        QVERIFY(w->isVisible() && drawsItself());
        QVERIFY(finished.wait(20000));
    }

private:
    DesktopCharacter *loaded()
    {
        m_agent->Characters().Load("my Character", m_path);
        return m_agent->character("my character");
    }

    std::unique_ptr<VoiceEngine> m_voice;
    QTemporaryDir m_dir;
    QString m_path;
    RecordingPrompts m_prompts;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestDesktopAgent)
#include "tst_desktopagent.moc"
