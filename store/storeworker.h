// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

struct sqlite3;

// The store's work that takes long, on a thread of its own, so that no call
// made from the user interface waits for it or flushes anything to the disk:
//
// - Folding the write-ahead log back into the file. A log folded whole is
//   started afresh by the next write, which flushes the log's header to the
//   disk; so this thread starts it itself, with a write of its own.
// - Writing the store's changes.
//
// All of it goes through the store's own connection, so that the store
// does not take these writes for another program's; meanwhile the store
// leaves the connection alone: it never waits for it (see tryConnection()).
class StoreWorker {
public:
    // `done` runs on the worker thread after each use of the connection.
    StoreWorker(sqlite3 *storeConnection, std::function<void()> done);
    ~StoreWorker(); // finishes the work asked for, then ends the thread

    StoreWorker(const StoreWorker &) = delete;
    StoreWorker &operator=(const StoreWorker &) = delete;

    // Asks for a fold and returns at once.
    void requestFold();
    // Runs `job` on the worker thread with the store's connection.
    void use(std::function<void(sqlite3 *)> job);
    // Closes the connection after the work asked for so far, which folds
    // the log into the file (and flushes it) when no other program has the
    // file open. The store must have finalized its statements.
    void close();
    bool isClosed() const { return m_closed.load(); }
    // Owned while the store may use its connection; not owned while this
    // thread uses it (the store then holds its writes and reads what it
    // read last).
    std::unique_lock<std::mutex> tryConnection()
    {
        return std::unique_lock<std::mutex>(m_connection, std::try_to_lock);
    }
    int folds() const { return m_folds.load(); }

private:
    void run();
    void fold();
    void startLogAfresh();

    sqlite3 *m_store; // the store's connection, used under m_connection
    std::function<void()> m_done;
    std::mutex m_connection;
    std::mutex m_mutex; // guards what follows
    std::condition_variable m_wake;
    bool m_foldRequested = false;
    std::deque<std::function<void(sqlite3 *)>> m_jobs;
    bool m_stop = false;
    std::atomic<int> m_folds{0};
    std::atomic<bool> m_closed{false};
    std::thread m_thread;
};
