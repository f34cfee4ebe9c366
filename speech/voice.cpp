// SPDX-License-Identifier: MIT
#include "voice.h"

#include "voicelanguages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstring>
#include <functional>

#include <espeak-ng/speak_lib.h>

namespace {

// Pieces after the first hold at least this much sound, so that a long
// text does not cost a signal every few milliseconds of speech.
constexpr int pieceMs = 250;

// What the synthesiser's callback gathers for one request.
struct Collected {
    std::function<void(VoicePiece &)> send;
    QString text;
    QVector<int> unitOf; // the text's code points -> UTF-16 positions
    int lastWordStart = -1;
    int sampleRate = 0;
    qint64 bytesLeft = 0;
    bool sentAny = false;
    VoicePiece piece;

    void addWord(const espeak_EVENT &e)
    {
        const int codePoints = int(unitOf.size()) - 1;
        const int first = e.text_position - 1; // counted from 1
        if (first < 0 || first >= codePoints)
            return;
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
        if (w.length > 0 && w.start != lastWordStart)
            piece.words.append(w);
        lastWordStart = w.start;
    }

    void flush(bool last)
    {
        piece.sampleRate = sampleRate;
        piece.last = last;
        send(piece);
        piece = VoicePiece();
        sentAny = true;
    }
};

int collect(short *samples, int count, espeak_EVENT *events)
{
    auto *c = events ? static_cast<Collected *>(events->user_data) : nullptr;
    if (!c)
        return 0;
    for (const espeak_EVENT *e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type == espeakEVENT_WORD) {
            c->addWord(*e);
        } else if (e->type == espeakEVENT_PHONEME) {
            const char *name = e->id.string;
            c->piece.phonemes.append(
                {e->audio_position,
                 QString::fromLatin1(name, int(qstrnlen(name, sizeof e->id.string)))});
        }
    }
    if (samples && count > 0) {
        const qint64 bytes = qint64(count) * qint64(sizeof(short));
        if (bytes > c->bytesLeft)
            return 1; // long enough: stop synthesising
        c->bytesLeft -= bytes;
        c->piece.pcm.append(reinterpret_cast<const char *>(samples), int(bytes));
        const qint64 pieceBytes = qint64(c->sampleRate) * 2 * pieceMs / 1000;
        if (!c->sentAny || c->piece.pcm.size() >= pieceBytes)
            c->flush(false);
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

    void synthesize(const QString &text, const CharacterVoice &voice,
                    const std::function<void(VoicePiece &)> &send)
    {
        QString error;
        if (!initialise(&error)) {
            VoicePiece failed;
            failed.last = true;
            failed.error = error;
            send(failed);
            return;
        }
        // A voice the synthesiser's own data does not provide (one that
        // would hand the speech to another program, say) speaks with "en".
        const QByteArray name = voice.name.toUtf8();
        if (!isProvided(voice.name) || espeak_SetVoiceByName(name.constData()) != EE_OK)
            espeak_SetVoiceByName("en");
        espeak_SetParameter(espeakRATE, qBound(espeakRATE_MINIMUM, voice.rate, espeakRATE_MAXIMUM),
                            0);
        espeak_SetParameter(espeakPITCH, qBound(0, voice.pitch, 100), 0);

        Collected c;
        c.send = send;
        c.text = text;
        c.sampleRate = m_sampleRate;
        c.bytesLeft = qint64(m_sampleRate) * Voice::maxSeconds * qint64(sizeof(short));
        // The synthesiser counts characters (code points); the text's
        // positions are UTF-16 units.
        for (int i = 0; i < text.size(); ++i) {
            c.unitOf.append(i);
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                text.at(i + 1).isLowSurrogate())
                ++i;
        }
        c.unitOf.append(int(text.size()));
        const QByteArray utf8 = text.toUtf8();
        const espeak_ERROR rc = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                             POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &c);
        if (rc != EE_OK)
            c.piece.error = QStringLiteral("the speech synthesiser failed (error %1)").arg(int(rc));
        c.flush(true);
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

public:
    int sampleRate() const { return m_sampleRate; }

    bool initialise(QString *error)
    {
        if (m_sampleRate > 0)
            return true;
        if (m_initError.isEmpty()) {
            const QString path = Voice::dataPath();
            const QByteArray native = QFile::encodeName(path);
            const int rate =
                path.isEmpty() ? 0
                               : espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, native.constData(),
                                                   espeakINITIALIZE_DONT_EXIT |
                                                       espeakINITIALIZE_PHONEME_EVENTS);
            if (rate > 0) {
                espeak_SetSynthCallback(collect);
                m_sampleRate = rate;
                m_dataPath = path;
                listVoices();
                return true;
            }
            m_initError = path.isEmpty()
                              ? QStringLiteral("the speech synthesiser's data (espeak-ng-data) "
                                               "was not found")
                              : QStringLiteral("the speech synthesiser could not start with its "
                                               "data in \"%1\"")
                                    .arg(path);
        }
        *error = m_initError;
        return false;
    }

private:
    int m_sampleRate = 0;
    QString m_initError;
    QString m_dataPath;
    QSet<QString> m_voices;
};

} // namespace

Voice::Voice(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<VoicePiece>();
    auto *worker = new Worker;
    worker->moveToThread(&m_thread);
    m_worker = worker;
    m_thread.setObjectName(QStringLiteral("voice"));
    m_thread.start();
    // Pieces come back on this object's thread, to the one who asked.
    connect(this, &Voice::made, this, [this](quint64 id, const VoicePiece &piece) {
        const auto it = m_requests.constFind(id);
        if (it == m_requests.constEnd())
            return;
        Request request = *it; // a copy: the entry may go now
        if (piece.last)
            m_requests.erase(it);
        if (request.asker)
            request.sink(piece);
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

void Voice::synthesize(const QString &text, const CharacterVoice &voice, QObject *asker, Sink sink)
{
    const quint64 id = ++m_lastId;
    m_requests.insert(id, {asker, std::move(sink)});
    auto *worker = static_cast<Worker *>(m_worker);
    QMetaObject::invokeMethod(
        worker,
        [this, worker, id, text, voice] {
            // Emitted on the worker thread; the connection above queues it.
            worker->synthesize(text, voice, [this, id](VoicePiece &p) { emit made(id, p); });
        },
        Qt::QueuedConnection);
}

void Voice::prepare(QObject *asker, const std::function<void(int sampleRate)> &ready)
{
    auto *worker = static_cast<Worker *>(m_worker);
    QPointer<QObject> to(asker);
    QMetaObject::invokeMethod(
        worker,
        [worker, to, ready] {
            QString error; // told with the first text
            const int rate = worker->initialise(&error) ? worker->sampleRate() : 0;
            QMetaObject::invokeMethod(
                to,
                [to, ready, rate] {
                    if (to)
                        ready(rate);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

QString Voice::dataPath()
{
    return voicelanguages::dataPath();
}

#include "voice.moc"
