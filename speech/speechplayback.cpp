#include "speechplayback.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
// An audio device that stops making progress is given up after this much
// time beyond the utterance's length.
constexpr qint64 stallMs = 3000;
} // namespace

SpeechPlayback::SpeechPlayback(QObject *parent) : QObject(parent) {}

SpeechPlayback::~SpeechPlayback()
{
    stop();
}

bool SpeechPlayback::start(const QByteArray &pcm, int sampleRate)
{
    stop();
    m_pcm = pcm;
    m_durationMs = sampleRate > 0 ? qint64(pcm.size() / 2) * 1000 / sampleRate : 0;
    m_clockOffsetMs = 0;
    m_drained.invalidate();
    m_clock.start();
    m_running = true;
    if (m_pcm.isEmpty() || sampleRate <= 0)
        return false;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return false;

    m_buffer.setBuffer(&m_pcm);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (!m_sink)
            return;
        if (state == QAudio::IdleState && !m_drained.isValid())
            m_drained.start();
        else if (state == QAudio::ActiveState)
            m_drained.invalidate();
        else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            fallBackToClock();
    });
    m_sink->start(&m_buffer);
    // With no sound server the sink fails at once, without a state change.
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        fallBackToClock();
        return false;
    }
    return true;
}

void SpeechPlayback::startSilent(qint64 durationMs)
{
    start(QByteArray(), 0);
    m_durationMs = qMax<qint64>(0, durationMs);
}

void SpeechPlayback::fallBackToClock()
{
    if (!m_sink)
        return;
    m_clockOffsetMs = qMin(m_durationMs, m_sink->processedUSecs() / 1000);
    m_clock.start();
    QAudioSink *sink = m_sink;
    m_sink = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
    m_buffer.close();
}

void SpeechPlayback::stop()
{
    if (m_sink) {
        QAudioSink *sink = m_sink;
        m_sink = nullptr;
        sink->disconnect(this);
        sink->stop();
        delete sink;
    }
    m_buffer.close();
    m_running = false;
}

qint64 SpeechPlayback::positionMs() const
{
    if (!m_running)
        return 0;
    const qint64 pos =
        m_sink ? m_sink->processedUSecs() / 1000 : m_clockOffsetMs + m_clock.elapsed();
    return qMin(pos, m_durationMs);
}

bool SpeechPlayback::isFinished() const
{
    if (!m_running)
        return true;
    if (!m_sink)
        return m_clockOffsetMs + m_clock.elapsed() >= m_durationMs;
    if (m_drained.isValid() && m_drained.elapsed() >= tailMs)
        return true;
    return m_clock.elapsed() >= m_durationMs + stallMs;
}
