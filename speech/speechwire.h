// SPDX-License-Identifier: MIT
#pragma once

// What the program and its speaker (the process that holds the voice and the
// sound device) say to each other: requests on the speaker's standard input,
// reports on a channel of their own (the speaker's standard output as it was
// started; the speaker points its own standard output at its standard
// error, so that nothing a library prints there can come between two
// reports). Each message is a 32-bit length and a QDataStream body:
//
//   to the speaker:   Speak id text voice rate pitch | Play id | Drop id |
//                     Prepare 0 (a reading is likely soon)
//   from the speaker: Hello 0 (it runs; also the answer to Prepare) |
//                     Update id Progress
//
// An update carries what is new of a speech since the last one. The speaker
// sends one as soon as anything changes, and while a speech is being made
// or played at least every beatMs, with its position: a speaker that says
// nothing for longer than that while it should is not answering.

#include "engine.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

namespace speechwire {

enum Kind : quint8 { Speak = 1, Play = 2, Drop = 3, Update = 4, Prepare = 5, Hello = 6 };

// A message longer than any either side sends (a text is at most a few
// hundred kilobytes) means the channel is broken.
inline constexpr quint32 maxMessageBytes = 8 * 1024 * 1024;
// How often a speaker making or playing a speech reports at least.
inline constexpr int beatMs = 200;

// A speech's news.
struct Progress {
    QVector<SpokenWord> words; // new since the last update, as are the next two
    QVector<SpokenPhoneme> phonemes;
    QVector<float> loudness;
    bool complete = false;
    QString error;
    qint64 positionMs = 0;
    bool finished = false;
    bool audible = false;
};

// Reads a list as QDataStream writes one, refusing a count that the bytes
// left cannot hold (QDataStream itself would first make room for them all).
template <class T> void readList(QDataStream &in, QVector<T> *list, qint64 leastBytesEach)
{
    quint32 count = 0;
    in >> count;
    list->clear();
    if (in.status() != QDataStream::Ok)
        return;
    if (qint64(count) * leastBytesEach > in.device()->bytesAvailable()) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    list->reserve(qsizetype(count));
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        T item{};
        in >> item;
        list->append(item);
    }
}

// Whether all that was read from `in` decoded, and nothing is left over.
inline bool decodedWhole(const QDataStream &in)
{
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace speechwire

inline QDataStream &operator<<(QDataStream &out, const SpokenWord &w)
{
    return out << qint32(w.start) << qint32(w.length) << qint32(w.ms);
}
inline QDataStream &operator>>(QDataStream &in, SpokenWord &w)
{
    qint32 start = 0, length = 0, ms = 0;
    in >> start >> length >> ms;
    w = {start, length, ms};
    return in;
}
inline QDataStream &operator<<(QDataStream &out, const SpokenPhoneme &p)
{
    return out << qint32(p.ms) << p.name;
}
inline QDataStream &operator>>(QDataStream &in, SpokenPhoneme &p)
{
    qint32 ms = 0;
    in >> ms >> p.name;
    p.ms = ms;
    return in;
}
inline QDataStream &operator<<(QDataStream &out, const speechwire::Progress &p)
{
    return out << p.words << p.phonemes << p.loudness << p.complete << p.error << p.positionMs
               << p.finished << p.audible;
}
inline QDataStream &operator>>(QDataStream &in, speechwire::Progress &p)
{
    speechwire::readList(in, &p.words, 12);
    speechwire::readList(in, &p.phonemes, 8);
    speechwire::readList(in, &p.loudness, 4);
    return in >> p.complete >> p.error >> p.positionMs >> p.finished >> p.audible;
}

namespace speechwire {

// The bytes of one message whose body `write` fills.
template <class Write> QByteArray message(Write write)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    write(out);
    QByteArray whole;
    QDataStream(&whole, QIODevice::WriteOnly) << quint32(body.size());
    return whole + body;
}

// Takes each whole message off the front of `buffer` and hands its body to
// `read`, which says whether it decoded it. False at the first message that
// is too long or does not decode: past it the channel cannot be trusted.
template <class Read> bool receive(QByteArray *buffer, Read read)
{
    while (buffer->size() >= 4) {
        quint32 size = 0;
        QDataStream(*buffer) >> size;
        if (size > maxMessageBytes)
            return false;
        if (quint32(buffer->size()) < 4 + size)
            return true;
        const QByteArray body = buffer->mid(4, int(size));
        buffer->remove(0, 4 + int(size));
        QDataStream in(body);
        in.setVersion(QDataStream::Qt_6_0);
        if (!read(in))
            return false;
    }
    return true;
}

} // namespace speechwire
