// SPDX-License-Identifier: MIT
#include "speakerengine.h"

#include "speechwire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>

Q_LOGGING_CATEGORY(lcSpeaker, "quornel.speaker", QtWarningMsg)

// A speech the speaker makes and plays; it learns of its progress from the
// speaker's reports.
class RemoteSpeech : public Speech {
public:
    RemoteSpeech(SpeakerEngine *engine, quint64 id, const QString &spoken,
                 const CharacterVoice &voice, QObject *parent)
        : Speech(parent), m_engine(engine), m_id(id), m_voice(voice)
    {
        text = spoken;
    }
    ~RemoteSpeech() override
    {
        if (m_engine)
            m_engine->drop(m_id);
    }

    void play() override
    {
        m_playing = true;
        m_since.start();
        if (m_engine)
            m_engine->play(m_id);
    }
    qint64 positionMs() const override
    {
        if (!m_playing)
            return 0;
        if (m_finished || !m_moving)
            return m_position;
        // Between two reports the sound goes on, though not further than
        // the next report would take it.
        const qint64 position =
            m_position + qMin<qint64>(m_since.elapsed(), speechwire::beatMs + 50);
        return complete ? qMin(position, qint64(loudness.size()) * loudnessSliceMs) : position;
    }
    bool isFinished() const override { return m_finished; }
    bool isAudible() const override { return m_audible; }

    quint64 id() const { return m_id; }
    const CharacterVoice &voice() const { return m_voice; }
    bool isPlaying() const { return m_playing; }
    // Some of it has been heard (or has gone by on the speaker's clock).
    bool isUnderWay() const { return m_position > 0; }
    // The speaker has something to tell of it.
    bool isAwaited() const { return !m_finished && (!complete || m_playing); }
    // How many speakers were given it.
    int tries() const { return m_tries; }

    void update(const speechwire::Progress &p)
    {
        words += p.words;
        phonemes += p.phonemes;
        loudness += p.loudness;
        complete = p.complete;
        error = p.error;
        m_moving = p.positionMs > m_position;
        m_position = p.positionMs;
        m_finished = m_playing && p.finished;
        m_audible = p.audible;
        m_since.start();
        emit changed();
    }
    // Given to a new speaker, which makes it from the start (the same
    // words and sounds again: whoever follows them loses nothing).
    void tryAgain()
    {
        words.clear();
        phonemes.clear();
        loudness.clear();
        complete = false;
        error.clear();
        m_position = 0;
        m_moving = false;
        m_audible = false;
        m_since.start();
        ++m_tries;
    }
    // No speaker will say more of it: it ends where it is, or, with an
    // `why`, it could not be spoken at all. Told by the caller.
    void lose(const QString &why)
    {
        if (why.isEmpty()) {
            cutShort = true;
        } else {
            error = why;
            complete = true;
        }
        m_finished = true;
        m_moving = false;
        m_audible = false;
        m_engine = nullptr;
    }
    void forgetEngine() { m_engine = nullptr; }

private:
    SpeakerEngine *m_engine;
    quint64 m_id;
    CharacterVoice m_voice;
    int m_tries = 1;
    bool m_playing = false;
    bool m_finished = false;
    bool m_audible = false;
    bool m_moving = false; // the last report's position was ahead of the one before
    qint64 m_position = 0;
    QElapsedTimer m_since;
};

SpeakerEngine::SpeakerEngine(QString program, SpeakerTiming timing)
    : m_program(std::move(program)), m_timing(timing)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(m_timing.restAfterMs);
    connect(&m_rest, &QTimer::timeout, this, &SpeakerEngine::letGo);
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this,
            [this] { lose(tr("the speaker stopped answering")); });
}

SpeakerEngine::~SpeakerEngine()
{
    for (RemoteSpeech *speech : std::as_const(m_speeches))
        speech->forgetEngine();
    // Every speaker still running, one being let go included, ends while
    // the application is whole.
    const QList<QProcess *> speakers = findChildren<QProcess *>(Qt::FindDirectChildrenOnly);
    for (QProcess *speaker : speakers) {
        speaker->disconnect(this);
        if (speaker->state() == QProcess::NotRunning)
            continue;
        speaker->closeWriteChannel(); // it ends when its input does
        if (!speaker->waitForFinished(m_timing.answerWithinMs)) {
            speaker->kill();
            speaker->waitForFinished(1000);
        }
    }
}

QString SpeakerEngine::installedProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString installed =
        here + QStringLiteral("/" QUORNEL_ENGINE_FROM_PROGRAM "/quornel-speaker");
    return QFileInfo(installed).isExecutable() ? installed
                                               : here + QStringLiteral("/quornel-speaker");
}

qint64 SpeakerEngine::speakerId() const
{
    return m_speaker ? m_speaker->processId() : 0;
}

Speech *SpeakerEngine::speak(const QString &text, const CharacterVoice &voice, QObject *parent)
{
    m_rest.stop();
    auto *speech = new RemoteSpeech(this, ++m_lastId, text, voice, parent);
    m_speeches.insert(m_lastId, speech);
    if (ensureSpeaker())
        sendSpeak(speech);
    watch();
    return speech;
}

void SpeakerEngine::prepare()
{
    if (m_speaker) {
        write([](QDataStream &out) { out << quint8(speechwire::Prepare) << quint64(0); });
        // It answers; one that does not is replaced before the reading.
        m_asked = true;
    } else {
        ensureSpeaker(); // which gets ready by itself
    }
    if (m_speeches.isEmpty())
        m_rest.start();
    watch();
}

void SpeakerEngine::play(quint64 id)
{
    if (m_speaker)
        sendPlay(id);
    watch();
}

void SpeakerEngine::sendPlay(quint64 id)
{
    write([id](QDataStream &out) { out << quint8(speechwire::Play) << id; });
}

void SpeakerEngine::drop(quint64 id)
{
    m_speeches.remove(id);
    if (m_speaker)
        write([id](QDataStream &out) { out << quint8(speechwire::Drop) << id; });
    if (m_speeches.isEmpty())
        m_rest.start();
    watch();
}

template <class Write> void SpeakerEngine::write(Write write)
{
    m_speaker->write(speechwire::message(write));
}

void SpeakerEngine::sendSpeak(const RemoteSpeech *speech)
{
    write([speech](QDataStream &out) {
        out << quint8(speechwire::Speak) << speech->id() << speech->text << speech->voice().name
            << qint32(speech->voice().rate) << qint32(speech->voice().pitch);
    });
}

// Starts a speaker when none runs; false when it could not be started (the
// speeches have been told).
bool SpeakerEngine::ensureSpeaker()
{
    if (!m_speaker)
        start();
    return m_speaker != nullptr;
}

void SpeakerEngine::start()
{
    auto *speaker = new QProcess(this);
    m_speaker = speaker;
    m_spoke = false;
    m_asked = true; // for its first word
    m_in.clear();
    speaker->setProgram(m_program);
    speaker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(speaker, &QProcess::readyReadStandardOutput, this, &SpeakerEngine::heard);
    connect(speaker, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        lose(status == QProcess::CrashExit
                 ? tr("the speaker ended unexpectedly")
                 : tr("the speaker ended unexpectedly (exit status %1)").arg(code));
    });
    connect(speaker, &QProcess::errorOccurred, this, [this, speaker](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            lose(tr("the speaker \"%1\" could not be started (%2)")
                     .arg(m_program, speaker->errorString()),
                 true);
    });
    speaker->start();
}

void SpeakerEngine::heard()
{
    m_in += m_speaker->readAllStandardOutput();
    bool whole = false; // a part of a message is not an answer
    const bool understood = speechwire::receive(&m_in, [this, &whole](QDataStream &in) {
        whole = true;
        quint8 kind = 0;
        quint64 id = 0;
        in >> kind >> id;
        if (kind == speechwire::Hello) {
            m_spoke = true;
            return speechwire::decodedWhole(in);
        }
        speechwire::Progress progress;
        in >> progress;
        if (kind != speechwire::Update || !speechwire::decodedWhole(in))
            return false;
        if (RemoteSpeech *speech = m_speeches.value(id))
            speech->update(progress);
        return true;
    });
    if (!understood) {
        lose(tr("the speaker said something that does not decode"));
    } else if (m_speaker) {
        m_asked = m_asked && !whole;
        watch(whole);
    }
}

// While a speech is being made or played the speaker reports at least
// every beat, and it answers when asked; one that says nothing for much
// longer is not answering.
void SpeakerEngine::watch(bool heardNow)
{
    bool awaited = m_asked;
    for (const RemoteSpeech *speech : std::as_const(m_speeches))
        awaited = awaited || speech->isAwaited();
    if (!m_speaker || !awaited)
        m_silence.stop();
    else if (heardNow || !m_silence.isActive())
        m_silence.start(m_spoke ? m_timing.answerWithinMs : m_timing.startWithinMs);
}

void SpeakerEngine::lose(const QString &why, bool couldNotStart)
{
    qCWarning(lcSpeaker).noquote() << why;
    m_silence.stop();
    if (m_speaker)
        retire(m_speaker, true);
    m_speaker = nullptr;
    m_asked = false;
    m_in.clear();
    // The speech being heard ends where it is; one not heard yet goes to a
    // new speaker, once: a text that ends every speaker is not spoken.
    QList<QPointer<RemoteSpeech>> lost, again;
    const QList<RemoteSpeech *> speeches = m_speeches.values();
    for (RemoteSpeech *speech : speeches) {
        if (speech->isFinished())
            continue;
        if (!couldNotStart && !speech->isUnderWay() && speech->tries() < 2) {
            again << speech;
            continue;
        }
        speech->lose(couldNotStart || !speech->isUnderWay() ? why : QString());
        m_speeches.remove(speech->id());
        lost << speech;
    }
    if (!again.isEmpty() && ensureSpeaker()) {
        for (RemoteSpeech *speech : std::as_const(again)) {
            speech->tryAgain();
            sendSpeak(speech);
            if (speech->isPlaying())
                sendPlay(speech->id());
        }
    }
    if (m_speeches.isEmpty())
        m_rest.start();
    watch();
    // Told last: a speech told of its end may be let go of at once.
    for (const QPointer<RemoteSpeech> &speech : std::as_const(lost)) {
        if (speech)
            emit speech->changed();
    }
}

// The speaker's reports and its end are no longer heard; it is ended now,
// or when its input closes, and given a moment for that.
void SpeakerEngine::retire(QProcess *speaker, bool now)
{
    speaker->disconnect(this);
    if (speaker->state() == QProcess::NotRunning) {
        speaker->deleteLater();
        return;
    }
    connect(speaker, &QProcess::finished, speaker, &QObject::deleteLater);
    if (now) {
        speaker->kill();
    } else {
        speaker->closeWriteChannel();
        QTimer::singleShot(m_timing.answerWithinMs, speaker, [speaker] { speaker->kill(); });
    }
}

// A reading asked for from here on starts a new speaker, while this one
// ends.
void SpeakerEngine::letGo()
{
    if (m_speaker)
        retire(m_speaker, false);
    m_speaker = nullptr;
    m_asked = false;
    m_in.clear();
    emit rested();
}
