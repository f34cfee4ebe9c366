// SPDX-License-Identifier: MIT
#include "notestore.h"

#include "storeworker.h"

const QString NoteStore::fileName = QStringLiteral("Quornel Desktop Notes.save");

namespace {

// At exit, changes still held may wait this long for a lock to go.
constexpr int closingWait = 1000;
// A held change is tried again this often (ms).
constexpr int retryInterval = 1000;

// Values as they lie in the file are the same only when they are of one
// type: the integer 1 and the text "1" are different values.
bool same(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.typeId() == b.typeId() && a == b;
}

} // namespace

NoteStore::NoteStore(const QString &path, const Defaults &defaults)
    : m_path(path), m_defaults(defaults)
{
    m_retry.setInterval(retryInterval);
    connect(&m_retry, &QTimer::timeout, this, &NoteStore::flush);
}

NoteStore::~NoteStore()
{
    if (!m_worker)
        return;
    // Everything not known to have landed goes with the last write: a change
    // on its way may yet fail.
    std::vector<SqliteFile::Change> last;
    for (int i = 0; i < fields::count; ++i) {
        const Slot &s = m_slots[size_t(i)];
        if (s.isHeld || s.isSent)
            last.push_back({i, s.current()});
    }
    m_worker->finish(std::move(last), record(), closingWait);
    m_worker.reset();
}

std::unique_ptr<NoteStore> NoteStore::open(const QString &path, const Defaults &defaults,
                                           QString *error)
{
    std::unique_ptr<NoteStore> store(new NoteStore(path, defaults));
    SqliteFile::Record fresh, values;
    for (int i = 0; i < fields::count; ++i) {
        const Field &field = *fields::all[i];
        fresh[size_t(i)] = fields::encode(field, defaults.fresh(field));
    }
    QString why;
    std::unique_ptr<SqliteFile> file =
        SqliteFile::open(path, fresh, &values, error ? error : &why, &store->m_readOnlyMessage);
    if (!file)
        return nullptr;
    store->m_path = file->path();
    store->m_readOnly = file->isReadOnly();
    for (int i = 0; i < fields::count; ++i)
        store->m_slots[size_t(i)].stored = values[size_t(i)];

    NoteStore *self = store.get();
    StoreWorker::Reports reports{
        self,
        [self](const StoreWorker::Written &w) {
            self->written(w.upTo, w.landed, w.failure, w.room);
        },
        [self](const SqliteFile::Record &v, const SqliteFile::Found &found) {
            self->changedElsewhere(v, found);
        },
        [self](bool room) { self->endEpisode(room); },
    };
    store->m_worker = std::make_unique<StoreWorker>(std::move(file), std::move(reports));
    return store;
}

QVariant NoteStore::stored(const Field &field) const
{
    return m_slots[size_t(fields::indexOf(field))].current();
}

SqliteFile::Record NoteStore::record() const
{
    SqliteFile::Record all;
    for (int i = 0; i < fields::count; ++i)
        all[size_t(i)] = m_slots[size_t(i)].current();
    return all;
}

void NoteStore::write(std::initializer_list<Change> changes)
{
    ++m_writes;
    std::vector<const Field *> announced;
    for (const Change &c : changes) {
        Q_ASSERT(c.field.table == changes.begin()->field.table);
        Slot &s = m_slots[size_t(fields::indexOf(c.field))];
        QVariant value = fields::encode(c.field, c.value);
        if (!same(value, s.current()))
            announced.push_back(&c.field);
        s.held = std::move(value);
        s.isHeld = true;
    }
    // Announced once every field of the edit holds its new value.
    for (const Field *field : announced)
        emit changed(field);
    if (!m_readOnly)
        flush();
}

bool NoteStore::isWaiting() const
{
    if (m_inFlight)
        return true;
    for (const Slot &s : m_slots) {
        if (s.isHeld)
            return true;
    }
    return false;
}

// Sends what is held, unless a write is on its way already (what is held
// then goes once it is back). With nothing held, a failure episode may be
// over: the worker looks whether the disk has room again.
void NoteStore::flush()
{
    if (m_inFlight || !m_worker)
        return;
    if (isWaiting())
        send();
    else if (!m_keeping)
        m_worker->checkRoom();
}

// Hands every held change to the worker thread, in one transaction, with
// every field as the program shows it, to put back a record another
// program removed. Until it is back, the changes are read from here.
void NoteStore::send()
{
    std::vector<SqliteFile::Change> changes;
    for (int i = 0; i < fields::count; ++i) {
        Slot &s = m_slots[size_t(i)];
        if (!s.isHeld)
            continue;
        changes.push_back({i, s.held});
        s.sent = std::exchange(s.held, QVariant());
        s.isSent = true;
        s.isHeld = false;
    }
    m_inFlight = true;
    m_worker->write(m_writes, std::move(changes), record());
}

// What the worker sent landed, or it failed and is held again (unless a
// newer change is held already).
void NoteStore::written(quint64 upTo, bool landed, const SqliteFile::Failure &failure, bool room)
{
    for (Slot &s : m_slots) {
        if (!s.isSent)
            continue;
        if (landed) {
            s.stored = s.sent;
        } else if (!s.isHeld) {
            s.held = s.sent;
            s.isHeld = true;
        }
        s.sent = QVariant();
        s.isSent = false;
    }
    m_inFlight = false;
    if (!landed) {
        failed(failure);
        return;
    }
    m_landed = upTo;
    settle(false);
    if (isWaiting())
        flush(); // what was changed meanwhile
    else
        endEpisode(room);
}

// Another program changed the file. A field with a change of the program's
// own on its way keeps showing that change, which lands over the other.
void NoteStore::changedElsewhere(const SqliteFile::Record &values, const SqliteFile::Found &found)
{
    std::vector<const Field *> announced;
    for (int i = 0; i < fields::count; ++i) {
        Slot &s = m_slots[size_t(i)];
        if (!found.test(size_t(i)) || same(s.stored, values[size_t(i)]))
            continue;
        s.stored = values[size_t(i)];
        if (!s.isHeld && !s.isSent)
            announced.push_back(fields::all[i]);
    }
    for (const Field *field : announced)
        emit changed(field);
}

void NoteStore::failed(const SqliteFile::Failure &failure)
{
    if (!m_retry.isActive())
        m_retry.start();
    if (m_keeping) {
        m_keeping = false;
        emit writeFailed(
            tr("A change could not be saved to the note store \"%1\": %2. The program keeps the "
               "change and saves it as soon as it can; changes not saved by then are lost when "
               "the program ends.")
                .arg(m_path, failure.reason));
        emit keepingChanged(false);
    }
    settle(true);
}

// Ends a failure episode once nothing waits and a full disk has room again.
void NoteStore::endEpisode(bool room)
{
    if (isWaiting() || (!m_keeping && !room))
        return; // the retry comes back
    m_retry.stop();
    if (!m_keeping) {
        m_keeping = true;
        emit keepingChanged(true);
    }
}

void NoteStore::whenLanded(QObject *context, std::function<void()> then)
{
    if (m_readOnly || m_landed == m_writes) {
        then();
        return;
    }
    m_waiters.push_back({m_writes, context, std::move(then)});
}

// Runs what waited for the writes that have landed, or for all of them when
// a write failed.
void NoteStore::settle(bool failed)
{
    std::vector<Waiter> due;
    for (auto it = m_waiters.begin(); it != m_waiters.end();) {
        if (failed || it->upTo <= m_landed) {
            due.push_back(std::move(*it));
            it = m_waiters.erase(it);
        } else {
            ++it;
        }
    }
    for (const Waiter &w : due) {
        if (w.context)
            w.then();
    }
}

int NoteStore::folds() const
{
    return m_worker ? m_worker->folds() : 0;
}
