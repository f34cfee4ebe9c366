// SPDX-License-Identifier: MIT
#pragma once

#include "fields.h"
#include "sqlitefile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class StoreWorker;

// The note store as the program sees it: every field of the two records,
// held in memory. Reads are served from here; a change is read back at once
// and handed to the store's worker thread, which writes it to the file; so
// the program's thread never touches the file once the store is open.
//
// Nothing the user changes is dropped without a word: a change that cannot
// be written is held here and tried again until it lands, and the failure is
// reported once per episode. What another program writes is noticed by the
// worker and announced like a change of the program's own.
class NoteStore : public QObject {
    Q_OBJECT

public:
    static const QString fileName;

    // Opens the store at `path` (see SqliteFile::open), reading both
    // records. The result is null when the file cannot be used; `error`
    // then says why.
    static std::unique_ptr<NoteStore> open(const QString &path, const Defaults &defaults,
                                           QString *error);
    // Writes what is still held, waiting a little for a lock if need be,
    // and closes the file.
    ~NoteStore() override;

    const QString &path() const { return m_path; }
    const Defaults &defaults() const { return m_defaults; }

    // The field's value, its reading rule applied.
    template <class T> T get(const Setting<T> &field) const
    {
        return fields::read(field, stored(field), m_defaults).template value<T>();
    }
    // The value as it lies in the file (a number, a text, or no value), or as
    // it will once the change made to it has landed.
    QVariant stored(const Field &field) const;

    // One edit of a record: sets fields of one table together. The change
    // is read back at once and announced; it lands on the worker thread.
    void write(std::initializer_list<Change> changes);
    template <class T> void set(const Setting<T> &field, const typename Change::Same<T>::type &v)
    {
        write({{field, v}});
    }

    // Runs `f(value)` (the field's type) whenever the field's value changes,
    // by this program or another, while `context` lives.
    template <class T, class F>
    QMetaObject::Connection watch(const Setting<T> &field, const QObject *context, F f)
    {
        return connect(this, &NoteStore::changed, context, [this, &field, f](const Field *c) {
            if (c == &field)
                f(get(field));
        });
    }

    // Runs `then` (unless `context` is gone by then) once every change made
    // so far has landed in the file, on the disk, or a write has failed (and
    // the failure was reported): at once when nothing is on its way.
    void whenLanded(QObject *context, std::function<void()> then);

    // Whether every change is kept: false from a failed write until all that
    // was held has been written (and a full disk has room again), and from
    // the start when the store is read-only.
    bool isKeeping() const { return m_keeping && !m_readOnly; }
    // Whether changes wait to be written: held, or on their way.
    bool isWaiting() const;

    // Not empty when the store could only be opened for reading: a message
    // naming the file, for the program to show once.
    const QString &readOnlyMessage() const { return m_readOnlyMessage; }

    // How long a held change waits before it is tried again (ms).
    void setRetryInterval(int ms) { m_retry.setInterval(ms); }
    // Log folds done so far (for the benchmark).
    int folds() const;

signals:
    // A field's value changed: by a write of the program's own (at once) or
    // by another program (once the worker has seen it).
    void changed(const Field *field);
    // A write failed while every change was kept: once per failure episode.
    void writeFailed(const QString &message);
    void keepingChanged(bool keeping);

private:
    // One field: its value in the file (as last read or written), the change
    // held for it and the change on its way to the file.
    struct Slot {
        QVariant stored;
        QVariant held;
        QVariant sent;
        bool isHeld = false;
        bool isSent = false;
        const QVariant &current() const { return isHeld ? held : isSent ? sent : stored; }
    };
    struct Waiter {
        quint64 upTo;
        QPointer<QObject> context;
        std::function<void()> then;
    };

    NoteStore(const QString &path, const Defaults &defaults);
    SqliteFile::Record record() const;
    void flush();
    void send();
    void written(quint64 upTo, bool landed, const SqliteFile::Failure &failure, bool room);
    void changedElsewhere(const SqliteFile::Record &values, const SqliteFile::Found &found);
    void failed(const SqliteFile::Failure &failure);
    void endEpisode(bool room);
    void settle(bool failed);

    QString m_path;
    Defaults m_defaults;
    bool m_readOnly = false;
    QString m_readOnlyMessage;
    std::array<Slot, fields::count> m_slots;
    bool m_inFlight = false;
    bool m_keeping = true; // no failure episode going on
    quint64 m_writes = 0;  // writes made so far
    quint64 m_landed = 0;  // of them landed
    std::vector<Waiter> m_waiters;
    QTimer m_retry;
    std::unique_ptr<StoreWorker> m_worker;
};
