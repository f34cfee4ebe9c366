// SPDX-License-Identifier: MIT
// The speaker: the program's voice and sound device in a process of their
// own, which the program starts for a reading and lets end once it has been
// quiet for a while, so that what speech takes is given back whole. It reads
// requests on its standard input, reports on its standard output and ends
// when its input closes (or the program is gone).

#include "engine.h"
#include "speechwire.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

extern "C" SpeechEngine *quornel_create_speech_engine();

namespace {

// One speech and how much of it has been reported.
struct Spoken {
    QPointer<Speech> speech;
    qsizetype words = 0, phonemes = 0, loudness = 0;
    bool complete = false, playing = false, finished = false, audible = false;
    QString error = {};
};

class Speaker : public QObject {
public:
    Speaker()
    {
        m_out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered);
        connect(&m_input, &QSocketNotifier::activated, this, [this] { readRequests(); });
        m_report.setInterval(20);
        // Started for a reading, or because one is likely soon.
        m_engine->prepare();
        connect(&m_report, &QTimer::timeout, this, [this] { report(); });
    }

private:
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
        speechwire::receive(&m_in, [this](QDataStream &in) {
            quint8 kind = 0;
            quint64 id = 0;
            in >> kind >> id;
            if (kind == speechwire::Speak) {
                QString text;
                CharacterVoice voice;
                qint32 rate = 0, pitch = 0;
                in >> text >> voice.name >> rate >> pitch;
                voice.rate = rate;
                voice.pitch = pitch;
                m_speeches.insert(id, {m_engine->speak(text, voice, this)});
            } else if (kind == speechwire::Play && m_speeches.contains(id)) {
                m_speeches[id].playing = true;
                m_speeches[id].speech->play();
            } else if (kind == speechwire::Drop && m_speeches.contains(id)) {
                delete m_speeches.take(id).speech;
            } else if (kind == speechwire::Prepare) {
                m_engine->prepare();
            }
            if (!m_report.isActive())
                m_report.start();
        });
    }

    // What is new of each speech since it was last reported.
    void report()
    {
        for (auto it = m_speeches.begin(); it != m_speeches.end(); ++it) {
            Spoken &s = it.value();
            const Speech *speech = s.speech;
            if (!speech)
                continue;
            const bool finished = s.playing && speech->isFinished();
            const bool news = speech->words.size() > s.words ||
                              speech->phonemes.size() > s.phonemes ||
                              speech->loudness.size() > s.loudness ||
                              speech->complete != s.complete || speech->error != s.error ||
                              speech->isAudible() != s.audible || finished != s.finished;
            if (!news && (!s.playing || s.finished))
                continue;
            speechwire::send(&m_out, [&](QDataStream &out) {
                out << quint8(speechwire::Update) << it.key() << speech->words.mid(s.words)
                    << speech->phonemes.mid(s.phonemes) << speech->loudness.mid(s.loudness)
                    << speech->complete << speech->error << qint64(speech->positionMs()) << finished
                    << speech->isAudible();
            });
            s.words = speech->words.size();
            s.phonemes = speech->phonemes.size();
            s.loudness = speech->loudness.size();
            s.complete = speech->complete;
            s.error = speech->error;
            s.audible = speech->isAudible();
            s.finished = finished;
        }
    }

    SpeechEngine *m_engine = quornel_create_speech_engine();
    QSocketNotifier m_input{STDIN_FILENO, QSocketNotifier::Read};
    QFile m_out;
    QByteArray m_in;
    QHash<quint64, Spoken> m_speeches;
    QTimer m_report;
};

} // namespace

int main(int argc, char *argv[])
{
    // Ends with the program that started it, however that ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() == 1)
        return 0;
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    Speaker speaker;
    return app.exec();
}
