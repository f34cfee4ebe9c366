// SPDX-License-Identifier: MIT
#pragma once

#include "agent.h"
#include "characterfile.h"
#include "engine.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class CharacterWindow;

// One loaded character: its window and the queue of its requests. Show and
// Speak only queue a request and return; the requests then run one after
// another from the event loop. A text is made into speech as soon as it is
// queued, so that the sound follows the appearing animation at once, in the
// language and at the speed the user chose.
class DesktopCharacter : public QObject, public AgentCharacter {
    Q_OBJECT

public:
    explicit DesktopCharacter(const CharacterData &character, QObject *parent = nullptr);
    ~DesktopCharacter() override;

    void Show() override;
    void Speak(const QString &text) override;
    void Stop() override;
    void Activate() override;

    // Holds the reading being spoken; resuming goes on from the word the
    // balloon shows.
    void pause();
    void resume();
    bool isPaused() const { return m_phase == Phase::Paused; }

    // How it reads from now on: a reading under way goes on from its word
    // in the new voice, and those queued are made again.
    void setChoices(const ReadingChoices &choices);
    const ReadingChoices &choices() const { return m_choices; }

    CharacterWindow *window() const { return m_window.get(); }

    // How long the balloon stays after the speech has ended.
    static constexpr int balloonLingerMs = 2000;
    // How long the idle animation plays on once a request is over; after
    // that the character holds still until the next one.
    static constexpr int idleAnimationMs = 10000;
    // The pause between one reading and the next one queued behind it.
    static constexpr int pauseBetweenReadingsMs = 400;
    // The longest text one Speak reads; ten minutes of speech are shorter.
    static constexpr int longestSpokenText = 100000;
    // How long after its last reading a character that does not stay on the
    // desktop goes away.
    static constexpr int awayAfterMs = 3000;

signals:
    void appeared();
    void speakingStarted(const QString &text, bool audible);
    void wordSpoken(const QString &word);
    void speakingFinished(const QString &text);
    // The voice could not speak; the words were shown without sound.
    void voiceFailed(const QString &reason);
    // Every request has been carried out.
    void idle();
    // The user changed how the character reads, in its menu.
    void choicesMade(const ReadingChoices &choices);

private:
    enum class Kind { Show, Speak };
    struct Request {
        Kind kind;
        QString text;
        QPointer<Speech> speech;   // made as soon as the request is queued
        int from = 0;              // where in the text the speech starts
        CharacterVoice voice = {}; // the speech's
    };
    enum class Phase { Hidden, Appearing, Resting, Speaking, Paused };

    void enqueue(const std::shared_ptr<Request> &request);
    void next();
    void finishRequest(int pauseMs = 0);
    void putAway();

    void startShow();
    void showFrame(int index);
    void startIdle();
    void showIdleFrame(int index);

    void makeSpeech(Request &request);
    void startSpeak();
    void play(bool fresh);
    void haltSpeech();
    void updateMenu();
    void speakTick();
    void endSpeech();
    void speakSilently(const QString &reason);
    int mouthImageAt(qint64 ms) const;

    CharacterData m_character;
    // The mouths by use: shut, open from least to most, and rounded (or -1).
    int m_closedMouth = 0;
    QVector<int> m_openMouths;
    int m_roundMouth = -1;
    std::unique_ptr<CharacterWindow> m_window;
    QList<std::shared_ptr<Request>> m_queue;
    std::shared_ptr<Request> m_current;
    bool m_running = false;
    Phase m_phase = Phase::Hidden;

    QTimer m_frameTimer; // appearing and idle frames
    int m_frame = 0;
    QElapsedTimer m_restingFor;
    QTimer m_speechTimer;                // follows the speech while it plays
    QMetaObject::Connection m_following; // ... and hears of its changes
    QTimer m_balloonTimer;               // hides the balloon after the speech
    QTimer m_awayTimer;                  // takes away a character that does not stay
    ReadingChoices m_choices;

    int m_nextWord = 0;
    int m_shownWord = -1; // where the word the balloon shows starts in the text
    float m_loudest = 0;
    qsizetype m_loudnessSeen = 0;
    // Without a voice the words go by on a clock of their own.
    QVector<SpokenWord> m_silentWords;
    QElapsedTimer m_silentClock;
    qint64 m_silentMs = -1;
};
