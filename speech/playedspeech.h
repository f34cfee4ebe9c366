#pragma once

#include "engine.h"
#include "voice.h"

#include <QElapsedTimer>
#include <QIODevice>

class QAudioSink;

// Speech played as the voice makes it: the sound device pulls what has been
// made so far and is told when more comes. Without an audio device (no
// sound server, a device that refuses the format) it keeps time with a
// clock instead, so that whatever follows the speech (the highlighted
// word, the mouth) goes on at the same pace.
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

    // How long the device is given to play out what it holds once our
    // samples have all been read.
    static constexpr int tailMs = 150;

private:
    // What the device reads: the samples made so far.
    class Samples : public QIODevice {
    public:
        QByteArray pcm;
        bool complete = false;
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override
        {
            return pcm.size() - m_read + QIODevice::bytesAvailable();
        }
        bool atEnd() const override { return complete && m_read >= pcm.size(); }

    protected:
        qint64 readData(char *data, qint64 max) override;
        qint64 writeData(const char *, qint64) override { return -1; }

    private:
        qint64 m_read = 0;
    };

    qint64 durationMs() const;
    void openDevice();
    void fallBackToClock();

    Samples m_samples;
    int m_sampleRate = 0;
    bool m_lastSliceShort = false;
    QAudioSink *m_sink = nullptr;
    bool m_playing = false;
    bool m_deviceTried = false;
    QElapsedTimer m_clock;      // since play(), or since the clock took over
    qint64 m_clockOffsetMs = 0; // position when the clock took over
    QElapsedTimer m_drained;    // since the device read the last sample
};
