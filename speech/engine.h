// SPDX-License-Identifier: MIT
#pragma once

#include "characterfile.h"

#include <QObject>
#include <QString>
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

// One text being spoken. The voice makes it in the background and it grows
// while it is made; it can be heard from the first words on. (No signals of
// its own: the module that makes it shares only this header.)
class Speech : public QObject {
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

    // Starts the sound; what is not made yet follows as it comes.
    virtual void play() = 0;
    // Milliseconds heard so far.
    virtual qint64 positionMs() const = 0;
    // Everything has been made and heard.
    virtual bool isFinished() const = 0;
    // The sound goes to an audio device (rather than only keeping time).
    virtual bool isAudible() const = 0;
};

// The voice and the sound device. The program's engine has them in the
// speaker, a process of its own started for a reading; the speaker (and the
// tests) make them in process with quornel_create_speech_engine().
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // Starts making `text` with `voice`; the result belongs to `parent`.
    virtual Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) = 0;

    // A reading is likely soon: the voice and the sound device are made
    // ready now, and given back after the quiet period when none comes.
    virtual void prepare() {}

    using Ready = std::function<void(SpeechEngine *engine, const QString &error)>;
    // Hands `ready` the engine (or why there is none).
    static void load(const Ready &ready);
    // prepare() on the engine that load() would hand out.
    static void expectReading();
    // An engine to use instead of loading one (tests link it directly).
    static void provide(SpeechEngine *engine);
};
