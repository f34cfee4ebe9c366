// SPDX-License-Identifier: MIT
// The speaking character as the main window uses it: loaded from a file,
// looked up in any letter case, shown and speaking, one request after the
// other, with its words in a balloon.

#include "testcharacter.h"

#include "platform/prompts.h"
#include "speech/charactermenu.h"
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

// The voice, with what it was asked to say and how.
class RecordingEngine : public SpeechEngine {
public:
    explicit RecordingEngine(SpeechEngine &voice) : m_voice(voice) {}
    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override
    {
        texts << text;
        voices << QStringLiteral("%1 %2 %3").arg(voice.name).arg(voice.rate).arg(voice.pitch);
        return m_voice.speak(text, voice, parent);
    }
    QStringList texts;
    QStringList voices; // "name rate pitch"

private:
    SpeechEngine &m_voice;
};

QAction *item(QMenu *menu, const char *name)
{
    return menu->findChild<QAction *>(QLatin1String(name));
}

QStringList texts(const QList<QAction *> &items)
{
    QStringList all;
    for (const QAction *a : items)
        all << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return all;
}

} // namespace

class TestDesktopAgent : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_voice = std::make_unique<VoiceEngine>();
        m_engine = std::make_unique<RecordingEngine>(*m_voice);
        SpeechEngine::provide(m_engine.get());
    }
    void cleanupTestCase()
    {
        SpeechEngine::provide(nullptr);
        m_engine.reset();
        m_voice.reset();
    }

    void init()
    {
        m_path = m_dir.filePath("tiny.qchar");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testCharacterFile());
        m_prompts.messages.clear();
        m_engine->texts.clear();
        m_engine->voices.clear();
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
        QAction *hide = w->menu()->actions().constFirst();
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

    // The menu: "Hide", then what stops and pauses a reading (only while
    // there is one), the languages by their own names after "Same as the
    // Interface", the speeds, and staying on the desktop, checked as chosen.
    // A choice made there is applied and handed to whoever keeps it.
    void theMenu()
    {
        QList<ReadingChoices> kept;
        m_agent->keepChoicesWith(this, [&](const ReadingChoices &c) { kept << c; });
        DesktopCharacter *c = loaded();
        CharacterMenu *menu = c->window()->menu();
        QCOMPARE(texts(menu->actions()), QStringList({"Hide", "-", "Stop", "Pause", "Resume", "-",
                                                      "Language", "Speed", "Stay on the Desktop"}));
        QVERIFY(!item(menu, "Stop")->isEnabled() && !item(menu, "Pause")->isEnabled());
        QVERIFY(item(menu, "Pause")->isVisible() && !item(menu, "Resume")->isVisible());
        QVERIFY(item(menu, "Stay")->isChecked());

        auto *speed = menu->findChild<QMenu *>(QStringLiteral("Speed"));
        QCOMPARE(texts(speed->actions()),
                 QStringList({"50%", "75%", "100%", "125%", "150%", "200%"}));
        QCOMPARE(speed->actions().at(2)->isChecked(), true);
        auto *language = menu->findChild<QMenu *>(QStringLiteral("Language"));
        emit language->aboutToShow();
        const QList<QAction *> languages = language->actions();
        QCOMPARE(languages.constFirst()->text(), QStringLiteral("Same as the Interface"));
        QVERIFY(languages.constFirst()->isChecked());
        QHash<QString, QString> tags;
        for (const QAction *a : languages)
            tags.insert(a->text(), a->data().toString());
        QCOMPARE(tags.value("Deutsch"), QStringLiteral("de"));
        QCOMPARE(tags.value("français"), QStringLiteral("fr"));
        QCOMPARE(tags.value("British English (Scotland)"), QStringLiteral("en-GB-scotland"));
        QVERIFY(languages.size() > 50 && tags.size() == languages.size()); // all named apart

        speed->actions().at(4)->trigger();
        for (QAction *a : languages) {
            if (a->text() == QLatin1String("Deutsch"))
                a->trigger();
        }
        item(menu, "Stay")->trigger();
        const ReadingChoices chosen{QStringLiteral("de"), 150, false};
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept.constLast(), chosen);
        QCOMPARE(c->choices(), chosen);
        QVERIFY(speed->actions().at(4)->isChecked() && !item(menu, "Stay")->isChecked());
        // Chosen elsewhere (by the program that keeps them): shown so.
        m_agent->setChoices({});
        QVERIFY(languages.constFirst()->isChecked() && speed->actions().at(2)->isChecked());
        QVERIFY(item(menu, "Stay")->isChecked() && kept.size() == 3);
    }

    // The character's own voice reads in the chosen language, keeping its
    // variant and pitch, at the chosen part of its rate; a reading under
    // way goes on from its word in the new voice, and one queued is made
    // again.
    void theVoiceReadsAsChosen()
    {
        CharacterSource source = testCharacterSource();
        source.voice = {QStringLiteral("en+m3"), 160, 40};
        QString why;
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(*characterfile::write(source, &why));
        file.close();
        DesktopCharacter *c = loaded();
        QStringList spoken;
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &w) { spoken << w; });
        const QString text = QStringLiteral("one two three four five six seven eight nine ten");
        c->Speak(text);
        QCOMPARE(m_engine->voices.constLast(), QStringLiteral("en+m3 160 40"));
        c->setChoices({QStringLiteral("fr-BE"), 50, true});
        QCOMPARE(m_engine->voices.constLast(), QStringLiteral("fr-BE+m3 80 40"));
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() == 3, 20000);
        c->Speak(QStringLiteral("queued"));
        c->setChoices({QStringLiteral("de"), 200, true});
        QCOMPARE(m_engine->texts.mid(m_engine->texts.size() - 2),
                 QStringList({"queued", "three four five six seven eight nine ten"}));
        QCOMPARE(m_engine->voices.mid(m_engine->voices.size() - 2),
                 QStringList({"de+m3 320 40", "de+m3 320 40"}));
        QSignalSpy idle(c, &DesktopCharacter::idle);
        QVERIFY(idle.wait(20000));
        QCOMPARE(spoken.join(' '), QStringLiteral("one two three three four five six seven eight "
                                                  "nine ten queued"));
    }

    // "Stop" ends the reading at once, drops those queued behind it and
    // closes the balloon; the character stays. "Pause" holds the reading
    // at the word the balloon shows and "Resume" goes on from there.
    void stopAndPause()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        CharacterMenu *menu = w->menu();
        QStringList spoken;
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy idle(c, &DesktopCharacter::idle);
        const QString text = QStringLiteral("one two three four five six seven eight nine ten");
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &word) {
            spoken << word;
            // As the words are heard.
            if (word == QLatin1String("four") && spoken.size() == 4)
                item(menu, "Pause")->trigger();
            if (word == QLatin1String("six"))
                item(menu, "Stop")->trigger();
        });
        c->Speak(text);
        c->Speak(QStringLiteral("never said"));
        QTRY_VERIFY_WITH_TIMEOUT(c->isPaused(), 20000);
        QCOMPARE(w->highlightedWord(), QStringLiteral("four"));
        QVERIFY(w->isBalloonShown());
        QVERIFY(item(menu, "Resume")->isVisible() && !item(menu, "Pause")->isVisible());
        QVERIFY(item(menu, "Stop")->isEnabled());
        QTest::qWait(600); // time in which it would say several words
        QCOMPARE(spoken.size(), 4);
        QTRY_VERIFY(c->findChildren<Speech *>().size() == 1); // only the one queued
        item(menu, "Resume")->trigger();
        QCOMPARE(m_engine->texts.constLast(), QStringLiteral("four five six seven eight nine ten"));

        QVERIFY(idle.wait(20000));
        QCOMPARE(spoken.join(' '), QStringLiteral("one two three four four five six"));
        QVERIFY(!w->isBalloonShown() && !c->isPaused() && w->isVisible());
        QTest::qWait(DesktopCharacter::pauseBetweenReadingsMs + 200);
        QCOMPARE(started.size(), 1);
        QCOMPARE(spoken.size(), 7);
        QTRY_VERIFY(c->findChildren<Speech *>().isEmpty());
        QVERIFY(!item(menu, "Stop")->isEnabled() && !item(menu, "Pause")->isEnabled());
        // Stopped while paused, too.
        c->Speak(text);
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 9, 20000);
        c->pause();
        c->Stop();
        QVERIFY(!c->isPaused() && !w->isBalloonShown());
        QVERIFY(idle.wait(5000));
    }

    // Not staying on the desktop, the character goes away a few seconds
    // after its reading and comes back with the next.
    void notStaying()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        m_agent->setChoices({QString(), 200, false});
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        c->Speak(QStringLiteral("short"));
        QVERIFY(finished.wait(20000));
        QVERIFY(w->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), DesktopCharacter::awayAfterMs + 3000);
        c->Speak(QStringLiteral("again"));
        QVERIFY(finished.wait(20000));
        QCOMPARE(appeared.size(), 2);
        // Put to staying meanwhile, it stays.
        m_agent->setChoices({});
        QTest::qWait(DesktopCharacter::awayAfterMs + 500);
        QVERIFY(w->isVisible());
    }

private:
    DesktopCharacter *loaded()
    {
        m_agent->Characters().Load("my Character", m_path);
        return m_agent->character("my character");
    }

    std::unique_ptr<VoiceEngine> m_voice;
    std::unique_ptr<RecordingEngine> m_engine;
    QTemporaryDir m_dir;
    QString m_path;
    RecordingPrompts m_prompts;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestDesktopAgent)
#include "tst_desktopagent.moc"
