// SPDX-License-Identifier: MIT
#include "desktopcharacter.h"

#include "charactermenu.h"
#include "characterwindow.h"
#include "voicelanguages.h"

#include "platform/languages.h"

#include <QLoggingCategory>
#include <QThreadPool>

#include <cmath>

Q_LOGGING_CATEGORY(lcCharacter, "quornel.character", QtWarningMsg)

namespace {
constexpr int tickMs = 25;
// Quieter than this (relative to the loudest part so far) keeps the mouth
// shut.
constexpr float closedBelow = 0.12f;
} // namespace

DesktopCharacter::DesktopCharacter(const CharacterData &character, QObject *parent)
    : QObject(parent), m_character(character), m_window(new CharacterWindow(character))
{
    m_character.images = {}; // the window keeps them
    // The languages the speech data provides are read once, off the
    // window's thread, before the menu or a reading first asks for them.
    QThreadPool::globalInstance()->start([] { voicelanguages::installed(); });
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
    m_awayTimer.setSingleShot(true);
    m_awayTimer.setInterval(awayAfterMs);
    connect(&m_speechTimer, &QTimer::timeout, this, &DesktopCharacter::speakTick);
    // The next frame of whichever animation is playing.
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::Appearing)
            showFrame(m_frame + 1);
        else if (m_phase == Phase::Resting)
            showIdleFrame((m_frame + 1) % int(m_character.idle.size()));
    });
    connect(&m_balloonTimer, &QTimer::timeout, this, [this] { m_window->hideBalloon(); });
    connect(&m_awayTimer, &QTimer::timeout, this, [this] {
        if (!m_running && m_queue.isEmpty())
            putAway();
    });
    connect(m_window.get(), &CharacterWindow::hideChosen, this, &DesktopCharacter::putAway);

    CharacterMenu *menu = m_window->menu();
    menu->showChoices(m_choices);
    connect(menu, &CharacterMenu::stopChosen, this, &DesktopCharacter::Stop);
    connect(menu, &CharacterMenu::pauseChosen, this, &DesktopCharacter::pause);
    connect(menu, &CharacterMenu::resumeChosen, this, &DesktopCharacter::resume);
    connect(menu, &CharacterMenu::choicesMade, this, [this](const ReadingChoices &choices) {
        setChoices(choices);
        emit choicesMade(choices);
    });
}

DesktopCharacter::~DesktopCharacter() = default;

void DesktopCharacter::Show()
{
    enqueue(std::make_shared<Request>(Request{Kind::Show, QString(), nullptr}));
}

void DesktopCharacter::Speak(const QString &text)
{
    // The voice stops after ten minutes anyway; the balloon need not lay
    // out what would never be spoken.
    auto request =
        std::make_shared<Request>(Request{Kind::Speak, text.left(longestSpokenText), nullptr});
    // The voice starts now, while the character may still be appearing.
    makeSpeech(*request);
    enqueue(request);
}

// The speech of the request's text from its `from` on, in the voice the
// user's choices make of the character's own.
void DesktopCharacter::makeSpeech(Request &request)
{
    request.voice =
        voicelanguages::readingVoice(m_character.voice, m_choices.language, m_choices.speed,
                                     QStringList{languages::shown()} + QLocale().uiLanguages());
    const QString text = request.text.mid(request.from);
    qCDebug(lcCharacter).noquote() << "reading in" << request.voice.name << "at"
                                   << request.voice.rate << "words a minute:" << text;
    request.speech = SpeechEngine::provided()->speak(text, request.voice, this);
}

void DesktopCharacter::enqueue(const std::shared_ptr<Request> &request)
{
    m_awayTimer.stop();
    m_queue.append(request);
    updateMenu();
    // The caller never waits: the request starts from the event loop.
    if (!m_running && m_queue.size() == 1)
        QTimer::singleShot(0, this, &DesktopCharacter::next);
}

void DesktopCharacter::next()
{
    if (m_running)
        return;
    if (m_queue.isEmpty()) {
        if (!m_choices.stays && m_phase != Phase::Hidden)
            m_awayTimer.start();
        emit idle();
        return;
    }
    m_running = true;
    if (m_queue.constFirst()->kind == Kind::Show) {
        m_queue.removeFirst();
        startShow();
    } else if (m_phase == Phase::Hidden || !m_window->isVisible()) {
        // Speaking brings the character out first.
        startShow();
    } else {
        m_current = m_queue.takeFirst();
        startSpeak();
    }
}

void DesktopCharacter::finishRequest(int pauseMs)
{
    m_running = false;
    m_current.reset();
    updateMenu();
    QTimer::singleShot(pauseMs, this, &DesktopCharacter::next);
}

// Put away by the user, the character falls silent at once and leaves the
// desktop; what it was still to say is dropped. The next request brings it
// back with its appearing animation.
void DesktopCharacter::putAway()
{
    m_awayTimer.stop();
    m_frameTimer.stop();
    m_speechTimer.stop();
    m_balloonTimer.stop();
    disconnect(m_following);
    if (m_current)
        m_queue.prepend(m_current);
    for (const std::shared_ptr<Request> &request : std::as_const(m_queue)) {
        if (request->speech)
            request->speech->deleteLater(); // which stops its sound
    }
    m_queue.clear();
    m_current.reset();
    m_running = false;
    m_silentMs = -1;
    m_window->setHighlight(-1, 0);
    m_window->hideBalloon();
    m_window->hide();
    m_window->letGoOfPictures();
    m_phase = Phase::Hidden;
    updateMenu();
    emit idle();
}

// What the menu offers follows the reading, also while it is open.
void DesktopCharacter::updateMenu()
{
    const bool reading = m_phase == Phase::Speaking || m_phase == Phase::Paused;
    m_window->menu()->showReading(reading || !m_queue.isEmpty(), m_phase == Phase::Speaking,
                                  m_phase == Phase::Paused);
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
    qCDebug(lcCharacter) << "appearing";
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
        qCDebug(lcCharacter) << "appeared";
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
    m_restingFor.start();
    showIdleFrame(0);
}

void DesktopCharacter::showIdleFrame(int index)
{
    m_frame = index;
    const CharacterFrame &f = m_character.idle.at(index);
    m_window->setImage(f.image);
    // Long at rest, the character holds its pose rather than wake the
    // program for every blink.
    if (m_character.idle.size() > 1 && (index != 0 || m_restingFor.elapsed() < idleAnimationMs))
        m_frameTimer.start(f.ms);
    else
        m_window->letGoOfPictures(); // still until the next request
}

// Speaking ---------------------------------------------------------------

void DesktopCharacter::startSpeak()
{
    m_shownWord = -1;
    play(true);
}

// Plays the current request's speech: `fresh`, a new reading, or one that
// goes on after a pause.
void DesktopCharacter::play(bool fresh)
{
    m_frameTimer.stop();
    m_balloonTimer.stop();
    m_phase = Phase::Speaking;
    updateMenu();
    // The sound is asked for first: the balloon and the mouth are drawn
    // together later, while it is on its way.
    Speech *speech = m_current->speech;
    speech->play();
    m_window->setImage(m_closedMouth);
    if (fresh)
        m_window->showBalloon(m_current->text);
    m_nextWord = 0;
    m_loudest = 0;
    m_loudnessSeen = 0;
    m_silentMs = -1;
    if (fresh)
        emit speakingStarted(m_current->text, speech->isAudible());
    // Its end, or the voice failing, is taken up at once; the timer moves
    // the mouth and the words in between.
    m_following = connect(speech, &Speech::changed, this, &DesktopCharacter::speakTick);
    m_speechTimer.start();
    speakTick();
}

// The sound stops at once; the balloon stays as it is.
void DesktopCharacter::haltSpeech()
{
    m_speechTimer.stop();
    disconnect(m_following);
    if (m_current->speech)
        m_current->speech->deleteLater(); // which stops its sound
    m_current->speech = nullptr;
    m_silentMs = -1;
}

void DesktopCharacter::pause()
{
    if (m_phase != Phase::Speaking)
        return;
    haltSpeech();
    // It goes on from the start of the word the balloon shows.
    if (m_shownWord >= 0)
        m_current->from = m_shownWord;
    m_window->setImage(m_closedMouth);
    m_phase = Phase::Paused;
    updateMenu();
}

void DesktopCharacter::resume()
{
    if (m_phase != Phase::Paused)
        return;
    makeSpeech(*m_current);
    play(false);
}

void DesktopCharacter::Stop()
{
    for (const std::shared_ptr<Request> &request : std::as_const(m_queue)) {
        if (request->speech)
            request->speech->deleteLater();
    }
    // A character still appearing finishes doing so, with nothing to say.
    m_queue.clear();
    updateMenu();
    if (m_phase != Phase::Speaking && m_phase != Phase::Paused)
        return;
    haltSpeech();
    const QString text = m_current->text;
    m_window->setHighlight(-1, 0);
    m_window->hideBalloon();
    startIdle();
    emit speakingFinished(text);
    finishRequest();
}

void DesktopCharacter::Activate()
{
    if (m_phase == Phase::Hidden || !m_window->isVisible())
        return;
    m_window->raise();
    m_window->activateWindow();
}

void DesktopCharacter::setChoices(const ReadingChoices &choices)
{
    if (choices == m_choices)
        return;
    const bool newVoice =
        choices.language != m_choices.language || choices.speed != m_choices.speed;
    m_choices = choices;
    m_window->menu()->showChoices(choices);
    if (newVoice) {
        for (const std::shared_ptr<Request> &request : std::as_const(m_queue)) {
            if (request->kind != Kind::Speak)
                continue;
            if (request->speech)
                request->speech->deleteLater();
            makeSpeech(*request);
        }
        if (m_phase == Phase::Speaking) {
            pause();
            resume();
        }
    }
    if (m_choices.stays)
        m_awayTimer.stop();
    else if (!m_running && m_queue.isEmpty() && m_phase != Phase::Hidden)
        m_awayTimer.start();
}

// Without a voice the words still go by, at the character's pace.
void DesktopCharacter::speakSilently(const QString &reason)
{
    disconnect(m_following);
    emit voiceFailed(reason);
    const int perWord = 60000 / qMax(characterfile::minRate, m_current->voice.rate);
    m_silentWords.clear();
    const QString text = m_current->text.mid(m_current->from);
    for (int start = 0, end = 0; start < text.size(); start = end) {
        while (start < text.size() && text.at(start).isSpace())
            ++start;
        for (end = start; end < text.size() && !text.at(end).isSpace();)
            ++end;
        if (end > start)
            m_silentWords.append({start, end - start, int(m_silentWords.size()) * perWord});
    }
    m_silentMs = qint64(m_silentWords.size()) * perWord;
    m_silentClock.start();
    m_nextWord = 0;
    emit speakingStarted(m_current->text, false);
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
    const Speech *speech = m_current->speech;
    const int slot = int(ms / Speech::loudnessSliceMs);
    if (m_loudest <= 0 || slot < 0 || slot >= speech->loudness.size())
        return m_closedMouth;
    const float loudness = speech->loudness.at(slot) / m_loudest;
    if (loudness < closedBelow)
        return m_closedMouth;

    // The sound being made at `ms` shapes the lips ...
    const QVector<SpokenPhoneme> &phonemes = speech->phonemes;
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
    const float level = (loudness - closedBelow) / (1.0f - closedBelow);
    const int count = int(m_openMouths.size());
    return m_openMouths.at(qMin(count - 1, int(level * float(count))));
}

void DesktopCharacter::speakTick()
{
    Speech *speech = m_current->speech;
    if (m_silentMs < 0 && speech->cutShort)
        return endSpeech(); // what was not heard is not shown as spoken
    if (m_silentMs < 0 && speech->complete && !speech->error.isEmpty() &&
        speech->loudness.isEmpty())
        return speakSilently(speech->error);
    const bool silent = m_silentMs >= 0;
    const qint64 position =
        silent ? qMin(m_silentClock.elapsed(), m_silentMs) : speech->positionMs();
    const bool finished = silent ? m_silentClock.elapsed() >= m_silentMs : speech->isFinished();
    const QVector<SpokenWord> &words = silent ? m_silentWords : speech->words;
    // Words passed over between two ticks are still each reported.
    const std::shared_ptr<Request> current = m_current;
    while (m_nextWord < words.size() && (finished || words.at(m_nextWord).ms <= position)) {
        const SpokenWord &w = words.at(m_nextWord++);
        m_shownWord = current->from + w.start;
        m_window->setHighlight(m_shownWord, w.length);
        emit wordSpoken(current->text.mid(m_shownWord, w.length));
        // Whoever heard of the word may have stopped or paused the reading.
        if (m_current != current || m_phase != Phase::Speaking || current->speech != speech)
            return;
    }
    if (silent) {
        // No sound to follow: open and close the mouth with the words.
        const bool open = !finished && (position / 150) % 2 == 0;
        m_window->setImage(open ? m_openMouths.constFirst() : m_closedMouth);
    } else {
        for (; m_loudnessSeen < speech->loudness.size(); ++m_loudnessSeen)
            m_loudest = qMax(m_loudest, speech->loudness.at(m_loudnessSeen));
        m_window->setImage(mouthImageAt(position));
    }
    if (finished)
        endSpeech();
}

void DesktopCharacter::endSpeech()
{
    m_speechTimer.stop();
    disconnect(m_following);
    const QString text = m_current->text;
    if (m_current->speech)
        m_current->speech->deleteLater();
    m_silentMs = -1;
    m_window->setHighlight(-1, 0);
    m_balloonTimer.start();
    startIdle();
    emit speakingFinished(text);
    // Two readings one behind the other are heard as two.
    finishRequest(pauseBetweenReadingsMs);
}
