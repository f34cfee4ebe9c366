#include "testcharacter.h"

#include "platform/prompts.h"
#include "speech/characterwindow.h"
#include "speech/desktopagent.h"
#include "speech/desktopcharacter.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class RecordingPrompts : public Prompts {
public:
    void message(const QString &text) override { messages << text; }
    QStringList messages;
};

constexpr int speechTimeoutMs = 20000;

} // namespace

class TestDesktopAgent : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath("tiny.qchar");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testCharacterFile());
        m_prompts.messages.clear();
        m_agent = std::make_unique<DesktopAgent>(m_prompts);
    }

    void cleanup() { m_agent.reset(); }

    void lookupIgnoresLetterCase()
    {
        SpeechAgent &control = agent();
        QVERIFY(!control.Characters().Character("my character"));
        control.Characters().Load("my Character", m_path);
        AgentCharacter *c = control.Characters().Character("my character");
        QVERIFY(c);
        QCOMPARE(control.Characters().Character("MY CHARACTER"), c);
        QCOMPARE(control.Characters().Character("my Character"), c);
        QVERIFY(!control.Characters().Character("my character2"));
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void badFileIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.qchar" << QByteArray() << "does not exist";
        QTest::newRow("empty") << "empty.qchar" << QByteArray("") << "it is empty";
        QTest::newRow("damaged") << "damaged.qchar" << testCharacterFile().left(300)
                                 << "ends early";
    }

    void badFileIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(name);
        if (name != "missing.qchar") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        SpeechAgent &control = agent();
        control.Characters().Load("my Character", path);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages.at(0).contains(path), qPrintable(m_prompts.messages.at(0)));
        QVERIFY2(m_prompts.messages.at(0).contains(reason), qPrintable(m_prompts.messages.at(0)));
        QVERIFY(!control.Characters().Character("my character"));
    }

    // A failed load under an id that was taken leaves no character there.
    void failedReloadLeavesNone()
    {
        agent().Characters().Load("my Character", m_path);
        QVERIFY(agent().Characters().Character("my character"));
        agent().Characters().Load("MY CHARACTER", m_dir.filePath("missing.qchar"));
        QVERIFY(!agent().Characters().Character("my character"));
        QCOMPARE(m_prompts.messages.size(), 1);
    }

    void requestsReturnAtOnceAndQueue()
    {
        DesktopCharacter *c = loaded();
        QVERIFY(c);
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QSignalSpy words(c, &DesktopCharacter::wordSpoken);
        QSignalSpy idle(c, &DesktopCharacter::idle);

        // What the main window does: look up, show, speak; and once more.
        AgentCharacter *character = agent().Characters().Character("my character");
        character->Show();
        character->Speak("one two");
        character->Speak("three");
        // Nothing has happened yet: the requests only queued.
        QVERIFY(c->isBusy());
        QVERIFY(!c->window()->isVisible());
        QCOMPARE(appeared.size(), 0);

        QVERIFY(idle.wait(speechTimeoutMs));
        QCOMPARE(appeared.size(), 1);
        QCOMPARE(started.size(), 2);
        QCOMPARE(started.at(0).at(0).toString(), QStringLiteral("one two"));
        QCOMPARE(started.at(1).at(0).toString(), QStringLiteral("three"));
        QCOMPARE(finished.size(), 2);
        QStringList spoken;
        for (const QList<QVariant> &args : words)
            spoken << args.at(0).toString();
        QCOMPARE(spoken, QStringList({"one", "two", "three"}));
        if (qgetenv("PULSE_SERVER") == "unix:/nonexistent")
            QCOMPARE(started.at(0).at(1).toBool(), false);
        QVERIFY(m_prompts.messages.isEmpty());
        QVERIFY(!c->isBusy());
    }

    void speakingShowsTheCharacterFirst()
    {
        DesktopCharacter *c = loaded();
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        QSignalSpy idle(c, &DesktopCharacter::idle);
        c->Speak("hello");
        QVERIFY(idle.wait(speechTimeoutMs));
        QCOMPARE(appeared.size(), 1);
        QVERIFY(c->window()->isVisible());
        // A second Show on a shown character does not play the animation again.
        c->Show();
        QVERIFY(idle.wait(speechTimeoutMs));
        QCOMPARE(appeared.size(), 1);
    }

    void windowIsAFramelessTopmostToolWindow()
    {
        CharacterWindow *w = shown(loaded());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tiny"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w->windowType(), Qt::Tool);
        QVERIFY(w->testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(w->isVisible());
        // It stays until the program ends.
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
    }

    // While speaking the balloon shows the text with the current word
    // marked, and the mouth takes more than one shape.
    void balloonAndMouthFollowTheSpeech()
    {
        DesktopCharacter *c = loaded();
        CharacterWindow *w = c->window();
        const QString text = QStringLiteral("You have the following notes: water the plants");

        QStringList highlighted;
        QSet<int> images;
        bool balloonWhileSpeaking = true;
        connect(c, &DesktopCharacter::wordSpoken, this, [&](const QString &) {
            highlighted << w->highlightedWord();
            balloonWhileSpeaking =
                balloonWhileSpeaking && w->isBalloonShown() && w->balloonText() == text;
        });
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] { images.insert(w->image()); });
        connect(c, &DesktopCharacter::speakingStarted, this, [&] { sampler.start(10); });
        connect(c, &DesktopCharacter::speakingFinished, this, [&] { sampler.stop(); });

        QSignalSpy idle(c, &DesktopCharacter::idle);
        c->Show();
        c->Speak(text);
        QVERIFY(idle.wait(speechTimeoutMs));
        QVERIFY(balloonWhileSpeaking);
        QVERIFY(!highlighted.isEmpty());
        QCOMPARE(highlighted.constLast(), QStringLiteral("plants"));
        QVERIFY2(images.size() >= 2, "the mouth did not move");
        // The balloon lingers, then goes.
        QVERIFY(w->isBalloonShown());
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBalloonShown(), DesktopCharacter::balloonLingerMs + 5000);
    }

private:
    // The test character, loaded as the main window loads one.
    DesktopCharacter *loaded()
    {
        agent().Characters().Load("my Character", m_path);
        return m_agent->character("my character");
    }

    // Shows the character and waits until it has appeared.
    CharacterWindow *shown(DesktopCharacter *c)
    {
        QSignalSpy appeared(c, &DesktopCharacter::appeared);
        c->Show();
        return appeared.wait(speechTimeoutMs) ? c->window() : nullptr;
    }

    DesktopAgent &agent() { return *m_agent; }

    QTemporaryDir m_dir;
    QString m_path;
    RecordingPrompts m_prompts;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestDesktopAgent)
#include "tst_desktopagent.moc"
