// SPDX-License-Identifier: MIT
#include "playedspeech.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>

#include <cmath>

namespace {
// An audio device that stops making progress is given up after this much
// time beyond the speech's length.
constexpr qint64 stallMs = 3000;
} // namespace

Q_LOGGING_CATEGORY(lcSound, "quornel.sound", QtWarningMsg)

PlayedSpeech::PlayedSpeech(const QString &spoken, QObject *parent) : Speech(parent)
{
    text = spoken;
    // About a device period: what the device holds lasts longer.
    m_feeder.setInterval(20);
    QObject::connect(&m_feeder, &QTimer::timeout, this, [this] { feed(); });
}

PlayedSpeech::~PlayedSpeech()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
    }
}

void PlayedSpeech::add(const VoicePiece &piece)
{
    if (piece.sampleRate > 0)
        m_sampleRate = piece.sampleRate;
    words += piece.words;
    phonemes += piece.phonemes;
    error = piece.error;
    // Loudness in slices; a slice cut short by the end of a piece is
    // measured again with the next.
    const int slice = qMax(1, m_sampleRate * loudnessSliceMs / 1000);
    m_pcm += piece.pcm;
    const auto *samples = reinterpret_cast<const qint16 *>(m_pcm.constData());
    const qsizetype count = m_pcm.size() / 2;
    if (m_lastSliceShort && !loudness.isEmpty())
        loudness.removeLast();
    for (qsizetype start = qsizetype(loudness.size()) * slice; start < count; start += slice) {
        double sum = 0;
        const qsizetype end = qMin(count, start + slice);
        for (qsizetype i = start; i < end; ++i)
            sum += double(samples[i]) * samples[i];
        loudness.append(float(std::sqrt(sum / double(end - start))));
        m_lastSliceShort = end - start < slice;
    }
    complete = piece.last;
    // The device opens with the first piece, while the character may still
    // be appearing: opening it takes longer than the first sound may wait.
    if (!m_deviceTried && m_sampleRate > 0)
        openDevice();
    feed();
}

void PlayedSpeech::play()
{
    m_playing = true;
    m_clock.start();
    feed();
}

// Gives the device what it has room for, and keeps topping it up until it
// has been given the last sample: the device may open only after play(),
// with the voice's first piece.
void PlayedSpeech::feed()
{
    if (!m_sink || !m_playing)
        return;
    if (!m_feeder.isActive() && !m_allGiven.isValid())
        m_feeder.start();
    const qint64 room = qMin<qint64>(m_sink->bytesFree(), m_pcm.size() - m_written);
    if (room > 0) {
        if (m_written == 0)
            qCDebug(lcSound) << "first sound";
        m_written += m_device->write(m_pcm.constData() + m_written, room);
    }
    if (complete && m_written == m_pcm.size() && !m_allGiven.isValid()) {
        m_allGiven.start();
        m_feeder.stop();
    }
}

void PlayedSpeech::openDevice()
{
    if (!error.isEmpty() || m_deviceTried)
        return;
    m_deviceTried = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return;
    m_sink = new QAudioSink(device, format, this);
    QObject::connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (m_sink && state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            fallBackToClock();
    });
    m_device = m_sink->start();
    // With no sound server the sink fails at once, without a state change.
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState)
        fallBackToClock();
}

void PlayedSpeech::fallBackToClock()
{
    if (!m_sink)
        return;
    m_clockOffsetMs = m_sink->processedUSecs() / 1000;
    m_clock.start();
    QAudioSink *sink = m_sink;
    m_sink = nullptr;
    m_device = nullptr;
    m_feeder.stop();
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

qint64 PlayedSpeech::durationMs() const
{
    return m_sampleRate > 0 ? qint64(m_pcm.size() / 2) * 1000 / m_sampleRate : 0;
}

qint64 PlayedSpeech::positionMs() const
{
    if (!m_playing)
        return 0;
    const qint64 pos =
        m_sink ? m_sink->processedUSecs() / 1000 : m_clockOffsetMs + m_clock.elapsed();
    return qMin(pos, durationMs());
}

bool PlayedSpeech::isFinished() const
{
    if (!m_playing || !complete)
        return false;
    if (!m_sink)
        return m_clockOffsetMs + m_clock.elapsed() >= durationMs();
    // Heard to the end, with a moment for what the server still holds; a
    // device that stopped making progress is given up.
    if (m_allGiven.isValid() && positionMs() >= durationMs() && m_allGiven.elapsed() >= tailMs)
        return true;
    return m_clock.elapsed() >= durationMs() + stallMs;
}
