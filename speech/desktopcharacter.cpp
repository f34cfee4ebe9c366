#include "desktopcharacter.h"

#include "characterwindow.h"

#include <QRegularExpression>

#include <cmath>

namespace {
constexpr int tickMs = 25;
constexpr int envelopeMs = 40;
// Quieter than this (relative to the loudest part) keeps the mouth shut.
constexpr float closedBelow = 0.12f;
} // namespace

DesktopCharacter::DesktopCharacter(const CharacterData &character, Voice &voice, QObject *parent)
    : QObject(parent), m_character(character), m_voice(voice),
      m_window(new CharacterWindow(character))
{
    m_closedMouth = character.mouths.constFirst().image;
    for (int i = 1; i < character.mouths.size(); ++i) {
        if (character.mouths.at(i).shape == QLatin1String("round"))
            m_roundMouth = character.mouths.at(i).image;
        else
            m_openMouths.append(character.mouths.at(i).image);
    }
    if (m_openMouths.isEmpty())
        m_openMouths.append(m_roundMouth);

    m_frameTimer.setSingleShot(true);
    m_speechTimer.setInterval(tickMs);
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setInterval(balloonLingerMs);
    connect(&m_speechTimer, &QTimer::timeout, this, &DesktopCharacter::speakTick);
    // The next frame of whichever animation is playing.
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Appearing)
            showFrame(m_frame + 1);
        else if (m_phase == Phase::Resting)
            showIdleFrame((m_frame + 1) % m_character.idle.size());
    });
    connect(&m_balloonTimer, &QTimer::timeout, this, [this] { m_window->hideBalloon(); });
}

DesktopCharacter::~DesktopCharacter()
{
    m_playback.stop();
}

void DesktopCharacter::Show()
{
    enqueue({Kind::Show, QString()});
}

void DesktopCharacter::Speak(const QString &text)
{
    enqueue({Kind::Speak, text});
}

void DesktopCharacter::enqueue(Request request)
{
    m_queue.enqueue(std::move(request));
    // The caller never waits: the request starts from the event loop.
    if (!m_running && m_queue.size() == 1)
        QTimer::singleShot(0, this, &DesktopCharacter::next);
}

void DesktopCharacter::next()
{
    if (m_running)
        return;
    if (m_queue.isEmpty()) {
        emit idle();
        return;
    }
    const Request request = m_queue.dequeue();
    m_running = true;
    if (request.kind == Kind::Show) {
        startShow();
    } else if (m_phase == Phase::Hidden || !m_window->isVisible()) {
        // Speaking brings the character out first.
        m_queue.prepend(request);
        startShow();
    } else {
        startSpeak(request.text);
    }
}

void DesktopCharacter::finishRequest()
{
    m_running = false;
    QTimer::singleShot(0, this, &DesktopCharacter::next);
}

// Appearing --------------------------------------------------------------

void DesktopCharacter::startShow()
{
    if (m_phase != Phase::Hidden && m_window->isVisible()) {
        finishRequest();
        return;
    }
    if (m_phase == Phase::Hidden)
        m_window->placeInCorner();
    m_phase = Phase::Appearing;
    if (m_character.appear.isEmpty()) {
        m_window->setImage(m_character.idle.constFirst().image);
        m_window->show();
        startIdle();
        emit appeared();
        finishRequest();
        return;
    }
    m_window->setImage(m_character.appear.constFirst().image);
    m_window->show();
    showFrame(0);
}

void DesktopCharacter::showFrame(int index)
{
    if (index >= m_character.appear.size()) {
        startIdle();
        emit appeared();
        finishRequest();
        return;
    }
    m_frame = index;
    const CharacterFrame &f = m_character.appear.at(index);
    m_window->setImage(f.image);
    m_frameTimer.start(f.ms);
}

// Resting ----------------------------------------------------------------

void DesktopCharacter::startIdle()
{
    m_phase = Phase::Resting;
    m_frameTimer.stop();
    showIdleFrame(0);
}

void DesktopCharacter::showIdleFrame(int index)
{
    m_frame = index;
    const CharacterFrame &f = m_character.idle.at(index);
    m_window->setImage(f.image);
    if (m_character.idle.size() > 1)
        m_frameTimer.start(f.ms);
}

// Speaking ---------------------------------------------------------------

void DesktopCharacter::startSpeak(const QString &text)
{
    m_frameTimer.stop();
    m_balloonTimer.stop();
    m_phase = Phase::Speaking;
    m_window->setImage(m_closedMouth);
    m_window->showBalloon(text);
    m_voice.synthesize(text, m_character.voice, this,
                       [this](const Utterance &u) { onSynthesized(u); });
}

void DesktopCharacter::onSynthesized(const Utterance &utterance)
{
    if (m_phase != Phase::Speaking)
        return;
    m_utterance = utterance;
    m_nextWord = 0;
    m_loudness.clear();

    bool audible = false;
    if (utterance.error.isEmpty()) {
        // The mouth follows the loudness of the speech.
        const int window = qMax(1, utterance.sampleRate * envelopeMs / 1000);
        const auto *samples = reinterpret_cast<const qint16 *>(utterance.pcm.constData());
        const int count = int(utterance.pcm.size() / 2);
        float loudest = 0;
        for (int start = 0; start < count; start += window) {
            double sum = 0;
            const int end = qMin(count, start + window);
            for (int i = start; i < end; ++i)
                sum += double(samples[i]) * samples[i];
            const float rms = float(std::sqrt(sum / (end - start)));
            m_loudness.append(rms);
            loudest = qMax(loudest, rms);
        }
        for (float &v : m_loudness)
            v = loudest > 0 ? v / loudest : 0;
        audible = m_playback.start(utterance.pcm, utterance.sampleRate);
    } else {
        // Without a voice the words still go by at the character's pace.
        emit voiceFailed(utterance.error);
        const int perWord = 60000 / qMax(characterfile::minRate, m_character.voice.rate);
        static const QRegularExpression word(QStringLiteral("\\S+"));
        auto it = word.globalMatch(utterance.text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            m_utterance.words.append({int(m.capturedStart()), int(m.capturedLength()),
                                      int(m_utterance.words.size()) * perWord});
        }
        m_playback.startSilent(qint64(m_utterance.words.size()) * perWord);
    }
    emit speakingStarted(utterance.text, audible, int(m_playback.durationMs()));
    m_speechTimer.start();
    speakTick();
}

namespace {

bool isRounded(const QString &phoneme)
{
    static const QString roundStarts = QStringLiteral("uUoOw0");
    return !phoneme.isEmpty() &&
           (roundStarts.contains(phoneme.at(0)) || phoneme == QLatin1String("aU"));
}

bool isLipsShut(const QString &phoneme)
{
    return phoneme == QLatin1String("m") || phoneme == QLatin1String("b") ||
           phoneme == QLatin1String("p");
}

} // namespace

int DesktopCharacter::mouthImageAt(qint64 ms) const
{
    const int slot = int(ms / envelopeMs);
    if (slot < 0 || slot >= m_loudness.size() || m_loudness.at(slot) < closedBelow)
        return m_closedMouth;

    // The sound being made at `ms` shapes the lips ...
    const QVector<SpokenPhoneme> &phonemes = m_utterance.phonemes;
    const auto after = std::upper_bound(phonemes.begin(), phonemes.end(), ms,
                                        [](qint64 t, const SpokenPhoneme &p) { return t < p.ms; });
    if (after != phonemes.begin()) {
        const QString &phoneme = std::prev(after)->name;
        if (isLipsShut(phoneme))
            return m_closedMouth;
        if (m_roundMouth >= 0 && isRounded(phoneme))
            return m_roundMouth;
    }
    // ... and its loudness opens the mouth wider.
    const float level = (m_loudness.at(slot) - closedBelow) / (1.0f - closedBelow);
    const int count = int(m_openMouths.size());
    return m_openMouths.at(qMin(count - 1, int(level * count)));
}

void DesktopCharacter::speakTick()
{
    const qint64 position = m_playback.positionMs();
    const bool finished = m_playback.isFinished();
    // Words passed over between two ticks are still each reported.
    while (m_nextWord < m_utterance.words.size() &&
           (finished || m_utterance.words.at(m_nextWord).ms <= position)) {
        const SpokenWord &w = m_utterance.words.at(m_nextWord++);
        m_window->setHighlight(w.start, w.length);
        emit wordSpoken(m_utterance.text.mid(w.start, w.length));
    }
    if (m_loudness.isEmpty()) {
        // No samples to follow: open and close the mouth with the words.
        const bool open = !finished && (position / 150) % 2 == 0;
        m_window->setImage(open ? m_openMouths.constFirst() : m_closedMouth);
    } else {
        m_window->setImage(mouthImageAt(position));
    }
    if (finished)
        endSpeech();
}

void DesktopCharacter::endSpeech()
{
    m_speechTimer.stop();
    m_playback.stop();
    const QString text = m_utterance.text;
    m_utterance = Utterance();
    m_loudness.clear();
    m_window->setHighlight(-1, 0);
    m_balloonTimer.start();
    startIdle();
    emit speakingFinished(text);
    finishRequest();
}
