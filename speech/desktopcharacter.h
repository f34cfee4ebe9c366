#pragma once

#include "agent.h"
#include "characterfile.h"
#include "speechplayback.h"
#include "voice.h"

#include <QObject>
#include <QQueue>
#include <QTimer>

#include <memory>

class CharacterWindow;

// One loaded character: its window, its voice and the queue of its
// requests. Show and Speak only queue a request and return; the requests
// then run one after another from the event loop.
class DesktopCharacter : public QObject, public AgentCharacter {
    Q_OBJECT

public:
    DesktopCharacter(const CharacterData &character, Voice &voice, QObject *parent = nullptr);
    ~DesktopCharacter() override;

    void Show() override;
    void Speak(const QString &text) override;

    QString name() const { return m_character.name; }
    CharacterWindow *window() const { return m_window.get(); }
    // Whether a request is running or waiting.
    bool isBusy() const { return m_running || !m_queue.isEmpty(); }

    // How long the balloon stays after the speech has ended.
    static constexpr int balloonLingerMs = 2000;

signals:
    void appeared();
    void speakingStarted(const QString &text, bool audible, int durationMs);
    void wordSpoken(const QString &word);
    void speakingFinished(const QString &text);
    // The voice could not speak; the words were shown without sound.
    void voiceFailed(const QString &reason);
    // Every request has been carried out.
    void idle();

private:
    enum class Kind { Show, Speak };
    struct Request {
        Kind kind;
        QString text;
    };
    enum class Phase { Hidden, Appearing, Resting, Speaking };

    void enqueue(Request request);
    void next();
    void finishRequest();

    void startShow();
    void showFrame(int index);
    void startIdle();
    void showIdleFrame(int index);

    void startSpeak(const QString &text);
    void onSynthesized(const Utterance &utterance);
    void speakTick();
    void endSpeech();
    int mouthImageAt(qint64 ms) const;

    CharacterData m_character;
    Voice &m_voice;
    // The mouths by use: shut, open from least to most, and rounded (or -1).
    int m_closedMouth = 0;
    QVector<int> m_openMouths;
    int m_roundMouth = -1;
    std::unique_ptr<CharacterWindow> m_window;
    QQueue<Request> m_queue;
    bool m_running = false;
    Phase m_phase = Phase::Hidden;

    QTimer m_frameTimer; // appearing and idle frames
    int m_frame = 0;
    QTimer m_speechTimer;  // follows the speech while it plays
    QTimer m_balloonTimer; // hides the balloon after the speech

    Utterance m_utterance;
    QVector<float> m_loudness; // per envelopeMs of speech, 0..1
    int m_nextWord = 0;
    SpeechPlayback m_playback;
};
