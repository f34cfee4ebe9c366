// SPDX-License-Identifier: MIT
// The speaking character as the main window uses it: loaded from a file,
// looked up in any letter case, speaking one request after the other, and
// its menu.

#include "testcharacter.h"

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

const QString tenWords = QStringLiteral("one two three four five six seven eight nine ten");

QAction *item(QMenu *menu, const char *name)
{
    return menu->findChild<QAction *>(QLatin1String(name));
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
        QVERIFY(writeFile(m_path, testCharacterFile()));
        m_prompts.messages.clear();
        m_spoken.clear();
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
        QVERIFY(writeFile(damaged, testCharacterFile().left(300)));
        characters.Load("MY CHARACTER", damaged);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages[0].contains(damaged) &&
                     m_prompts.messages[0].contains("ends early"),
                 qPrintable(m_prompts.messages[0]));
        QVERIFY(!characters.Character("my character"));
    }

    // Requests return at once and run in order; speaking shows the
    // character first; the balloon keeps the note's lines and marks each
    // word as it is spoken. (That the rest lets the mouse through once the
    // balloon has gone is seen on a real desktop: tests/e2e/test_speech.sh.)
    void speakingAndPutAway()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy idle(c, &DesktopCharacter::idle);
        QStringList highlighted, lines;
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &word) {
            highlighted << w->highlightedWord();
            if (word == QLatin1String("milk"))
                lines = w->balloonLines();
        });

        c->Speak(QStringLiteral("Dentist at noon\nBuy milk"));
        c->Speak(QStringLiteral("three"));
        QVERIFY(!w->isVisible() && appeared.isEmpty()); // only queued
        QVERIFY(idle.wait(20000));
        QCOMPARE(appeared.size(), 1);
        QCOMPARE(started.size(), 2);
        QCOMPARE(m_spoken, QStringList({"Dentist", "at", "noon", "Buy", "milk", "three"}));
        QCOMPARE(highlighted, m_spoken);
        QCOMPARE(lines, QStringList({"Dentist at noon", "Buy milk"}));
        QVERIFY(m_prompts.messages.isEmpty());
        QVERIFY(w->isBalloonShown());
        QVERIFY(w->inputShape().contains(w->balloonRect().center())); // it takes clicks
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBalloonShown(), DesktopCharacter::balloonLingerMs + 5000);
        QVERIFY(!w->close()); // it stays until the program ends

        // "Hide" from its menu puts it away mid-reading: silent, gone, the
        // queue dropped. The next reading shows it again, whole, its pictures
        // drawn from the data it keeps, whatever became of its file.
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        c->Speak(tenWords);
        c->Speak(QStringLiteral("dropped"));
        QVERIFY(started.wait(20000));
        QAction *hide = w->menu()->actions().constFirst();
        QCOMPARE(hide->text(), QStringLiteral("Hide"));
        hide->trigger();
        QVERIFY(!w->isVisible());
        QVERIFY(QFile::remove(m_path));
        c->Speak(QStringLiteral("back again"));
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.constFirst().constFirst(), QVariant("back again"));
        QVERIFY(appeared.size() == 2 && started.size() == 4 && w->isVisible());
        const QRect r = w->characterRect();
        QCOMPARE(qAlpha(w->grab(r).toImage().pixel(r.width() / 2, r.height() / 2)), 255);
        QTRY_VERIFY(c->children().isEmpty()); // no speech left behind
    }

    // The menu: what stops and pauses a reading (only while there is one),
    // the languages by their own names after "Same as the Interface", the
    // speeds, and staying on the desktop, checked as chosen. A choice made
    // there is applied and handed to whoever keeps it.
    void theMenu()
    {
        QList<ReadingChoices> kept;
        m_agent->keepChoicesWith(this, [&](const ReadingChoices &c) { kept << c; });
        DesktopCharacter *c = loaded();
        CharacterMenu *menu = c->window()->menu();
        QVERIFY(!item(menu, "Stop")->isEnabled() && !item(menu, "Pause")->isEnabled());
        QVERIFY(item(menu, "Pause")->isVisible() && !item(menu, "Resume")->isVisible());
        QVERIFY(item(menu, "Stay")->isChecked());

        auto *speed = menu->findChild<QMenu *>(QStringLiteral("Speed"));
        QCOMPARE(speed->actions().at(2)->text(), QStringLiteral("100%"));
        QVERIFY(speed->actions().at(2)->isChecked());
        auto *language = menu->findChild<QMenu *>(QStringLiteral("Language"));
        emit language->aboutToShow();
        const QList<QAction *> languages = language->actions();
        QCOMPARE(languages.constFirst()->text(), QStringLiteral("Same as the Interface"));
        QVERIFY(languages.constFirst()->isChecked());
        QHash<QString, QAction *> byName;
        for (QAction *a : languages)
            byName.insert(a->text(), a);
        QVERIFY(languages.size() > 50 && byName.size() == languages.size()); // all named apart
        QCOMPARE(byName.value("British English (Scotland)")->data(), QVariant("en-GB-scotland"));
        QCOMPARE(byName.value("Deutsch")->data(), QVariant("de"));

        speed->actions().at(4)->trigger();
        byName.value("Deutsch")->trigger();
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

    // A choice reaches the character's own voice (the rules of that are
    // tst_voice's): a reading under way goes on from its word in the new
    // voice, and one queued is made again.
    void theVoiceReadsAsChosen()
    {
        CharacterSource source = testCharacterSource();
        source.voice = {QStringLiteral("en+m3"), 160, 40};
        QVERIFY(writeFile(m_path, testCharacterFile(source)));
        DesktopCharacter *c = loaded();
        c->Speak(tenWords);
        QCOMPARE(m_engine->voices.constLast(), QStringLiteral("en+m3 160 40"));
        QTRY_VERIFY_WITH_TIMEOUT(m_spoken.size() == 3, 20000);
        c->Speak(QStringLiteral("queued"));
        c->setChoices({QStringLiteral("de"), 200, true});
        QCOMPARE(m_engine->texts.mid(m_engine->texts.size() - 2),
                 QStringList({"queued", "three four five six seven eight nine ten"}));
        QCOMPARE(m_engine->voices.mid(m_engine->voices.size() - 2),
                 QStringList({"de+m3 320 40", "de+m3 320 40"}));
        QSignalSpy idle(c, &DesktopCharacter::idle);
        QVERIFY(idle.wait(20000));
        QCOMPARE(m_spoken.join(' '), QStringLiteral("one two three three four five six seven eight "
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
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy idle(c, &DesktopCharacter::idle);
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &word) {
            // As the words are heard (this runs after m_spoken takes the word).
            if (word == QLatin1String("four") && m_spoken.size() == 4)
                item(menu, "Pause")->trigger();
            if (word == QLatin1String("six"))
                item(menu, "Stop")->trigger();
        });
        c->Speak(tenWords);
        c->Speak(QStringLiteral("never said"));
        QTRY_VERIFY_WITH_TIMEOUT(c->isPaused(), 20000);
        QCOMPARE(w->highlightedWord(), QStringLiteral("four"));
        QVERIFY(w->isBalloonShown());
        QVERIFY(item(menu, "Resume")->isVisible() && !item(menu, "Pause")->isVisible());
        QVERIFY(item(menu, "Stop")->isEnabled());
        QTest::qWait(600); // time in which it would say several words
        QCOMPARE(m_spoken.size(), 4);
        QTRY_VERIFY(c->findChildren<Speech *>().size() == 1); // only the one queued
        item(menu, "Resume")->trigger();
        QCOMPARE(m_engine->texts.constLast(), QStringLiteral("four five six seven eight nine ten"));

        QVERIFY(idle.wait(20000));
        QCOMPARE(m_spoken.join(' '), QStringLiteral("one two three four four five six"));
        QVERIFY(!w->isBalloonShown() && !c->isPaused() && w->isVisible());
        QTest::qWait(DesktopCharacter::pauseBetweenReadingsMs + 200);
        QCOMPARE(started.size(), 1);
        QCOMPARE(m_spoken.size(), 7);
        QTRY_VERIFY(c->findChildren<Speech *>().isEmpty());
        QVERIFY(!item(menu, "Stop")->isEnabled() && !item(menu, "Pause")->isEnabled());
        // Stopped while paused, too.
        c->Speak(tenWords);
        QTRY_VERIFY_WITH_TIMEOUT(m_spoken.size() >= 9, 20000);
        c->pause();
        c->Stop();
        QVERIFY(!c->isPaused() && !w->isBalloonShown());
        QVERIFY(idle.wait(5000));
    }

private:
    // The character of m_path; its words spoken go to m_spoken.
    DesktopCharacter *loaded()
    {
        m_agent->Characters().Load("my Character", m_path);
        DesktopCharacter *c = m_agent->character("my character");
        connect(c, &DesktopCharacter::wordSpoken, this,
                [this](const QString &word) { m_spoken << word; });
        return c;
    }

    std::unique_ptr<VoiceEngine> m_voice;
    std::unique_ptr<RecordingEngine> m_engine;
    QTemporaryDir m_dir;
    QString m_path;
    QStringList m_spoken;
    RecordingPrompts m_prompts;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestDesktopAgent)
#include "tst_desktopagent.moc"
