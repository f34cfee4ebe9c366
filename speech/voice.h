#pragma once

#include "characterfile.h"

#include <QByteArray>
#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QVector>

#include <functional>

// A word of the text as the voice reaches it: where it lies in the text
// (in QString positions) and when it starts in the audio.
struct SpokenWord {
    int start = 0;
    int length = 0;
    int ms = 0;
};

// A speech sound as the voice reaches it, named in the synthesiser's
// phoneme notation ("u:", "oU", "m", ...).
struct SpokenPhoneme {
    int ms = 0;
    QString name;
};

// The result of synthesising one text: 16-bit signed mono samples in the
// machine's byte order, and the word timings. When the voice could not
// speak, `pcm` is empty and `error` says why.
struct Utterance {
    QString text;
    QByteArray pcm;
    int sampleRate = 0;
    QVector<SpokenWord> words;
    QVector<SpokenPhoneme> phonemes;
    QString error;

    int durationMs() const;
};
Q_DECLARE_METATYPE(Utterance)

// The speech synthesiser. It keeps global state and is not thread-safe, so
// every call into it is made on one worker thread that this object owns;
// requests are handled in the order they are made and never block the
// caller. Only one Voice may exist at a time.
class Voice : public QObject {
    Q_OBJECT

public:
    explicit Voice(QObject *parent = nullptr);
    ~Voice() override;

    using Done = std::function<void(const Utterance &)>;
    // Queues `text` to be spoken with `voice`; `done` later gets the result
    // on this object's thread, unless `asker` is gone by then.
    void synthesize(const QString &text, const CharacterVoice &voice, QObject *asker, Done done);

    // The synthesiser's data folder, or an empty string when none is found.
    static QString dataPath();

    // The longest speech one request produces; longer texts are cut.
    static constexpr int maxSeconds = 600;

signals:
    void synthesized(quint64 id, const Utterance &utterance);

private:
    struct Request {
        QPointer<QObject> asker;
        Done done;
    };

    QThread m_thread;
    QObject *m_worker = nullptr;
    quint64 m_lastId = 0;
    QHash<quint64, Request> m_requests;
};
