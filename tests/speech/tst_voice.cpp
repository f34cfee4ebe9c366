#include "speech/voice.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstdlib>

namespace {

Utterance speak(const QString &text, const CharacterVoice &voice)
{
    VoiceEngine &engine = VoiceEngine::instance();
    QSignalSpy spy(&engine, &VoiceEngine::synthesized);
    const quint64 id = engine.synthesize(text, voice);
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        for (const QList<QVariant> &args : spy) {
            if (args.at(0).toULongLong() == id)
                return args.at(1).value<Utterance>();
        }
        spy.wait(200);
    }
    qWarning("no answer from the voice");
    return {};
}

int peak(const QByteArray &pcm)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    int most = 0;
    for (int i = 0; i < pcm.size() / 2; ++i)
        most = qMax(most, std::abs(int(samples[i])));
    return most;
}

} // namespace

class TestVoice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (VoiceEngine::dataPath().isEmpty())
            QFAIL("espeak-ng-data not found");
    }

    void sentenceGivesSoundAndWords()
    {
        const QString text = QStringLiteral("You have the following notes: buy milk");
        const Utterance u = speak(text, {QStringLiteral("en-us"), 175, 50});
        QVERIFY2(u.error.isEmpty(), qPrintable(u.error));
        QCOMPARE(u.sampleRate, 22050);
        QCOMPARE(u.text, text);
        // About two seconds of clearly audible speech.
        QVERIFY2(u.durationMs() > 1000 && u.durationMs() < 6000,
                 qPrintable(QString::number(u.durationMs())));
        QVERIFY(peak(u.pcm) > 2000);

        QStringList words;
        for (const SpokenWord &w : u.words)
            words << text.mid(w.start, w.length);
        QCOMPARE(words.size(), 7);
        const QStringList expected = {"You", "have", "the", "following", "notes", "buy", "milk"};
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(words.at(i).startsWith(expected.at(i)), qPrintable(words.join('|')));
        for (int i = 1; i < u.words.size(); ++i)
            QVERIFY(u.words.at(i).ms > u.words.at(i - 1).ms);
        QVERIFY(u.words.constLast().ms < u.durationMs());
    }

    // Word positions are positions in the QString, also past letters that
    // take several bytes or two UTF-16 units.
    void positionsPastWideCharacters()
    {
        const QString text = QStringLiteral("Caf\u00e9 na\u00efve \U0001F600 tea");
        const Utterance u = speak(text, {QStringLiteral("en-us"), 175, 50});
        QVERIFY2(u.error.isEmpty(), qPrintable(u.error));
        bool naive = false, tea = false;
        for (const SpokenWord &w : u.words) {
            naive = naive || (w.start == text.indexOf("na") && w.length == 5);
            tea = tea || (w.start == text.indexOf("tea") && w.length == 3);
        }
        QVERIFY(naive);
        QVERIFY(tea);
    }

    void unknownVoiceStillSpeaks()
    {
        const Utterance u =
            speak(QStringLiteral("Hello"), {QStringLiteral("xx-nonexistent"), 175, 50});
        QVERIFY2(u.error.isEmpty(), qPrintable(u.error));
        QVERIFY(peak(u.pcm) > 2000);
    }

    void emptyTextIsSilent()
    {
        const Utterance u = speak(QString(), {QStringLiteral("en-us"), 175, 50});
        QVERIFY(u.error.isEmpty());
        QVERIFY(u.words.isEmpty());
        QVERIFY(u.durationMs() < 500);
    }

    // Requests are answered in the order they were made.
    void requestsKeepTheirOrder()
    {
        VoiceEngine &engine = VoiceEngine::instance();
        QSignalSpy spy(&engine, &VoiceEngine::synthesized);
        QList<quint64> ids;
        for (const char *t : {"one", "two", "three"})
            ids << engine.synthesize(QString::fromLatin1(t), {QStringLiteral("en-us"), 175, 50});
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 3, 20000);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(spy.at(i).at(0).toULongLong(), ids.at(i));
            QVERIFY(!spy.at(i).at(1).value<Utterance>().pcm.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
