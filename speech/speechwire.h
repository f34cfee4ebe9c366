// SPDX-License-Identifier: MIT
#pragma once

// What the program and its speaker (the process that holds the voice and the
// sound device) say to each other over the speaker's standard input and
// output: messages of a 32-bit length and a QDataStream body.
//
//   to the speaker:   Speak id text voice rate pitch | Play id | Drop id |
//                     Prepare 0 (a reading is likely soon)
//   from the speaker: Update id words phonemes loudness complete error
//                            position finished audible
//
// An update carries what is new since the last one of the same speech.

#include "engine.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// The words and sounds of a speech, as the messages carry them.
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

namespace speechwire {

enum Kind : quint8 { Speak = 1, Play = 2, Drop = 3, Update = 4, Prepare = 5 };

// Writes one message whose body `write` fills.
template <class Write> void send(QIODevice *to, Write write)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    write(out);
    QByteArray message;
    QDataStream(&message, QIODevice::WriteOnly) << quint32(body.size());
    to->write(message + body);
}

// Takes each whole message off the front of `buffer` and hands its body to
// `read`.
template <class Read> void receive(QByteArray *buffer, Read read)
{
    while (buffer->size() >= 4) {
        quint32 size = 0;
        QDataStream(*buffer) >> size;
        if (quint32(buffer->size()) < 4 + size)
            return;
        const QByteArray body = buffer->mid(4, size);
        buffer->remove(0, 4 + int(size));
        QDataStream in(body);
        in.setVersion(QDataStream::Qt_6_0);
        read(in);
    }
}

} // namespace speechwire
