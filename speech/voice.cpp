#include "voice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>

#include <espeak-ng/speak_lib.h>

namespace {

// What the synthesiser's callback gathers for one request.
struct Collected {
    QByteArray pcm;
    QVector<espeak_EVENT> words;
    QVector<SpokenPhoneme> phonemes;
    qint64 maxBytes = 0;
    bool cut = false;
};

int collect(short *samples, int count, espeak_EVENT *events)
{
    auto *c = events ? static_cast<Collected *>(events->user_data) : nullptr;
    if (!c)
        return 0;
    for (const espeak_EVENT *e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type == espeakEVENT_WORD) {
            c->words.append(*e);
        } else if (e->type == espeakEVENT_PHONEME) {
            const char *name = e->id.string;
            c->phonemes.append(
                {e->audio_position,
                 QString::fromLatin1(name, int(qstrnlen(name, sizeof e->id.string)))});
        }
    }
    if (samples && count > 0) {
        const qint64 bytes = qint64(count) * qint64(sizeof(short));
        if (c->pcm.size() + bytes > c->maxBytes) {
            c->cut = true;
            return 1; // stop synthesising
        }
        c->pcm.append(reinterpret_cast<const char *>(samples), int(bytes));
    }
    return 0;
}

// Lives on the worker thread; the only code that calls the synthesiser.
class Worker : public QObject {
    Q_OBJECT

public:
    ~Worker() override
    {
        if (m_sampleRate > 0)
            espeak_Terminate();
    }

    Utterance synthesize(const QString &text, const CharacterVoice &voice)
    {
        Utterance u;
        u.text = text;
        if (!initialise(&u.error))
            return u;

        // A voice the synthesiser's own data does not provide (one that
        // would hand the speech to another program, say) speaks with "en".
        const QByteArray name = voice.name.toUtf8();
        if (!isProvided(voice.name) || espeak_SetVoiceByName(name.constData()) != EE_OK) {
            if (espeak_SetVoiceByName("en") != EE_OK) {
                u.error = QStringLiteral("the voice \"%1\" is not installed").arg(voice.name);
                return u;
            }
        }
        espeak_SetParameter(espeakRATE, qBound(espeakRATE_MINIMUM, voice.rate, espeakRATE_MAXIMUM),
                            0);
        espeak_SetParameter(espeakPITCH, qBound(0, voice.pitch, 100), 0);

        Collected c;
        c.maxBytes = qint64(m_sampleRate) * Voice::maxSeconds * qint64(sizeof(short));
        const QByteArray utf8 = text.toUtf8();
        const espeak_ERROR rc = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &c);
        if (rc != EE_OK) {
            u.error = QStringLiteral("the speech synthesiser failed (error %1)").arg(int(rc));
            return u;
        }
        u.pcm = c.pcm;
        u.sampleRate = m_sampleRate;
        u.words = wordsOf(text, c.words);
        u.phonemes = c.phonemes;
        return u;
    }

private:
    // Whether the installed data provides `name` itself: a voice it lists,
    // not one that needs an outside speech program, with an optional
    // "+variant" of its own.
    bool isProvided(const QString &name) const
    {
        const qsizetype plus = name.indexOf(QLatin1Char('+'));
        const QString base = name.left(plus).toLower();
        if (plus >= 0) {
            const QString variant = name.mid(plus + 1);
            if (variant.isEmpty() || variant.contains(QLatin1Char('/')) ||
                !QFileInfo::exists(m_dataPath + QStringLiteral("/voices/!v/") + variant))
                return false;
        }
        return !base.isEmpty() && m_voices.contains(base);
    }

    void listVoices()
    {
        for (const espeak_VOICE *const *v = espeak_ListVoices(nullptr); v && *v; ++v) {
            const QString identifier = QString::fromUtf8((*v)->identifier).toLower();
            if (identifier.startsWith(QLatin1String("mb/")))
                continue;
            m_voices.insert(identifier);
            m_voices.insert(identifier.section(QLatin1Char('/'), -1));
            m_voices.insert(QString::fromUtf8((*v)->name).toLower());
            // Languages: a priority byte, then a name, for each.
            for (const char *l = (*v)->languages; l && *l; l += std::strlen(l) + 1) {
                ++l;
                m_voices.insert(QString::fromUtf8(l).toLower());
            }
        }
    }

    bool initialise(QString *error)
    {
        if (m_sampleRate > 0)
            return true;
        if (!m_initError.isEmpty()) {
            *error = m_initError;
            return false;
        }
        const QString path = Voice::dataPath();
        if (path.isEmpty()) {
            m_initError = QStringLiteral("the speech synthesiser's data (espeak-ng-data) was not "
                                         "found");
            *error = m_initError;
            return false;
        }
        const QByteArray native = QFile::encodeName(path);
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, native.constData(),
                              espeakINITIALIZE_DONT_EXIT | espeakINITIALIZE_PHONEME_EVENTS);
        if (rate <= 0) {
            m_initError = QStringLiteral("the speech synthesiser could not start with its data "
                                         "in \"%1\"")
                              .arg(path);
            *error = m_initError;
            return false;
        }
        espeak_SetSynthCallback(collect);
        m_sampleRate = rate;
        m_dataPath = path;
        listVoices();
        return true;
    }

    // The synthesiser counts characters (code points) from 1; the text's
    // positions are UTF-16 units.
    static QVector<SpokenWord> wordsOf(const QString &text, const QVector<espeak_EVENT> &events)
    {
        QVector<int> unitOf; // code point index -> UTF-16 position
        unitOf.reserve(text.size() + 1);
        for (int i = 0; i < text.size(); ++i) {
            unitOf.append(i);
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                text.at(i + 1).isLowSurrogate())
                ++i;
        }
        const int codePoints = int(unitOf.size());
        unitOf.append(int(text.size()));

        QVector<SpokenWord> words;
        for (const espeak_EVENT &e : events) {
            const int first = e.text_position - 1;
            if (first < 0 || first >= codePoints)
                continue;
            SpokenWord w;
            w.start = unitOf.at(first);
            if (e.length > 0) {
                w.length = unitOf.at(qMin(codePoints, first + e.length)) - w.start;
            } else {
                int end = w.start;
                while (end < text.size() && !text.at(end).isSpace())
                    ++end;
                w.length = end - w.start;
            }
            w.ms = qMax(0, e.audio_position);
            if (w.length > 0 && (words.isEmpty() || words.constLast().start != w.start))
                words.append(w);
        }
        return words;
    }

    int m_sampleRate = 0;
    QString m_initError;
    QString m_dataPath;
    QSet<QString> m_voices;
};

} // namespace

int Utterance::durationMs() const
{
    if (sampleRate <= 0)
        return 0;
    return int(qint64(pcm.size() / 2) * 1000 / sampleRate);
}

Voice::Voice(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Utterance>();
    auto *worker = new Worker;
    worker->moveToThread(&m_thread);
    m_worker = worker;
    m_thread.setObjectName(QStringLiteral("voice"));
    m_thread.start();
    // Results come back on this object's thread, to the one who asked.
    connect(this, &Voice::synthesized, this, [this](quint64 id, const Utterance &u) {
        const Request request = m_requests.take(id);
        if (request.asker && request.done)
            request.done(u);
    });
}

Voice::~Voice()
{
    // The synthesiser is shut down on the thread that started it.
    QObject *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void Voice::synthesize(const QString &text, const CharacterVoice &voice, QObject *asker, Done done)
{
    const quint64 id = ++m_lastId;
    m_requests.insert(id, {asker, std::move(done)});
    auto *worker = static_cast<Worker *>(m_worker);
    QMetaObject::invokeMethod(
        worker,
        [this, worker, id, text, voice] {
            // Emitted on the worker thread; the connection above queues it.
            emit synthesized(id, worker->synthesize(text, voice));
        },
        Qt::QueuedConnection);
}

QString Voice::dataPath()
{
    QStringList candidates;
#ifdef QUORNEL_ESPEAK_DATA_DIR
    candidates << QStringLiteral(QUORNEL_ESPEAK_DATA_DIR);
#endif
    candidates << QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data")
               << QStringLiteral("/usr/lib/aarch64-linux-gnu/espeak-ng-data")
               << QStringLiteral("/usr/lib/espeak-ng-data")
               << QStringLiteral("/usr/share/espeak-ng-data")
               << QStringLiteral("/usr/local/share/espeak-ng-data");
    for (const QString &dir : candidates) {
        if (QFileInfo::exists(dir + QStringLiteral("/phontab")))
            return QDir(dir).absolutePath();
    }
    return {};
}

#include "voice.moc"
