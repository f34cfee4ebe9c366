// SPDX-License-Identifier: MIT
#include "engine.h"

#include "speechwire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <malloc.h>

namespace {

class SpeakerEngine;

// A speech the speaker makes and plays; it learns of its progress from the
// speaker's reports.
class RemoteSpeech : public Speech {
public:
    RemoteSpeech(SpeakerEngine *engine, quint64 id, const QString &spoken, QObject *parent);
    ~RemoteSpeech() override;

    void play() override;
    qint64 positionMs() const override
    {
        if (!m_playing)
            return 0;
        // Between two reports the sound goes on; not further than a report
        // or two would take it.
        return m_finished ? m_position : m_position + qMin<qint64>(m_since.elapsed(), 50);
    }
    bool isFinished() const override { return m_finished; }
    bool isAudible() const override { return m_audible; }

    void update(QDataStream &in)
    {
        QVector<SpokenWord> newWords;
        QVector<SpokenPhoneme> newPhonemes;
        QVector<float> newLoudness;
        in >> newWords >> newPhonemes >> newLoudness >> complete >> error >> m_position >>
            m_finished >> m_audible;
        words += newWords;
        phonemes += newPhonemes;
        loudness += newLoudness;
        m_since.start();
    }
    // The speaker is gone before the speech was over.
    void lost(const QString &why)
    {
        if (!complete && error.isEmpty())
            error = why;
        complete = true;
        m_finished = true;
        m_engine = nullptr;
    }

private:
    SpeakerEngine *m_engine;
    quint64 m_id;
    bool m_playing = false;
    bool m_finished = false;
    bool m_audible = false;
    qint64 m_position = 0;
    QElapsedTimer m_since;
};

// The voice and the sound device live in the speaker, a process of their
// own: started for the first reading, and let go once no reading has been
// under way for a while, so that a program that reads now and then holds
// neither the synthesiser and its data nor the sound server's threads in
// between. (The synthesiser cannot be shut down and started again within
// one process.)
class SpeakerEngine : public QObject, public SpeechEngine {
public:
    explicit SpeakerEngine(QString program) : m_program(std::move(program))
    {
        m_rest.setSingleShot(true);
        m_rest.setInterval(restAfterMs);
        connect(&m_rest, &QTimer::timeout, this, [this] { letGo(); });
    }
    ~SpeakerEngine() override
    {
        letGo();
        if (m_speaker && !m_speaker->waitForFinished(2000))
            m_speaker->kill();
    }

    Speech *speak(const QString &text, const CharacterVoice &voice, QObject *parent) override
    {
        m_rest.stop();
        auto *speech = new RemoteSpeech(this, ++m_lastId, text, parent);
        m_speeches.insert(m_lastId, speech);
        if (!m_speaker)
            start();
        speechwire::send(m_speaker, [&](QDataStream &out) {
            out << quint8(speechwire::Speak) << m_lastId << text << voice.name << qint32(voice.rate)
                << qint32(voice.pitch);
        });
        return speech;
    }

    void play(quint64 id)
    {
        if (m_speaker)
            speechwire::send(m_speaker,
                             [id](QDataStream &out) { out << quint8(speechwire::Play) << id; });
    }

    void prepare() override
    {
        if (!m_speaker)
            start(); // which gets ready by itself
        else
            speechwire::send(m_speaker, [](QDataStream &out) {
                out << quint8(speechwire::Prepare) << quint64(0);
            });
        if (m_speeches.isEmpty())
            m_rest.start();
    }

    void drop(quint64 id)
    {
        m_speeches.remove(id);
        if (m_speaker)
            speechwire::send(m_speaker,
                             [id](QDataStream &out) { out << quint8(speechwire::Drop) << id; });
        if (m_speeches.isEmpty())
            m_rest.start();
    }

    // How long the speaker is kept once the last reading is over.
    static constexpr int restAfterMs = 15000;

private:
    void start()
    {
        m_speaker = new QProcess(this);
        m_speaker->setProgram(m_program);
        m_speaker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(m_speaker, &QProcess::readyReadStandardOutput, this, [this] {
            m_in += m_speaker->readAllStandardOutput();
            speechwire::receive(&m_in, [this](QDataStream &in) {
                quint8 kind = 0;
                quint64 id = 0;
                in >> kind >> id;
                if (RemoteSpeech *speech = m_speeches.value(id); speech)
                    speech->update(in);
            });
        });
        connect(m_speaker, &QProcess::finished, this, [this] { ended(); });
        connect(m_speaker, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                ended();
        });
        m_speaker->start();
    }

    void letGo()
    {
        if (m_speaker)
            m_speaker->closeWriteChannel(); // the speaker ends when its input does
        // What the readings used and freed here goes back to the system too.
        malloc_trim(0);
    }

    void ended()
    {
        if (!m_speaker)
            return;
        const QString why = m_speaker->error() == QProcess::FailedToStart
                                ? QStringLiteral("the speaker \"%1\" could not be started (%2)")
                                      .arg(m_program, m_speaker->errorString())
                                : QStringLiteral("the speaker ended unexpectedly");
        for (RemoteSpeech *speech : std::as_const(m_speeches))
            speech->lost(why);
        m_speeches.clear();
        m_speaker->deleteLater();
        m_speaker = nullptr;
        m_in.clear();
    }

    QString m_program;
    QProcess *m_speaker = nullptr;
    QByteArray m_in;
    quint64 m_lastId = 0;
    QHash<quint64, RemoteSpeech *> m_speeches;
    QTimer m_rest;
};

RemoteSpeech::RemoteSpeech(SpeakerEngine *engine, quint64 id, const QString &spoken,
                           QObject *parent)
    : Speech(parent), m_engine(engine), m_id(id)
{
    text = spoken;
}

RemoteSpeech::~RemoteSpeech()
{
    if (m_engine)
        m_engine->drop(m_id);
}

void RemoteSpeech::play()
{
    m_playing = true;
    m_since.start();
    if (m_engine)
        m_engine->play(m_id);
}

SpeechEngine *&provided()
{
    static SpeechEngine *engine = nullptr;
    return engine;
}

// Installed, the speaker lies in the program's library folder; in the build
// tree, beside the program.
QString speakerProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString installed =
        here + QStringLiteral("/" QUORNEL_ENGINE_FROM_PROGRAM "/quornel-speaker");
    return QFileInfo(installed).isExecutable() ? installed
                                               : here + QStringLiteral("/quornel-speaker");
}

SpeakerEngine *theEngine = nullptr;

void endEngine()
{
    delete theEngine;
    theEngine = nullptr;
}

} // namespace

void SpeechEngine::provide(SpeechEngine *engine)
{
    provided() = engine;
}

namespace {

SpeechEngine *engine()
{
    if (!provided() && !theEngine) {
        theEngine = new SpeakerEngine(speakerProgram());
        qAddPostRoutine(endEngine); // the speaker ends while the application is whole
    }
    return provided() ? provided() : theEngine;
}

} // namespace

void SpeechEngine::load(const Ready &ready)
{
    ready(engine(), QString());
}

void SpeechEngine::expectReading()
{
    engine()->prepare();
}
