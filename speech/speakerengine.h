// SPDX-License-Identifier: MIT
#pragma once

#include "engine.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QTimer>

class QProcess;
class RemoteSpeech;

// How the program keeps its speaker.
struct SpeakerTiming {
    // How long the speaker is kept once the last reading is over.
    int restAfterMs = 15000;
    // How long a speaker may say nothing while it has a speech to make or
    // play (it reports at least every speechwire::beatMs then) ...
    int answerWithinMs = 2000;
    // ... and how long one just started may take to say its first word.
    int startWithinMs = 10000;
};

// The program's voice: the speaker, a process of its own that holds the
// synthesiser and the sound device. It is started for a reading (or when
// one is likely) and let go once no reading has been under way for a
// while, so that a program that reads now and then holds neither the
// synthesiser and its data nor the sound server's threads in between. (The
// synthesiser cannot be shut down and started again within one process.)
//
// A speaker that ends, stops answering or says something that does not
// decode is ended: the speech being heard ends there, and the speeches none
// of which was heard yet go to a new speaker. One that cannot be started
// at all leaves every speech with that as its error.
class SpeakerEngine : public QObject, public SpeechEngine {
    Q_OBJECT

public:
    explicit SpeakerEngine(QString program = installedProgram(), SpeakerTiming timing = {});
    ~SpeakerEngine() override;

    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override;
    void prepare() override;

    // The running speaker's process id, or 0 when none runs.
    qint64 speakerId() const;

    // Installed, the speaker lies in the program's library folder; in the
    // build tree, beside the program.
    static QString installedProgram();

signals:
    // The speaker was let go after the quiet period: whatever the readings
    // used in this process can go back too.
    void rested();

private:
    friend class RemoteSpeech;
    void play(quint64 id);
    void drop(quint64 id);

    bool ensureSpeaker();
    void start();
    template <class Write> void write(Write write);
    void sendSpeak(const RemoteSpeech *speech);
    void sendPlay(quint64 id);
    void heard();
    void watch(bool heardNow = false);
    void lose(const QString &why, bool couldNotStart = false);
    void retire(QProcess *speaker, bool now);
    void letGo();

    QString m_program;
    SpeakerTiming m_timing;
    QProcess *m_speaker = nullptr;
    bool m_spoke = false; // the speaker has said its first word
    bool m_asked = false; // ... and has yet to answer
    QByteArray m_in;
    quint64 m_lastId = 0;
    QMap<quint64, RemoteSpeech *> m_speeches; // in the order asked for
    QTimer m_rest;
    QTimer m_silence; // a speaker that should be talking and is not
};
