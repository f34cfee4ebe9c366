// SPDX-License-Identifier: MIT
#include "storeworker.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <iterator>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Writes pause this long (ms) before the log is folded.
constexpr int idleDelay = 1500;
// A log this long (in pages, about 4 MB) is folded at once.
constexpr int foldAfterPages = 1000;
// A writer appends its change to the log, which tells the watcher, and
// only then flushes it and marks it committed, which tells nobody: after a
// change to the files the store looks this long (ms) later, and again in
// case the writer's flush took longer.
constexpr int looksAfterChange[] = {20, 200, 1000};
// Where the file cannot be watched, it is looked at this often (ms).
constexpr int pollInterval = 1000;

} // namespace

StoreWorker::StoreWorker(std::unique_ptr<SqliteFile> file, Reports reports)
    : m_file(std::move(file)), m_reports(std::move(reports))
{
    m_home = new QObject;
    m_home->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("note store"));
    m_thread.start();
    post([this] { watch(); });
}

StoreWorker::~StoreWorker()
{
    if (!m_finishing)
        finish({}, {}, 0);
    m_thread.wait();
    delete m_home;
}

void StoreWorker::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_home, std::move(job), Qt::QueuedConnection);
}

void StoreWorker::report(std::function<void()> call)
{
    QMetaObject::invokeMethod(m_reports.context, std::move(call), Qt::QueuedConnection);
}

// On the worker thread, first thing.
void StoreWorker::watch()
{
    // Background work: waking this thread must not take the processor from
    // the user interface. (On Linux a thread has a niceness of its own.)
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
    m_look = new QTimer(m_home);
    m_look->setSingleShot(true);
    QObject::connect(m_look, &QTimer::timeout, m_home, [this] {
        look();
        if (m_look->isSingleShot() && m_lookStep + 1 < int(std::size(looksAfterChange)))
            m_look->start(looksAfterChange[++m_lookStep]);
    });
    m_idle = new QTimer(m_home);
    m_idle->setSingleShot(true);
    m_idle->setInterval(idleDelay);
    QObject::connect(m_idle, &QTimer::timeout, m_home, [this] { fold(); });

    // Another program's change lands in the log (or, once folded, in the
    // file): either changing is the moment to look.
    m_watcher = new QFileSystemWatcher(m_home);
    QStringList files{m_file->path()};
    if (QFileInfo::exists(m_file->path() + QStringLiteral("-wal")))
        files << m_file->path() + QStringLiteral("-wal");
    const QStringList unwatched = m_watcher->addPaths(files);
    QObject::connect(m_watcher, &QFileSystemWatcher::fileChanged, m_home, [this] { lookSoon(); });
    if (!unwatched.isEmpty()) {
        m_look->setSingleShot(false);
        m_look->start(pollInterval);
        return;
    }
    lookSoon(); // what was written since the store read the file
}

// Looks at the file a few times over the next second. Changes that keep
// coming (a drag writing the window's place) are looked at on the way.
void StoreWorker::lookSoon()
{
    m_lookStep = 0;
    if (!m_look->isActive())
        m_look->start(looksAfterChange[0]);
}

void StoreWorker::look()
{
    if (!m_file || !m_file->changedElsewhere())
        return;
    SqliteFile::Record values;
    SqliteFile::Found found;
    m_file->read(&values, &found);
    report(
        [this, values = std::move(values), found] { m_reports.changedElsewhere(values, found); });
}

void StoreWorker::write(quint64 upTo, std::vector<SqliteFile::Change> changes,
                        SqliteFile::Record whole)
{
    post([this, upTo, changes = std::move(changes), whole = std::move(whole)] {
        const bool repairing = m_file->isRepairing();
        Written w;
        w.upTo = upTo;
        w.landed = m_file->write(changes, whole, &w.failure);
        if (!w.landed)
            m_full = m_full || w.failure.isFull();
        else if (m_full)
            m_full = !(w.room = m_file->hasRoom());
        report([this, w] { m_reports.written(w); });
        if (w.landed)
            wrote(repairing);
    });
}

void StoreWorker::wrote(bool repaired)
{
    // A record put back may not be the first one any longer: both are read
    // again, as another program's change is.
    if (repaired) {
        SqliteFile::Record values;
        SqliteFile::Found found;
        m_file->read(&values, &found);
        report([this, values = std::move(values), found] {
            m_reports.changedElsewhere(values, found);
        });
    }
    if (m_file->logPages() >= foldAfterPages)
        fold();
    else
        m_idle->start();
}

void StoreWorker::fold()
{
    if (m_file->fold())
        ++m_folds;
}

void StoreWorker::checkRoom()
{
    post([this] {
        const bool room = !m_full || m_file->hasRoom();
        m_full = !room;
        report([this, room] { m_reports.roomChecked(room); });
    });
}

void StoreWorker::finish(std::vector<SqliteFile::Change> changes, SqliteFile::Record whole,
                         int waitMs)
{
    m_finishing = true;
    post([this, changes = std::move(changes), whole = std::move(whole), waitMs] {
        if (!changes.empty() && !m_file->isReadOnly()) {
            m_file->setBusyTimeout(waitMs);
            SqliteFile::Failure ignored;
            m_file->write(changes, whole, &ignored);
        }
        qDeleteAll(m_home->children());
        m_file.reset(); // folds the log into the file
        m_home->moveToThread(nullptr);
        m_thread.quit();
    });
}
