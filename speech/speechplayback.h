#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

class QAudioSink;

// Plays one utterance's samples and tells how far it has got. Without an
// audio device (no sound server, a device that refuses the format) it
// keeps time with a clock instead, so that whatever follows the speech
// (the highlighted word, the mouth) goes on at the same pace.
class SpeechPlayback : public QObject {
    Q_OBJECT

public:
    explicit SpeechPlayback(QObject *parent = nullptr);
    ~SpeechPlayback() override;

    // Starts playing 16-bit mono samples. Returns whether they go to an
    // audio device.
    bool start(const QByteArray &pcm, int sampleRate);
    // Keeps time for `durationMs` without any sound.
    void startSilent(qint64 durationMs);
    void stop();

    // Milliseconds of the utterance played so far.
    qint64 positionMs() const;
    qint64 durationMs() const { return m_durationMs; }
    // True once everything has been heard.
    bool isFinished() const;

    // How long the device is given to play out what it holds once our
    // buffer has run dry.
    static constexpr int tailMs = 150;

private:
    void fallBackToClock();

    QAudioSink *m_sink = nullptr;
    QByteArray m_pcm;
    QBuffer m_buffer;
    QElapsedTimer m_clock;      // since start()
    qint64 m_clockOffsetMs = 0; // position when the clock took over
    QElapsedTimer m_drained;    // since the device's buffer ran dry
    qint64 m_durationMs = 0;
    bool m_running = false;
};
