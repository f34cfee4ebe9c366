// SPDX-License-Identifier: MIT
// The voice behind the engine's interface: what a text becomes, how soon,
// and which voices a character file may ask for.

#include "speech/voiceengine.h"
#include "speech/voicelanguages.h"

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
        QStringList words;
        for (const SpokenWord &w : s->words) {
            QVERIFY(words.isEmpty() || w.ms > s->words.at(words.size() - 1).ms);
            words << s->text.mid(w.start, w.length);
        }
        QCOMPARE(words.first(5), QStringList({"You", "have", "the", "notes", "na\u00efve"}));
        QCOMPARE(words.last(), QStringLiteral("tea"));
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

    // The interface's languages, best first, find the voice that speaks
    // them, each also without its last subtags; the data's priorities
    // choose among the voices of one language.
    void interfaceLanguages_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("tag");
        QTest::newRow("de") << QStringList{"de", "de-Latn-DE", "de-DE"} << "de";
        QTest::newRow("de-DE") << QStringList{"de-DE"} << "de";
        QTest::newRow("fr-CA, a French the data has not") << QStringList{"fr-CA"} << "fr";
        QTest::newRow("one it has not, then pt-BR") << QStringList{"xx", "pt-BR"} << "pt-BR";
        QTest::newRow("pt") << QStringList{"pt"} << "pt";
        QTest::newRow("en") << QStringList{"en"} << "en";
        QTest::newRow("en-US") << QStringList{"en-US", "en"} << "en-US";
        QTest::newRow("es-MX") << QStringList{"es-MX"} << "es-419";
        QTest::newRow("zh-Hans-CN") << QStringList{"zh-Hans-CN"} << "cmn";
        QTest::newRow("C") << QStringList{"C"} << "";
    }
    void interfaceLanguages()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, tag);
        QCOMPARE(voicelanguages::firstProvided(wanted, voicelanguages::installed()), tag);
    }

    // A reading keeps the character's variant and pitch in every language
    // and goes at the chosen part of its rate, within the voice's limits.
    void readingVoices_data()
    {
        QTest::addColumn<QString>("own"); // "name rate pitch", as the result
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QStringList>("interface");
        QTest::addColumn<QString>("voice");
        QTest::newRow("the interface's") << "en+m3 160 40"
                                         << "" << 100 << QStringList{"de"} << "de+m3 160 40";
        QTest::newRow("the interface's, which the character speaks already")
            << "en-us 165 50"
            << "" << 100 << QStringList{"en-GB", "en"} << "en-us 165 50";
        QTest::newRow("an interface the data does not speak")
            << "en-us 165 50"
            << "" << 125 << QStringList{"C"} << "en-us 206 50";
        QTest::newRow("chosen") << "en+m3 160 40"
                                << "fr-BE" << 200 << QStringList{"de"} << "fr-BE+m3 320 40";
        QTest::newRow("chosen, and gone from the data")
            << "en-us 165 50"
            << "xx-gone" << 50 << QStringList{"de"} << "de 82 50";
        QTest::newRow("twice a fast one")
            << "gmw/en-US+f2 400 50"
            << "en-GB-scotland" << 200 << QStringList() << "en-GB-scotland+f2 450 50";
        QTest::newRow("half a slow one") << "en-us 90 50"
                                         << "" << 50 << QStringList() << "en-us 80 50";
    }
    void readingVoices()
    {
        QFETCH(QString, own);
        QFETCH(QString, language);
        QFETCH(int, speed);
        QFETCH(QStringList, interface);
        QFETCH(QString, voice);
        const QStringList o = own.split(' ');
        const CharacterVoice v = voicelanguages::readingVoice({o[0], o[1].toInt(), o[2].toInt()},
                                                              language, speed, interface);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(v.name).arg(v.rate).arg(v.pitch), voice);
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
