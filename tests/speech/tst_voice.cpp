// SPDX-License-Identifier: MIT
// The voice behind the engine's interface: what a text becomes, how soon,
// and which voices a character file may ask for.

#include "speech/voiceengine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The synthesiser is started once in a process; its thread ends with the
// test's last function.
std::unique_ptr<VoiceEngine> theEngine;

SpeechEngine *engine()
{
    if (!theEngine)
        theEngine = std::make_unique<VoiceEngine>();
    return theEngine.get();
}

Speech *speak(const QString &text, const QString &voice = QStringLiteral("en-us"))
{
    Speech *speech = engine()->speak(text, {voice, 175, 50}, QCoreApplication::instance());
    if (!QTest::qWaitFor([speech] { return speech->complete; }, 20000))
        qWarning("no answer from the voice");
    return speech;
}

QStringList wordsOf(const Speech *speech)
{
    QStringList words;
    for (const SpokenWord &w : speech->words)
        words << speech->text.mid(w.start, w.length);
    return words;
}

float loudest(const Speech *speech)
{
    return speech->loudness.isEmpty()
               ? 0
               : *std::max_element(speech->loudness.begin(), speech->loudness.end());
}

} // namespace

class TestVoice : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { theEngine.reset(); }

    // Word positions are positions in the QString, also past letters that
    // take several bytes or two UTF-16 units.
    void sentenceGivesSoundAndWords()
    {
        const Speech *s = speak(QStringLiteral("You have the notes: na\u00efve \U0001F600 tea"));
        QVERIFY2(s->error.isEmpty(), qPrintable(s->error));
        // About two seconds of clearly audible speech.
        const qsizetype ms = s->loudness.size() * Speech::loudnessSliceMs;
        QVERIFY2(ms > 1000 && ms < 6000, qPrintable(QString::number(ms)));
        QVERIFY(loudest(s) > 1000);
        const QStringList words = wordsOf(s);
        QCOMPARE(words.first(5), QStringList({"You", "have", "the", "notes", "na\u00efve"}));
        QCOMPARE(words.last(), QStringLiteral("tea"));
        for (int i = 1; i < s->words.size(); ++i)
            QVERIFY(s->words.at(i).ms > s->words.at(i - 1).ms);
    }

    // Only voices of the installed data: one that would hand the speech to
    // another program, or that is not there, speaks with the plain voice;
    // no program is ever started.
    void voicesTheDataDoesNotProvide_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::newRow("unknown") << "xx-nonexistent";
        QTest::newRow("an outside synthesiser's voice") << "mb/mb-en1";
        QTest::newRow("one of them by its short name") << "mb-us1";
        QTest::newRow("a variant that is not there") << "en+nowhere";
    }
    void voicesTheDataDoesNotProvide()
    {
        QFETCH(QString, voice);
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        for (const char *program : {"mbrola", "espeak-ng", "sh"}) {
            QFile fake(bin.filePath(QLatin1String(program)));
            QVERIFY(fake.open(QIODevice::WriteOnly));
            fake.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
            fake.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        const Speech *s = speak(QStringLiteral("Hello there"), voice);
        qputenv("PATH", path);
        QVERIFY2(s->error.isEmpty(), qPrintable(s->error));
        QVERIFY(loudest(s) > 1000);
        QVERIFY(!QFile::exists(marker));
    }

    // The sound can start before a long text is all made.
    void aLongTextComesInPieces()
    {
        QString text;
        for (int i = 0; i < 3000; ++i)
            text += QStringLiteral("word number %1, ").arg(i);
        Speech *s =
            engine()->speak(text, {QStringLiteral("en-us"), 175, 50}, QCoreApplication::instance());
        QVERIFY(QTest::qWaitFor([s] { return !s->loudness.isEmpty(); }, 20000));
        QVERIFY(!s->complete);
        QVERIFY(QTest::qWaitFor([s] { return s->complete; }, 20000));
        // Cut at ten minutes of speech.
        QVERIFY(s->loudness.size() * Speech::loudnessSliceMs <=
                600 * 1000 + Speech::loudnessSliceMs);
    }
};

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
