// SPDX-License-Identifier: MIT
#pragma once

#include "engine.h"
#include "voice.h"

#include <QElapsedTimer>
#include <QTimer>

class QAudioSink;
class QIODevice;

// Speech played as the voice makes it. The sound device opens with the
// voice's first piece, while the character may still be appearing, and
// is written to the moment the speech plays, then topped up as it empties.
// Without an audio device (no sound server, a device that refuses the
// format) it keeps time with a clock instead, so that whatever follows the
// speech (the highlighted word, the mouth) goes on at the same pace. It
// tells of each piece, of losing the device and of its end as they happen.
class PlayedSpeech : public Speech {
public:
    explicit PlayedSpeech(const QString &spoken, QObject *parent = nullptr);
    ~PlayedSpeech() override;

    // The next piece the voice made.
    void add(const VoicePiece &piece);

    void play() override;
    qint64 positionMs() const override;
    bool isFinished() const override;
    bool isAudible() const override { return m_sink != nullptr; }

    // Opens the sound device ahead of the first speech, for a speech at this
    // rate to take when it starts; owned by `owner` until then.
    static void openDeviceAhead(int sampleRate, QObject *owner);

    // How long the device is given to play out what it holds once it has
    // been given the last sample.
    static constexpr int tailMs = 150;

private:
    qint64 durationMs() const;
    void openDevice();
    void feed();
    void fallBackToClock();
    void watchForEnd();

    QByteArray m_pcm;
    qint64 m_written = 0; // bytes given to the device
    int m_sampleRate = 0;
    bool m_lastSliceShort = false;
    QAudioSink *m_sink = nullptr;
    QIODevice *m_device = nullptr;
    QTimer m_feeder;
    QTimer m_endWatch; // looks again when the end is due
    bool m_playing = false;
    bool m_toldFinished = false;
    bool m_deviceTried = false;
    QElapsedTimer m_clock;      // since play(), or since the clock took over
    qint64 m_clockOffsetMs = 0; // position when the clock took over
    QElapsedTimer m_allGiven;   // since the device was given the last sample
};
