// SPDX-License-Identifier: MIT
#include "playedspeech.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPointer>

#include <cmath>

namespace {
// An audio device that stops making progress is given up after this much
// time beyond the speech's length.
constexpr qint64 stallMs = 3000;
} // namespace

Q_LOGGING_CATEGORY(lcSound, "quornel.sound", QtWarningMsg)

namespace {

QAudioFormat formatAt(int sampleRate)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The device opened ahead, and what it is written through.
QPointer<QAudioSink> openedAhead;
QIODevice *writtenAhead = nullptr;

} // namespace

void PlayedSpeech::openDeviceAhead(int sampleRate, QObject *owner)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = formatAt(sampleRate);
    if (openedAhead || sampleRate <= 0 || device.isNull() || !device.isFormatSupported(format))
        return;
    auto *sink = new QAudioSink(device, format, owner);
    QIODevice *written = sink->start();
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        delete sink;
        return;
    }
    openedAhead = sink;
    writtenAhead = written;
}

PlayedSpeech::PlayedSpeech(const QString &spoken, QObject *parent) : Speech(parent)
{
    text = spoken;
    // About a device period: what the device holds lasts longer.
    m_feeder.setInterval(20);
    QObject::connect(&m_feeder, &QTimer::timeout, this, [this] { feed(); });
    m_endWatch.setSingleShot(true);
    QObject::connect(&m_endWatch, &QTimer::timeout, this, [this] { watchForEnd(); });
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
    emit changed();
    watchForEnd();
}

void PlayedSpeech::play()
{
    m_playing = true;
    m_clock.start();
    feed();
    watchForEnd();
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
    const QAudioFormat format = formatAt(m_sampleRate);
    if (openedAhead && openedAhead->format() == format &&
        openedAhead->state() != QAudio::StoppedState) {
        m_sink = openedAhead;
        m_sink->setParent(this);
        m_device = writtenAhead;
        openedAhead = nullptr;
        writtenAhead = nullptr;
    } else {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format))
            return;
        m_sink = new QAudioSink(device, format, this);
        m_device = m_sink->start();
    }
    QObject::connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (m_sink && state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            fallBackToClock();
    });
    // With no sound server the sink fails at once, without a state change.
    // (One opened ahead may have run dry meanwhile, which is no failure.)
    const QAudio::Error failed = m_sink->error();
    if ((failed != QAudio::NoError && failed != QAudio::UnderrunError) ||
        m_sink->state() == QAudio::StoppedState)
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
    emit changed();
    watchForEnd();
}

// Its end is a moment, not an event of the device: it is looked for when
// due, and told once.
void PlayedSpeech::watchForEnd()
{
    if (!m_playing || !complete || m_toldFinished)
        return;
    if (isFinished()) {
        m_toldFinished = true;
        m_endWatch.stop();
        emit changed();
        return;
    }
    qint64 due = durationMs() - positionMs();
    if (m_allGiven.isValid())
        due = qMax(due, tailMs - m_allGiven.elapsed());
    m_endWatch.start(int(qBound(qint64(10), due, qint64(1000))));
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
