// SPDX-License-Identifier: MIT
#pragma once

#include "sqlitefile.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QTimer;

// The store's file, on a thread of its own once the store has opened it, so
// that the program's thread never waits for a lock, the disk or a fold:
// it writes the changes it is handed, folds the log back into the file
// when writes pause, and notices what another program writes, reading
// the records again then. What it has to say it says through the
// callbacks, which run on the store's thread, in the order it said it.
class StoreWorker {
public:
    struct Written {
        quint64 upTo = 0; // the writes it carried
        bool landed = false;
        SqliteFile::Failure failure;
        bool room = true; // the disk has room again after it was full
    };
    struct Reports {
        QObject *context; // the store: callbacks run on its thread
        std::function<void(const Written &)> written;
        // The records as another program left them; only the fields found
        // in the file are given.
        std::function<void(const SqliteFile::Record &, const SqliteFile::Found &)> changedElsewhere;
        std::function<void(bool room)> roomChecked;
    };

    StoreWorker(std::unique_ptr<SqliteFile> file, Reports reports);
    // Closes the file once the work asked for is done.
    ~StoreWorker();

    StoreWorker(const StoreWorker &) = delete;
    StoreWorker &operator=(const StoreWorker &) = delete;

    // Each returns at once; the work is done on the worker thread, in order.
    void write(quint64 upTo, std::vector<SqliteFile::Change> changes, SqliteFile::Record whole);
    void checkRoom();
    // The last changes: they may wait this long for another program's lock.
    // Then the file is closed and the thread ends.
    void finish(std::vector<SqliteFile::Change> changes, SqliteFile::Record whole, int waitMs);

    int folds() const { return m_folds.load(); }

private:
    void post(std::function<void()> job);
    void report(std::function<void()> call);
    void watch();
    void look();
    void lookSoon();
    void wrote(bool repaired);
    void fold();

    std::unique_ptr<SqliteFile> m_file; // used on the worker thread only
    Reports m_reports;
    std::atomic<int> m_folds{0};
    bool m_full = false; // the last write found the disk full
    bool m_finishing = false;
    // Live on the worker thread.
    QObject *m_home = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_look = nullptr; // the next look at the file
    int m_lookStep = 0;
    QTimer *m_idle = nullptr; // folds the log once writes pause
    QThread m_thread;
};
