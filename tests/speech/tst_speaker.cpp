// SPDX-License-Identifier: MIT
// The speaker as the program runs it: a process of its own (with no sound
// server here it keeps time with a clock), broken, let go and missing.

#include "testcharacter.h"

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

// A whole message of the given kind about speech `id`, with nothing more.
QByteArray message(quint8 kind, quint64 id)
{
    QByteArray message;
    QDataStream(&message, QIODevice::WriteOnly) << quint32(9) << kind << id;
    return message;
}

const int reportFd = -1; // the descriptor reportChannel() finds

} // namespace

class TestSpeaker : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath("tiny.qchar");
        QVERIFY(writeFile(m_path, testCharacterFile()));
        m_spoken.clear();
        m_prompts.messages.clear();
    }
    void cleanup()
    {
        m_agent.reset();
        SpeechEngine::provide(nullptr);
        m_engine.reset();
    }

    // A speaker killed, stopped or given what does not decode in the middle
    // of a reading is ended and replaced: that reading ends where it is, as
    // a finished one does, and the next is heard whole. A library printing on
    // its standard output changes nothing.
    void brokenMidReading_data()
    {
        // A signal sent to it, or bytes written into one of its descriptors.
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("fd");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("killed") << SIGKILL << 0 << QByteArray() << true;
        QTest::newRow("stopped") << SIGSTOP << 0 << QByteArray() << true;
        QTest::newRow("a report that never ends")
            << 0 << reportFd << QByteArray("\0\1\0\0", 4) << true;
        QTest::newRow("a report that does not decode: an update of nothing")
            << 0 << reportFd << message(4, 1) << true;
        QTest::newRow("a request that does not decode: a text of nothing")
            << 0 << STDIN_FILENO << message(1, 99) << true;
        QTest::newRow("a library printing on its standard output")
            << 0 << STDOUT_FILENO << QByteArray("a library says something\n") << false;
    }
    void brokenMidReading()
    {
        QFETCH(int, signal);
        QFETCH(int, fd);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, replaced);
        DesktopCharacter *c = start();
        CharacterWindow *w = c->window();
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QSignalSpy failed(c, &DesktopCharacter::voiceFailed);
        c->Speak(longText);
        QTRY_VERIFY_WITH_TIMEOUT(m_spoken.size() >= 3, 20000);
        const qint64 speaker = m_engine->speakerId();
        QVERIFY(running(speaker));
        if (signal)
            QVERIFY(::kill(pid_t(speaker), signal) == 0);
        else
            QVERIFY(writeInto(speaker, fd == reportFd ? reportChannel(speaker) : fd, bytes));

        if (!replaced) {
            QVERIFY(finished.wait(20000));
            QCOMPARE(m_spoken.join(' '), longText);
            QCOMPARE(m_engine->speakerId(), speaker);
            QVERIFY(failed.isEmpty());
            return;
        }
        // Ended where it was, as a finished reading ends; the words not
        // heard are not told as spoken.
        QVERIFY(finished.wait(SpeakerTiming().answerWithinMs + 5000));
        QVERIFY(failed.isEmpty());
        QVERIFY2(m_spoken.size() < longText.count(' '), qPrintable(m_spoken.join(' ')));
        QTRY_VERIFY_WITH_TIMEOUT(!w->isBalloonShown(), DesktopCharacter::balloonLingerMs + 3000);
        QCOMPARE(shownColor(w), QColor(Qt::blue)); // the mouth at rest
        QTRY_VERIFY(!running(speaker));

        // The next reading has a new speaker and is heard whole.
        m_spoken.clear();
        const qint64 length = lengthOf(shortText);
        QSignalSpy started(c, &DesktopCharacter::speakingStarted);
        c->Speak(shortText);
        QVERIFY(started.wait(20000));
        QElapsedTimer heard;
        heard.start();
        QVERIFY(finished.wait(20000));
        QVERIFY2(heard.elapsed() > length * 8 / 10,
                 qPrintable(QStringLiteral("%1 ms of %2").arg(heard.elapsed()).arg(length)));
        QCOMPARE(m_spoken.join(' '), shortText);
        QVERIFY(failed.isEmpty());
        QVERIFY(m_engine->speakerId() != speaker);
    }

    // The speaker is let go after its quiet period: a reading asked for
    // just then is heard, by a new speaker.
    void readingWhileLetGo()
    {
        SpeakerTiming quick;
        quick.restAfterMs = 300;
        DesktopCharacter *c = start(QStringLiteral(QUORNEL_SPEAKER), quick);
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        QSignalSpy failed(c, &DesktopCharacter::voiceFailed);
        SpeechEngine::expectReading();
        const qint64 speaker = m_engine->speakerId();
        QVERIFY(speaker > 0);
        QSignalSpy rested(m_engine.get(), &SpeakerEngine::rested);
        connect(m_engine.get(), &SpeakerEngine::rested, c, [c] { c->Speak(shortText); });
        QVERIFY(rested.wait(5000));
        QVERIFY(finished.wait(20000));
        QCOMPARE(m_spoken.join(' '), shortText);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
        QTRY_VERIFY(!running(speaker));
    }

    // A speaker that cannot be started: the words are shown, and the user
    // is told once, whatever the number of readings.
    void speakerThatCannotStart()
    {
        DesktopCharacter *c = start(m_dir.filePath("no-speaker"));
        QSignalSpy finished(c, &DesktopCharacter::speakingFinished);
        c->Speak(QStringLiteral("first"));
        c->Speak(QStringLiteral("second"));
        QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 2, 20000);
        QCOMPARE(m_spoken, QStringList({"first", "second"}));
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages.constFirst().contains("could not be started"),
                 qPrintable(m_prompts.messages.constFirst()));
    }

private:
    // The test character, its voice in the speaker `program`; its words
    // spoken go to m_spoken.
    DesktopCharacter *start(const QString &program = QStringLiteral(QUORNEL_SPEAKER),
                            SpeakerTiming timing = {})
    {
        m_engine = std::make_unique<SpeakerEngine>(program, timing);
        SpeechEngine::provide(m_engine.get());
        m_agent = std::make_unique<DesktopAgent>(m_prompts);
        m_agent->Characters().Load("my Character", m_path);
        DesktopCharacter *c = m_agent->character("my character");
        connect(c, &DesktopCharacter::wordSpoken, this,
                [this](const QString &word) { m_spoken << word; });
        return c;
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
    QStringList m_spoken;
    RecordingPrompts m_prompts;
    std::unique_ptr<SpeakerEngine> m_engine;
    std::unique_ptr<DesktopAgent> m_agent;
};

QTEST_MAIN(TestSpeaker)
#include "tst_speaker.moc"
