// SPDX-License-Identifier: MIT
#include "storeworker.h"
#include "sqlitelib.h"

#include <string>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const sqlitelib::Api &sq()
{
    return sqlitelib::api();
}

} // namespace

StoreWorker::StoreWorker(sqlite3 *storeConnection, std::function<void()> done)
    : m_store(storeConnection), m_done(std::move(done)), m_thread([this] { run(); })
{}

StoreWorker::~StoreWorker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void StoreWorker::requestFold()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_foldRequested = true;
    }
    m_wake.notify_one();
}

void StoreWorker::use(std::function<void(sqlite3 *)> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void StoreWorker::close()
{
    use([this](sqlite3 *db) {
        sq().close(db);
        m_store = nullptr;
        m_closed = true;
    });
}

void StoreWorker::run()
{
    // Background work: waking this thread must not take the processor from
    // the user interface. (On Linux a thread has a niceness of its own.)
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_foldRequested || !m_jobs.empty() || m_stop; });
        if (!m_jobs.empty()) {
            auto job = std::move(m_jobs.front());
            m_jobs.pop_front();
            lock.unlock();
            {
                std::lock_guard<std::mutex> connection(m_connection);
                job(m_store);
            }
            m_done();
        } else if (m_stop) {
            break; // a fold left undone is done by closing the store
        } else {
            m_foldRequested = false;
            lock.unlock();
            fold();
        }
        lock.lock();
    }
}

void StoreWorker::fold()
{
    {
        // Through the store's own connection, which the store leaves alone
        // meanwhile. A second connection in this process would share the
        // log's index with the store's, and a store write could then wait on
        // this thread for the index.
        std::lock_guard<std::mutex> connection(m_connection);
        int pages = 0, folded = 0;
        if (m_store &&
            sq().wal_checkpoint_v2(m_store, nullptr, SQLITE_CHECKPOINT_PASSIVE, &pages, &folded) ==
                SQLITE_OK &&
            pages > 0) {
            if (pages == folded)
                startLogAfresh();
            ++m_folds;
        }
    }
    m_done(); // the store writes what it held meanwhile
}

// Writes the file's user version back unchanged: the write starts the log
// afresh and flushes its header here, not in the store's next write.
void StoreWorker::startLogAfresh()
{
    sqlite3_stmt *st = nullptr;
    int version = 0;
    if (sq().prepare_v2(m_store, "PRAGMA user_version", -1, &st, nullptr) == SQLITE_OK &&
        sq().step(st) == SQLITE_ROW)
        version = sq().column_int(st, 0);
    sq().finalize(st);
    const std::string sql =
        "BEGIN IMMEDIATE; PRAGMA user_version = " + std::to_string(version) + "; COMMIT";
    if (sq().exec(m_store, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK &&
        !sq().get_autocommit(m_store))
        sq().exec(m_store, "ROLLBACK", nullptr, nullptr, nullptr);
}
