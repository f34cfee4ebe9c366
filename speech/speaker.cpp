// SPDX-License-Identifier: MIT
// The speaker: the program's voice and sound device in a process of their
// own, which the program starts for a reading and lets end once it has been
// quiet for a while, so that what speech takes is given back whole. It reads
// requests on its standard input, reports on a channel of its own (see
// speechwire.h) and ends when its input closes (or the program is gone).

#include "speechwire.h"
#include "voiceengine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace {

// A voice that has made nothing for this long while it has a text to make
// is stuck inside the synthesiser, whose thread cannot be stopped: the
// speaker ends, and the program starts another.
constexpr int voiceStuckAfterMs = 5000;

// One speech and how much of it has been reported.
struct Spoken {
    QPointer<Speech> speech;
    qsizetype words = 0, phonemes = 0, loudness = 0;
    bool playing = false;
    bool finished = false;
};

class Speaker : public QObject {
public:
    Speaker(SpeechEngine &engine, int channel) : m_engine(engine)
    {
        m_out.open(channel, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle);
        send([](QDataStream &out) { out << quint8(speechwire::Hello) << quint64(0); });
        connect(&m_input, &QSocketNotifier::activated, this, [this] { readRequests(); });
        // News of several speeches (or several pieces of one) goes out together.
        m_flush.setSingleShot(true);
        connect(&m_flush, &QTimer::timeout, this, [this] { report(); });
        m_beat.setInterval(speechwire::beatMs);
        connect(&m_beat, &QTimer::timeout, this, [this] {
            checkVoice();
            report(true);
        });
        // Started for a reading, or because one is likely soon.
        m_engine.prepare();
    }

private:
    template <class Write> void send(Write write)
    {
        const QByteArray message = speechwire::message(write);
        if (m_out.write(message) != message.size()) // the program is gone
            QCoreApplication::exit(0);
    }

    void readRequests()
    {
        char chunk[65536];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) { // the program closed our input, or is gone
            m_input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        m_in.append(chunk, int(n));
        if (!speechwire::receive(&m_in, [this](QDataStream &in) { return handle(in); })) {
            // Whatever follows cannot be read either.
            std::fputs("quornel-speaker: a request did not decode; ending\n", stderr);
            m_input.setEnabled(false);
            QCoreApplication::exit(2);
        }
    }

    bool handle(QDataStream &in)
    {
        quint8 kind = 0;
        quint64 id = 0;
        in >> kind >> id;
        if (kind == speechwire::Speak) {
            QString text;
            CharacterVoice voice;
            qint32 rate = 0, pitch = 0;
            in >> text >> voice.name >> rate >> pitch;
            if (!speechwire::decodedWhole(in) || m_speeches.contains(id))
                return false;
            voice.rate = rate;
            voice.pitch = pitch;
            Speech *speech = m_engine.speak(text, voice, this);
            m_speeches.insert(id, {speech});
            connect(speech, &Speech::changed, this, [this, id] { changed(id); });
            m_voiceMoved.start();
        } else if (kind == speechwire::Play || kind == speechwire::Drop ||
                   kind == speechwire::Prepare) {
            if (!speechwire::decodedWhole(in))
                return false;
            if (kind == speechwire::Prepare) {
                send([](QDataStream &out) { out << quint8(speechwire::Hello) << quint64(0); });
                m_engine.prepare();
            } else if (!m_speeches.contains(id)) {
                // dropped already, or never made
            } else if (kind == speechwire::Play) {
                m_speeches[id].playing = true;
                m_speeches[id].speech->play();
                changed(id);
            } else {
                delete m_speeches.take(id).speech;
            }
        } else {
            return false;
        }
        keepBeating();
        return true;
    }

    void changed(quint64 id)
    {
        m_news.insert(id);
        if (!m_flush.isActive())
            m_flush.start(0);
    }

    static bool inProgress(const Spoken &s)
    {
        return s.speech && (!s.speech->complete || (s.playing && !s.finished));
    }

    // Beats while a speech is being made or played, and only then.
    void keepBeating()
    {
        bool any = false;
        for (const Spoken &s : std::as_const(m_speeches))
            any = any || inProgress(s);
        if (any && !m_beat.isActive())
            m_beat.start();
        else if (!any)
            m_beat.stop();
    }

    // A voice that stopped making anything with a text still to make.
    void checkVoice()
    {
        qsizetype made = 0;
        bool making = false;
        for (const Spoken &s : std::as_const(m_speeches)) {
            if (!s.speech)
                continue;
            made += s.speech->loudness.size() + (s.speech->complete ? 1 : 0);
            making = making || !s.speech->complete;
        }
        if (made != m_madeSoFar || !making) {
            m_madeSoFar = made;
            m_voiceMoved.start();
        } else if (m_voiceMoved.elapsed() > voiceStuckAfterMs) {
            std::fputs("quornel-speaker: the voice stopped making speech; ending\n", stderr);
            std::fflush(stderr);
            ::_exit(3);
        }
    }

    // What is new of each speech since it was last reported; with `beat`,
    // also the position of each speech in progress.
    void report(bool beat = false)
    {
        const QSet<quint64> news = std::exchange(m_news, {});
        for (auto it = m_speeches.begin(); it != m_speeches.end(); ++it) {
            Spoken &s = it.value();
            const Speech *speech = s.speech;
            if (!speech || !(news.contains(it.key()) || (beat && inProgress(s))))
                continue;
            speechwire::Progress p;
            p.words = speech->words.mid(s.words);
            p.phonemes = speech->phonemes.mid(s.phonemes);
            p.loudness = speech->loudness.mid(s.loudness);
            p.complete = speech->complete;
            p.error = speech->error;
            p.positionMs = speech->positionMs();
            p.finished = s.playing && speech->isFinished();
            p.audible = speech->isAudible();
            send([&](QDataStream &out) { out << quint8(speechwire::Update) << it.key() << p; });
            s.words = speech->words.size();
            s.phonemes = speech->phonemes.size();
            s.loudness = speech->loudness.size();
            s.finished = p.finished;
        }
        keepBeating();
    }

    SpeechEngine &m_engine;
    QSocketNotifier m_input{STDIN_FILENO, QSocketNotifier::Read};
    QFile m_out;
    QByteArray m_in;
    QHash<quint64, Spoken> m_speeches;
    QSet<quint64> m_news;
    QTimer m_flush;
    QTimer m_beat;
    QElapsedTimer m_voiceMoved;
    qsizetype m_madeSoFar = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    // The reports leave on the standard output as the program started us;
    // from here on, whatever a library prints there goes to the standard
    // error instead.
    const int channel = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    if (channel < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return 1;
    // Ends with the program that started it, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() == 1)
        return 0;
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    // The voice's thread ends while the application is still whole.
    VoiceEngine engine;
    Speaker speaker(engine, channel);
    return app.exec();
}
