#include "playedspeech.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cmath>
#include <cstring>

namespace {
// An audio device that stops making progress is given up after this much
// time beyond the speech's length.
constexpr qint64 stallMs = 3000;
} // namespace

qint64 PlayedSpeech::Samples::readData(char *data, qint64 max)
{
    const qint64 n = qMin(max, qint64(pcm.size()) - m_read);
    std::memcpy(data, pcm.constData() + m_read, size_t(n));
    m_read += n;
    return n;
}

PlayedSpeech::PlayedSpeech(const QString &spoken, QObject *parent) : Speech(parent)
{
    text = spoken;
    m_samples.open(QIODevice::ReadOnly);
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
    m_samples.pcm += piece.pcm;
    const auto *samples = reinterpret_cast<const qint16 *>(m_samples.pcm.constData());
    const qsizetype count = m_samples.pcm.size() / 2;
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
    if (piece.last) {
        complete = true;
        m_samples.complete = true;
    }
    if (m_playing && !m_deviceTried && m_sampleRate > 0)
        openDevice();
    emit m_samples.readyRead(); // the device goes on if it had run dry
}

void PlayedSpeech::play()
{
    m_playing = true;
    m_clock.start();
    // Before the voice's first piece the sound's format is not known yet:
    // the device opens when it comes.
    if (m_sampleRate > 0)
        openDevice();
}

void PlayedSpeech::openDevice()
{
    if (!error.isEmpty() || m_deviceTried)
        return;
    m_deviceTried = true;
    m_clock.start();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(m_sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return;
    m_sink = new QAudioSink(device, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (!m_sink)
            return;
        if (state == QAudio::IdleState && m_samples.atEnd() && !m_drained.isValid())
            m_drained.start();
        else if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            fallBackToClock();
    });
    m_sink->start(&m_samples);
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
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

qint64 PlayedSpeech::durationMs() const
{
    return m_sampleRate > 0 ? qint64(m_samples.pcm.size() / 2) * 1000 / m_sampleRate : 0;
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
    if (m_drained.isValid() && m_drained.elapsed() >= tailMs)
        return true;
    return m_clock.elapsed() >= durationMs() + stallMs;
}
