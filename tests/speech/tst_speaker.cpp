// SPDX-License-Identifier: MIT
// The speaker as the program runs it: a process of its own (with no sound
// server here it keeps time with a clock). One killed, stopped or given what
// does not decode in the middle of a reading is ended and replaced: that
// reading ends where it is, as a finished one does, and the next is heard
// whole. A library printing on its standard output changes nothing. A
// reading asked for while the speaker is being let go is heard; a speaker
// that cannot be started is told once.

#include "testcharacter.h"

#include "platform/prompts.h"
#include "speech/characterwindow.h"
#include "speech/desktopagent.h"
#include "speech/desktopcharacter.h"
#include "speech/speakerengine.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

class RecordingPrompts : public Prompts {
public:
    void message(const QString &text) override { messages << text; }
    QStringList messages;
};

const QString longText = QStringLiteral(
    "one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen "
    "sixteen seventeen eighteen nineteen twenty thirty forty fifty");
const QString shortText = QStringLiteral("buy milk and bread at noon today");

bool running(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// Writes `bytes` into the speaker's descriptor `fd`, as something inside
// it or the program would.
bool writeInto(qint64 pid, int fd, const QByteArray &bytes)
{
    QFile file(QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(fd));
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(bytes) == bytes.size();
}

// The descriptor the speaker reports on: the pipe it writes to besides its
// standard output and error.
int reportChannel(qint64 pid)
{
    for (int fd = 3; fd < 64; ++fd) {
        const QString link =
            QFile::symLinkTarget(QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(fd));
        QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(pid).arg(fd));
        if (!link.contains(QLatin1String("pipe:")) || !info.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("flags:") &&
                (line.mid(6).trimmed().toInt(nullptr, 8) & O_ACCMODE) == O_WRONLY)
                return fd;
        }
    }
    return -1;
}

QByteArray framed(const QByteArray &body)
{
    QByteArray message;
    QDataStream(&message, QIODevice::WriteOnly) << quint32(body.size());
    return message + body;
}

} // namespace

class TestSpeaker : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath("tiny.qchar");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(testCharacterFile());
    }
    void cleanup()
    {
        m_agent.reset();
        SpeechEngine::provide(nullptr);
        m_engine.reset();
    }

    void brokenMidReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("killed") << "kill" << true;
        QTest::newRow("stopped") << "stop" << true;
        QTest::newRow("a report that never ends") << "long report" << true;
        QTest::newRow("a report that does not decode") << "bad report" << true;
        QTest::newRow("a request that does not decode") << "bad request" << true;
        QTest::newRow("a library printing on its standard output") << "print" << false;
    }
    void brokenMidReading()
    {
        QFETCH(QString, how);
        QFETCH(bool, replaced);
        DesktopCharacter *c = start();
        CharacterWindow *w = c->window();
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QSignalSpy failed(c, &DesktopCharacter::voiceFailed);
        QStringList spoken;
        connect(c, &DesktopCharacter::wordSpoken, this,
                [&](const QString &word) { spoken << word; });

        c->Speak(longText);
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 3, 20000);
        const qint64 speaker = m_engine->speakerId();
        QVERIFY(running(speaker));
        if (how == QLatin1String("kill")) {
            QVERIFY(::kill(pid_t(speaker), SIGKILL) == 0);
        } else if (how == QLatin1String("stop")) {
            QVERIFY(::kill(pid_t(speaker), SIGSTOP) == 0);
        } else if (how == QLatin1String("long report")) {
            QVERIFY(writeInto(speaker, reportChannel(speaker), QByteArray("\0\1\0\0", 4)));
        } else if (how == QLatin1String("bad report")) {
            QByteArray body;
            QDataStream(&body, QIODevice::WriteOnly)
                << quint8(4) << quint64(1); // an update of nothing
            QVERIFY(writeInto(speaker, reportChannel(speaker), framed(body)));
        } else if (how == QLatin1String("bad request")) {
            QByteArray body;
            QDataStream(&body, QIODevice::WriteOnly)
                << quint8(1) << quint64(99); // a text of nothing
            QVERIFY(writeInto(speaker, STDIN_FILENO, framed(body)));
        } else {
            QVERIFY(writeInto(speaker, STDOUT_FILENO, "a library says something\n"));
        }

        if (!replaced) {
            QVERIFY(finished.wait(20000));
            QCOMPARE(spoken.join(' '), longText);
            QCOMPARE(m_engine->speakerId(), speaker);
            QVERIFY(failed.isEmpty());
            return;
        }
        // Ended where it was, as a finished reading ends; the words not
        // heard are not told as spoken.
        QVERIFY(finished.wait(SpeakerTiming().answerWithinMs + 5000));
        QVERIFY(failed.isEmpty());
        QVERIFY2(spoken.size() < longText.count(' '), qPrintable(spoken.join(' ')));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBalloonShown(), DesktopCharacter::balloonLingerMs + 3000);
        QCOMPARE(shownColor(w), QColor(Qt::blue)); // the mouth at rest
        QTRY_VERIFY(!running(speaker));

        // The next reading has a new speaker and is heard whole.
        spoken.clear();
        const qint64 length = lengthOf(shortText);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        c->Speak(shortText);
        QVERIFY(started.wait(20000));
        QElapsedTimer heard;
        heard.start();
        QVERIFY(finished.wait(20000));
        QVERIFY2(heard.elapsed() > length * 8 / 10,
                 qPrintable(QStringLiteral("%1 ms of %2").arg(heard.elapsed()).arg(length)));
        QCOMPARE(spoken.join(' '), shortText);
        QVERIFY(failed.isEmpty());
        QVERIFY(m_engine->speakerId() != speaker);
    }

    // The speaker is let go after its quiet period: a reading asked for
    // just then is heard, by a new speaker.
    void readingWhileLetGo()
    {
        SpeakerTiming quick;
        quick.restAfterMs = 300;
        DesktopCharacter *c = start(quick);
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QSignalSpy failed(c, &DesktopCharacter::voiceFailed);
        QStringList spoken;
        connect(c, &DesktopCharacter::wordSpoken, this,
                [&](const QString &word) { spoken << word; });
        SpeechEngine::expectReading();
        const qint64 speaker = m_engine->speakerId();
        QVERIFY(speaker > 0);
        QSignalSpy rested(m_engine.get(), &SpeakerEngine::rested);
        connect(m_engine.get(), &SpeakerEngine::rested, c, [c] { c->Speak(shortText); });
        QVERIFY(rested.wait(5000));
        QVERIFY(finished.wait(20000));
        QCOMPARE(spoken.join(' '), shortText);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
        QTRY_VERIFY(!running(speaker));
    }

    // A speaker that cannot be started: the words are shown, and the user
    // is told once, whatever the number of readings.
    void speakerThatCannotStart()
    {
        m_engine = std::make_unique<SpeakerEngine>(m_dir.filePath("no-speaker"));
        SpeechEngine::provide(m_engine.get());
        m_agent = std::make_unique<DesktopAgent>(m_prompts);
        m_prompts.messages.clear();
        m_agent->Characters().Load("my Character", m_path);
        DesktopCharacter *c = m_agent->character("my character");
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QStringList spoken;
        connect(c, &DesktopCharacter::wordSpoken, this,
                [&](const QString &word) { spoken << word; });
        c->Speak(QStringLiteral("first"));
        c->Speak(QStringLiteral("second"));
        QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 2, 20000);
        QCOMPARE(spoken, QStringList({"first", "second"}));
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages.constFirst().contains("could not be started"),
                 qPrintable(m_prompts.messages.constFirst()));
    }

private:
    DesktopCharacter *start(SpeakerTiming timing = {})
    {
        m_engine = std::make_unique<SpeakerEngine>(QStringLiteral(QUORNEL_SPEAKER), timing);
        SpeechEngine::provide(m_engine.get());
        m_agent = std::make_unique<DesktopAgent>(m_prompts);
        m_agent->Characters().Load("my Character", m_path);
        return m_agent->character("my character");
    }

    // How long the voice takes to say `text`.
    qint64 lengthOf(const QString &text)
    {
        QObject owner;
        Speech *s = m_engine->speak(text, testCharacterSource().voice, &owner);
        if (!QTest::qWaitFor([s] { return s->complete; }, 20000))
            return -1;
        return qint64(s->loudness.size()) * Speech::loudnessSliceMs;
    }

    static QColor shownColor(CharacterWindow *w)
    {
        const QRect r = w->characterRect();
        return w->grab(r).toImage().pixelColor(r.width() / 2, r.height() / 2);
    }

    QTemporaryDir m_dir;
    QString m_path;
    RecordingPrompts m_prompts;
    std::unique_ptr<SpeakerEngine> m_engine;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestSpeaker)
#include "tst_speaker.moc"
