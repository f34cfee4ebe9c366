// SPDX-License-Identifier: MIT
#pragma once

#include "characterfile.h"
#include "engine.h"

#include <QByteArray>
#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <functional>

// A piece of speech as the synthesiser makes it: 16-bit signed mono
// samples in the machine's byte order, and the words and sounds they hold.
// The last piece of a text says so; when the voice cannot speak, `error`
// says why.
struct VoicePiece {
    QByteArray pcm;
    int sampleRate = 0;
    QVector<SpokenWord> words;
    QVector<SpokenPhoneme> phonemes;
    bool last = false;
    QString error;
};
Q_DECLARE_METATYPE(VoicePiece)

// The speech synthesiser. It keeps global state and is not thread-safe, so
// every call into it is made on one worker thread that this object owns;
// requests are handled in the order they are made and never block the
// caller. Only one Voice may exist at a time.
class Voice : public QObject {
    Q_OBJECT

public:
    explicit Voice(QObject *parent = nullptr);
    ~Voice() override;

    using Sink = std::function<void(const VoicePiece &)>;
    // Makes `text` with `voice`. `sink` gets the pieces in order on this
    // object's thread, the first as soon as there is any sound, unless
    // `asker` is gone by then.
    void synthesize(const QString &text, const CharacterVoice &voice, QObject *asker, Sink sink);

    // The synthesiser's data folder, or an empty string when none is found.
    static QString dataPath();

    // Starts the synthesiser now rather than with the first text; `ready`
    // then gets its sample rate (0 when it cannot start) on this object's
    // thread, unless `asker` is gone by then.
    void prepare(QObject *asker, const std::function<void(int sampleRate)> &ready);

    // The longest speech one request produces; longer texts are cut.
    static constexpr int maxSeconds = 600;

signals:
    void made(quint64 id, const VoicePiece &piece);

private:
    struct Request {
        QPointer<QObject> asker;
        Sink sink;
    };

    QThread m_thread;
    QObject *m_worker = nullptr;
    quint64 m_lastId = 0;
    QHash<quint64, Request> m_requests;
};
