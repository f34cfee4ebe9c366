// SPDX-License-Identifier: MIT
#pragma once

#include "fields.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>

#include <array>
#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class StoreWorker;

// The note store: one SQLite file with the settings row (table "Form") and
// the note row (table "Note"). Only the first record of each table is
// used. Columns carry no declared type, so every value comes back with
// the type it was written with.
//
// Nothing the user changes is dropped without a word: a change that cannot
// be written is held here, read back by every read, and written with the
// next write or by a retry a moment later, until it lands. Calls made while
// the program runs never wait for a lock, flush to the disk or fold the
// log: changes are written on a worker thread.
class NoteStore : public QObject {
    Q_OBJECT

public:
    static const QString fileName;

    // Opens the store at `path`, creating a fresh one with the defaults when
    // there is no file and adding any table, first row or field that is
    // missing. A file that cannot be opened or read as a store is left
    // exactly as it was: the result is null and `error` names the file and
    // the reason. A store that can be read but not written (a read-only
    // file, folder or disk) opens for reading: see readOnlyMessage().
    static std::unique_ptr<NoteStore> open(const QString &path, const Defaults &defaults,
                                           QString *error);
    // Begins to load what opening needs on a thread of its own, for the
    // program to do something else meanwhile.
    static void loadAhead();
    // Writes what is still held, waiting a little for a lock if need be.
    ~NoteStore() override;

    const QString &path() const { return m_path; }
    const Defaults &defaults() const { return m_defaults; }

    // The field's value in its table's first record with the field's
    // reading rule applied (see fields::read): the file's current value, or
    // the change not yet written for it.
    QVariant value(const Field &field);
    // Whether a switch is on, by the field's own test (see fields::isOn).
    bool isOn(const Field &field) { return fields::isOn(field, stored(field)); }
    // The value as it lies in the file (a number, a text, or null), or as it
    // will lie there once the change not yet written for it is.
    QVariant stored(const Field &field);

    // Sets fields of one table's first record. The change is read back at
    // once and written on the worker thread together with every change
    // still held; a failure is reported by writeFailed().
    void write(std::initializer_list<Assignment> values);

    // Runs `then` (unless `context` is gone by then) once every change
    // written so far has landed in the file, on the disk, or a write has
    // failed (and the failure was reported): at once when nothing is on its
    // way. The window's thread never waits for it.
    void whenLanded(QObject *context, std::function<void()> then);

    // Whether every change is kept: false from a failed write until all
    // that was held has been written, and from the start when the store is
    // read-only. (A write under way on the worker thread is being kept.)
    bool isKeeping() const { return m_keeping && !m_readOnly; }

    // Whether changes wait to be written: held after a failed write, or on
    // their way on the worker thread.
    bool isWaiting() const;

    // Not empty when the store could only be opened for reading: a message
    // naming the file, for the program to show once.
    const QString &readOnlyMessage() const { return m_readOnlyMessage; }

    // How long a held change waits before it is tried again (ms).
    void setRetryInterval(int ms) { m_retry.setInterval(ms); }
    // How long the store stays unused before it rests (ms): it then closes
    // the file, which folds the log into it and removes the log and its
    // index, and gives SQLite back. The next read or write opens the file
    // again and reads what another program may have written meanwhile.
    void setRestDelay(int ms)
    {
        m_restDelay = ms;
        if (m_rest.isActive())
            m_rest.start(ms);
    }
    // Whether the file is closed for now.
    bool isResting() const { return m_state == State::Closed; }
    // Log folds done so far (for the benchmark).
    int folds() const;

signals:
    // A write failed while every change was kept: once per failure episode,
    // which ends when everything held has been written.
    void writeFailed(const QString &message);
    void keepingChanged(bool keeping);
    // Emitted on the worker thread when it is done with a piece of work.
    void workerFinished(QPrivateSignal);

private:
    // One field: its value in the file (as last read or written by us), the
    // change held for it and the change on its way on the worker thread.
    struct Slot {
        QVariant stored;
        QVariant held;
        QVariant sent;
        bool isHeld = false;
        bool isSent = false;
        bool stale = true; // another program may have written since it was read
        QVariant current() const { return isHeld ? held : isSent ? sent : stored; }
    };
    static constexpr int fieldCount = int(std::size(fields::all));
    struct Failure {
        int code = 0;
        QString reason;
    };
    struct Update {
        QByteArray sql;
        QVariantList values; // the last one the record's rowid
    };

    // The connection: open, being closed on the worker thread, or closed.
    enum class State { Open, Closing, Closed };

    NoteStore(const QString &path, const Defaults &defaults);
    bool openForReading(QString *why);
    bool openAgain(Failure *failure);
    void startWorker();
    void used();
    void restWhenQuiet();
    void closed();
    bool checkWhole(QString *why);
    bool prepareSchema(QString *why);
    bool ensureTable(Table table, Failure *failure);
    void findFirstRows();
    sqlite3_stmt *statement(const QByteArray &sql);
    bool run(const QByteArray &sql, Failure *failure);
    static Failure failure(sqlite3 *db, int code);
    static Failure gone(Table table);
    QString message(const Failure &failure) const;
    bool mayUseConnection(std::unique_lock<std::mutex> *lock);

    Slot &slot(const Field &field);
    void refresh();
    void load(int index);
    void loadRecord(Table table);
    bool anyHeld(Table table) const;
    Update heldUpdate(Table table) const;
    bool update(Table table, const Update &update, Failure *failure);
    void flush();
    bool land(Failure *failure);
    void send();
    bool takeSent(Failure *failure);
    void workerDone();
    void succeeded();
    void failed(const Failure &failure);
    void endEpisode();
    bool hasRoom() const;
    void settle(bool failed);
    void checkpointWhenIdle();
    static int walHook(void *store, sqlite3 *db, const char *name, int pages);

    QString m_path;
    Defaults m_defaults;
    sqlite3 *m_db = nullptr;
    bool m_readOnly = false;
    QString m_readOnlyMessage;
    std::array<Slot, fieldCount> m_slots;
    qint64 m_firstRow[2] = {0, 0};
    QByteArray m_rowid[2] = {"rowid", "rowid"}; // how each table's records are addressed
    bool m_repair[2] = {false, false};          // the record or table went missing
    qint64 m_dataVersion = -1;
    QHash<QByteArray, sqlite3_stmt *> m_statements;
    bool m_keeping = true; // no failure episode going on
    int m_episode = 0;     // the failure that began it
    quint64 m_writes = 0;  // writes made so far
    quint64 m_landed = 0;  // of them landed
    struct Waiter {
        quint64 upTo;
        QPointer<QObject> context;
        std::function<void()> then;
    };
    std::vector<Waiter> m_waiters;
    // The changes on their way on the worker thread, and how it went.
    struct Sent {
        bool inFlight = false;
        quint64 upTo = 0; // the writes it carries
        std::atomic<bool> done{false};
        bool landed = false;
        int gone = -1; // the table whose record or table went missing
        Failure failure;
    };
    Sent m_sent;
    QTimer m_retry;
    QTimer m_idle;
    QElapsedTimer m_sinceWrite;
    State m_state = State::Open;
    bool m_library = false; // SQLite acquired
    int m_restDelay;
    QTimer m_rest;
    QElapsedTimer m_sinceUse;
    QElapsedTimer m_sinceFailedOpen; // reads do not try again at once
    int m_foldsBefore = 0;           // by workers that have ended
    std::unique_ptr<StoreWorker> m_worker;
};

QString tableName(Table table);
