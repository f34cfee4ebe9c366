// SPDX-License-Identifier: MIT
#pragma once

#include "characterfile.h"

#include <QObject>
#include <QString>
#include <QVector>

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

// One text being spoken. The voice makes it in the background and it grows
// while it is made; it can be heard from the first words on.
class Speech : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // How loud each slice of this length is.
    static constexpr int loudnessSliceMs = 40;

    QString text;
    QVector<SpokenWord> words;
    QVector<SpokenPhoneme> phonemes;
    QVector<float> loudness; // root mean square of each slice, 0..32767
    bool complete = false;   // the voice has made all of it
    QString error;           // why the voice could not speak, when it could not
    bool cutShort = false;   // it stopped before its end and is over: what follows was not heard

    // Starts the sound; what is not made yet follows as it comes.
    virtual void play() = 0;
    // Milliseconds heard so far.
    virtual qint64 positionMs() const = 0;
    // Everything has been made and heard (or it was cut short).
    virtual bool isFinished() const = 0;
    // The sound goes to an audio device (rather than only keeping time).
    virtual bool isAudible() const = 0;

signals:
    // More of it was made, it became audible or silent, it finished or was
    // cut short. (The position moves on by itself while it plays.)
    void changed();
};

// The voice and the sound device, as whatever reads aloud sees them.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // Starts making `text` with `voice`; the result belongs to `parent`.
    virtual Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) = 0;

    // A reading is likely soon: the voice and the sound device are made
    // ready now, and given back after the quiet period when none comes.
    virtual void prepare() {}

    // The engine the program reads with, set once before anything speaks
    // (tests set their own); null until then.
    static void provide(SpeechEngine *engine);
    static SpeechEngine *provided();
    // prepare() on it, when there is one.
    static void expectReading();
};
