// SPDX-License-Identifier: MIT
#include "notestore.h"

#include "sqlitelib.h"
#include "storeworker.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

const QString NoteStore::fileName = QStringLiteral("Quornel Desktop Notes.save");

QString tableName(Table table)
{
    return table == Table::Form ? QStringLiteral("Form") : QStringLiteral("Note");
}

namespace {

const sqlitelib::Api &sq()
{
    return sqlitelib::api();
}

// Opening may wait this long for another copy that is building the store;
// nothing else ever waits for a lock.
constexpr int openingWait = 2000;
// At exit, changes still held may wait this long for a lock to go.
constexpr int closingWait = 1000;
// A log this long (in pages, about 4 MB) is folded at once, not only when
// writes pause.
constexpr int foldAfterPages = 1000;
constexpr qint64 logSizeLimit = 4 << 20;
// Writes pause this long (ms) before the log is folded.
constexpr int idleDelay = 1500;
// Unused this long (ms), the store rests: see setRestDelay().
constexpr int restDelay = 10000;
// A disk with less room than this (bytes) is still full, even when a change
// fits into room the log already had.
constexpr qint64 roomAfterFull = 256 << 10;

QByteArray quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return (QLatin1Char('"') + q + QLatin1Char('"')).toUtf8();
}

// The value in the form SQLite gives it back: an integer, a real, a text,
// a blob or null.
QVariant asStored(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return qint64(v.toLongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::QByteArray:
        return v;
    default:
        return v.toString();
    }
}

// Binds a value as stored (see asStored); a text is bound from `keep`, which
// must outlive the statement's step, so a large note is not copied again.
int bind(sqlite3_stmt *st, int index, const QVariant &v, QByteArray *keep)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return sq().bind_int64(st, index, v.toLongLong());
    case QMetaType::Double:
        return sq().bind_double(st, index, v.toDouble());
    case QMetaType::QString:
        *keep = v.toString().toUtf8();
        return sq().bind_text(st, index, keep->constData(), int(keep->size()), SQLITE_STATIC);
    case QMetaType::QByteArray:
        *keep = v.toByteArray();
        return sq().bind_blob(st, index, keep->constData(), int(keep->size()), SQLITE_STATIC);
    default:
        return sq().bind_null(st, index);
    }
}

QVariant column(sqlite3_stmt *st, int i)
{
    switch (sq().column_type(st, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sq().column_int64(st, i)));
    case SQLITE_FLOAT:
        return QVariant(sq().column_double(st, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sq().column_text(st, i)),
                                          sq().column_bytes(st, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sq().column_blob(st, i)),
                                   sq().column_bytes(st, i)));
    default:
        return QVariant();
    }
}

// Runs a statement once to its end, gathering its rows; returns SQLite's code.
int query(sqlite3 *db, const QByteArray &sql, QList<QVariantList> *rows = nullptr,
          const QVariantList &binds = {})
{
    sqlite3_stmt *st = nullptr;
    int rc = sq().prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    QList<QByteArray> keep(binds.size());
    for (int i = 0; rc == SQLITE_OK && i < binds.size(); ++i)
        rc = bind(st, i + 1, binds[i], &keep[i]);
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sq().step(st);
        if (rc == SQLITE_ROW && rows) {
            QVariantList row;
            for (int i = 0; i < sq().column_count(st); ++i)
                row << column(st, i);
            rows->append(row);
        }
    }
    sq().finalize(st);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// Binds the values (the last one the record's rowid) and runs the update.
int runUpdate(sqlite3_stmt *st, const QVariantList &values)
{
    QList<QByteArray> keep(values.size());
    int rc = SQLITE_OK;
    for (int i = 0; rc == SQLITE_OK && i < values.size(); ++i)
        rc = bind(st, i + 1, values[i], &keep[i]);
    if (rc == SQLITE_OK)
        rc = sq().step(st);
    sq().reset(st);
    return rc;
}

// A missing table or field fails to compile; a missing record is updated
// without a change.
bool isGone(int code, int changes)
{
    return (code & 0xff) == SQLITE_ERROR || (code == SQLITE_DONE && changes == 0);
}

// A name for the record's row number that no column of the table hides
// (a hand-made table may have a column called "rowid").
QByteArray rowidAlias(const QStringList &columns)
{
    for (const char *alias : {"rowid", "_rowid_", "oid"}) {
        if (!columns.contains(QLatin1String(alias), Qt::CaseInsensitive))
            return alias;
    }
    return "rowid";
}

bool isDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

} // namespace

NoteStore::NoteStore(const QString &path, const Defaults &defaults)
    : m_path(path), m_defaults(defaults), m_restDelay(restDelay)
{
    // Until the file is read, every field holds what a fresh store holds.
    for (int i = 0; i < fieldCount; ++i)
        m_slots[size_t(i)].stored =
            asStored(fields::encode(*fields::all[i], defaults.fresh(*fields::all[i])));
    m_retry.setInterval(1000);
    connect(&m_retry, &QTimer::timeout, this, &NoteStore::flush);
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &NoteStore::checkpointWhenIdle);
    m_rest.setSingleShot(true);
    connect(&m_rest, &QTimer::timeout, this, &NoteStore::restWhenQuiet);
    connect(this, &NoteStore::workerFinished, this, &NoteStore::workerDone, Qt::QueuedConnection);
}

NoteStore::~NoteStore()
{
    m_worker.reset(); // ends the work under way (a closing included)
    if (m_state == State::Closing) {
        m_state = State::Closed;
        sqlitelib::release();
        m_library = false;
    }
    Failure ignored;
    if (m_sent.done)
        takeSent(&ignored);
    // Changes held while the file was closed are written as at any exit.
    if (m_state != State::Open && isWaiting() && !m_readOnly && openAgain(&ignored))
        m_worker.reset();
    if (m_db && !m_readOnly) {
        sq().busy_timeout(m_db, closingWait);
        land(&ignored);
    }
    for (sqlite3_stmt *st : std::as_const(m_statements))
        sq().finalize(st);
    // The last connection to close folds the log into the file and removes it.
    if (m_db)
        sq().close(m_db);
    if (m_library)
        sqlitelib::release();
}

std::unique_ptr<NoteStore> NoteStore::open(const QString &path, const Defaults &defaults,
                                           QString *error)
{
    std::unique_ptr<NoteStore> store(new NoteStore(path, defaults));
    const QFileInfo info(path);
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("The note store \"%1\" cannot be used: %2.")
                         .arg(info.absoluteFilePath(), why);
        return nullptr;
    };
    const bool fresh = !info.exists();
    if (!fresh && !info.isFile())
        return fail(QStringLiteral("it is not a file"));
    if (!fresh && !info.isReadable())
        return fail(QStringLiteral("it cannot be read"));

    QString why;
    if (!sqlitelib::acquire(&why))
        return fail(why);
    store->m_library = true;

    // The log and its index lie beside the file: writing needs the folder too.
    const QByteArray file = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const bool folderWritable = access(folder.constData(), W_OK) == 0;
    const int folderErrno = errno;
    if (fresh && !folderWritable)
        return fail(QStringLiteral("there is none, and none can be made in its folder (%1)")
                        .arg(QString::fromLocal8Bit(strerror(folderErrno))));
    if (!fresh && (!folderWritable || access(file.constData(), W_OK) != 0)) {
        const QString what = !folderWritable && folderErrno == EROFS
                                 ? QStringLiteral("on a read-only disk")
                             : folderWritable ? QStringLiteral("read-only")
                                              : QStringLiteral("in a read-only folder");
        if (!store->openForReading(&why))
            return fail(why);
        store->m_readOnly = true;
        store->m_readOnlyMessage =
            QStringLiteral("The note store \"%1\" is %2: the note is shown as it was last saved, "
                           "but changes made now cannot be kept.")
                .arg(info.absoluteFilePath(), what);
        store->findFirstRows();
        store->refresh();
        store->used();
        return store;
    }

    sqlite3 *&db = store->m_db;
    // The notes are the user's alone: a fresh file (and with it its log and
    // index, which take the file's mode) is made readable by no one else.
    if (fresh) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }
    const int flags = SQLITE_OPEN_READWRITE | (fresh ? SQLITE_OPEN_CREATE : 0);
    if (sq().open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK)
        return fail(failure(db, sq().extended_errcode(db)).reason);
    sq().extended_result_codes(db, 1);
    sq().db_config(db, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0);
    sq().busy_timeout(db, openingWait);

    // Read the whole file before anything is written to it, so that a
    // damaged file is found while it is still untouched.
    if (!fresh && !store->checkWhole(&why))
        return fail(why);

    // A committed write survives a killed program, and is on the disk when
    // the commit returns (the log is flushed with every commit); commits are
    // made on the worker thread. A fresh file holds nothing to lose: it is
    // put in log mode first and built without flushes, so that building is
    // cheap. An existing file is judged (and completed) in the mode it has,
    // so that a file refused as a store is left exactly as it was. The log
    // is folded on the worker thread only.
    query(db, "PRAGMA wal_autocheckpoint=0");
    query(db, "PRAGMA journal_size_limit=" + QByteArray::number(logSizeLimit));
    if (fresh) {
        query(db, "PRAGMA synchronous=OFF");
        query(db, "PRAGMA journal_mode=WAL");
    } else {
        query(db, "PRAGMA synchronous=FULL");
    }
    if (!store->prepareSchema(&why))
        return fail(why);
    query(db, "PRAGMA synchronous=FULL");
    query(db, "PRAGMA journal_mode=WAL");

    // From now on a locked store fails at once and the change is retried.
    sq().busy_timeout(db, 0);
    store->refresh();
    sq().wal_hook(db, &NoteStore::walHook, store.get());
    store->startWorker();
    store->used();
    return store;
}

void NoteStore::loadAhead()
{
    sqlitelib::loadAhead();
}

void NoteStore::startWorker()
{
    m_worker =
        std::make_unique<StoreWorker>(m_db, [this] { emit workerFinished(QPrivateSignal()); });
}

// Opens the file again after a rest, as it was opened at the start but
// without the checks and the building done then. Another program may have
// written meanwhile: every field is read again.
bool NoteStore::openAgain(Failure *failure)
{
    QString why;
    if (!sqlitelib::acquire(&why)) {
        *failure = {SQLITE_CANTOPEN, why};
        return false;
    }
    m_library = true;
    bool opened = true;
    if (m_readOnly) {
        opened = openForReading(&why);
        if (!opened)
            *failure = {SQLITE_CANTOPEN, why};
    } else {
        const QByteArray file = QFile::encodeName(QFileInfo(m_path).absoluteFilePath());
        opened = sq().open_v2(file.constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
        if (!opened)
            *failure = this->failure(m_db, sq().extended_errcode(m_db));
    }
    if (!opened) {
        sq().close(m_db);
        m_db = nullptr;
        sqlitelib::release();
        m_library = false;
        m_sinceFailedOpen.start();
        return false;
    }
    if (!m_readOnly) {
        sq().extended_result_codes(m_db, 1);
        sq().db_config(m_db, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0);
        query(m_db, "PRAGMA wal_autocheckpoint=0");
        query(m_db, "PRAGMA journal_size_limit=" + QByteArray::number(logSizeLimit));
        query(m_db, "PRAGMA synchronous=FULL");
        query(m_db, "PRAGMA journal_mode=WAL");
        sq().wal_hook(m_db, &NoteStore::walHook, this);
        startWorker();
    }
    m_state = State::Open;
    m_dataVersion = -1; // a new connection counts its own versions
    for (Slot &s : m_slots)
        s.stale = true;
    used();
    return true;
}

// The file was read or written: the store rests once it has not been for a
// while.
void NoteStore::used()
{
    m_sinceUse.start();
    if (!m_rest.isActive())
        m_rest.start(m_restDelay);
}

// Closes the file once the store has not used it for a while and nothing
// is on its way to it: on the worker thread, where closing folds the log
// into the file and flushes it.
void NoteStore::restWhenQuiet()
{
    if (m_state != State::Open)
        return;
    const qint64 quiet = m_sinceUse.elapsed();
    if (quiet < m_restDelay) {
        m_rest.start(int(m_restDelay - quiet));
        return;
    }
    // Held changes, changes on their way, a record to put back and a fold
    // under way keep the file open for now.
    std::unique_lock<std::mutex> connection;
    if (isWaiting() || !m_keeping || m_repair[0] || m_repair[1] || !mayUseConnection(&connection)) {
        m_rest.start(m_restDelay);
        return;
    }
    for (sqlite3_stmt *st : std::as_const(m_statements))
        sq().finalize(st);
    m_statements.clear();
    sqlite3 *db = std::exchange(m_db, nullptr);
    m_state = State::Closing;
    if (!m_worker) { // read only: there is nothing to fold
        sq().close(db);
        closed();
        return;
    }
    connection.unlock();
    m_worker->close();
}

// The file is closed: the worker thread ends and SQLite goes.
void NoteStore::closed()
{
    if (m_worker) {
        m_foldsBefore += m_worker->folds();
        m_worker.reset();
    }
    m_state = State::Closed;
    sqlitelib::release();
    m_library = false;
    if (isWaiting())
        flush(); // changes made while the file was being closed
}

// A store in log mode is read through the log's index beside it. Where the
// index is missing and cannot be made, the file is read as it stands: a
// store closed cleanly holds everything in the file itself.
bool NoteStore::openForReading(QString *why)
{
    const QByteArray uri =
        "file:" + QUrl::toPercentEncoding(QFileInfo(m_path).absoluteFilePath(), "/");
    for (const char *options : {"?mode=ro", "?mode=ro&immutable=1"}) {
        sq().close(m_db);
        m_db = nullptr;
        const int rc = sq().open_v2((uri + options).constData(), &m_db,
                                    SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        sq().extended_result_codes(m_db, 1);
        if (rc != SQLITE_OK) {
            *why = failure(m_db, rc).reason;
            continue;
        }
        if (checkWhole(why))
            return true;
        if (isDamage(sq().extended_errcode(m_db)))
            return false;
    }
    return false;
}

bool NoteStore::checkWhole(QString *why)
{
    QList<QVariantList> rows;
    const int rc = query(m_db, "PRAGMA quick_check", &rows);
    if (rc != SQLITE_OK) {
        *why = failure(m_db, rc).reason;
        return false;
    }
    const QString verdict = rows.isEmpty() ? QString() : rows.first().value(0).toString();
    if (verdict == QLatin1String("ok"))
        return true;
    *why = QStringLiteral("the database is damaged (%1)").arg(verdict);
    return false;
}

// Adds whatever is missing, in one write transaction: two copies starting
// on a fresh folder at once must not both build the tables.
bool NoteStore::prepareSchema(QString *why)
{
    Failure f;
    if (run("BEGIN IMMEDIATE", &f) && ensureTable(Table::Form, &f) &&
        ensureTable(Table::Note, &f) && run("COMMIT", &f))
        return true;
    *why = f.reason;
    if (!sq().get_autocommit(m_db))
        run("ROLLBACK", nullptr);
    return false;
}

// Inside a write transaction: creates the table, adds its missing fields
// and its first record if need be. What is added takes the value the
// program holds for it: the fresh value at opening, what the window shows
// when another program removed the record while this one ran.
bool NoteStore::ensureTable(Table table, Failure *failure)
{
    const QByteArray t = quoted(tableName(table));
    QList<QVariantList> rows;
    int rc = query(m_db, "PRAGMA table_info(" + t + ")", &rows);
    QStringList columns;
    for (const QVariantList &r : std::as_const(rows))
        columns << r.value(1).toString();
    m_rowid[int(table)] = rowidAlias(columns);
    QList<const Field *> added;
    QByteArrayList all;
    for (const Field *f : fields::all) {
        if (f->table != table)
            continue;
        all << quoted(f->column());
        if (rc == SQLITE_OK && !columns.isEmpty() && !columns.contains(f->column())) {
            rc = query(m_db, "ALTER TABLE " + t + " ADD COLUMN " + all.last());
            added << f;
        }
    }
    if (rc == SQLITE_OK && columns.isEmpty())
        rc = query(m_db, "CREATE TABLE " + t + " (" + all.join(", ") + ")");

    rows.clear();
    if (rc == SQLITE_OK)
        rc = query(m_db,
                   "SELECT " + m_rowid[int(table)] + " FROM " + t + " ORDER BY " +
                       m_rowid[int(table)] + " LIMIT 1",
                   &rows);
    if (rc == SQLITE_OK && rows.isEmpty()) {
        QVariantList values;
        for (const Field *f : fields::all) {
            if (f->table == table)
                values << slot(*f).current();
        }
        QByteArray marks = "?";
        marks += QByteArray(", ?").repeated(int(values.size()) - 1);
        rc = query(m_db, "INSERT INTO " + t + " (" + all.join(", ") + ") VALUES (" + marks + ")",
                   nullptr, values);
        m_firstRow[int(table)] = sq().last_insert_rowid(m_db);
    } else if (rc == SQLITE_OK) {
        m_firstRow[int(table)] = rows.first().value(0).toLongLong();
        for (const Field *f : std::as_const(added)) {
            if (rc == SQLITE_OK)
                rc = query(m_db,
                           "UPDATE " + t + " SET " + quoted(f->column()) + " = ? WHERE " +
                               m_rowid[int(table)] + " = ?",
                           nullptr, {slot(*f).current(), m_firstRow[int(table)]});
        }
    }
    if (rc != SQLITE_OK)
        *failure = this->failure(m_db, rc);
    return rc == SQLITE_OK;
}

// For reading only: the first record of each table, where there is one.
void NoteStore::findFirstRows()
{
    for (Table table : {Table::Form, Table::Note}) {
        const QByteArray t = quoted(tableName(table));
        QList<QVariantList> rows;
        query(m_db, "PRAGMA table_info(" + t + ")", &rows);
        QStringList columns;
        for (const QVariantList &r : std::as_const(rows))
            columns << r.value(1).toString();
        m_rowid[int(table)] = rowidAlias(columns);
        const QByteArray &rowid = m_rowid[int(table)];
        rows.clear();
        query(m_db, "SELECT " + rowid + " FROM " + t + " ORDER BY " + rowid + " LIMIT 1", &rows);
        m_firstRow[int(table)] = rows.isEmpty() ? 0 : rows.first().value(0).toLongLong();
    }
}

sqlite3_stmt *NoteStore::statement(const QByteArray &sql)
{
    if (sqlite3_stmt *st = m_statements.value(sql)) {
        sq().reset(st);
        sq().clear_bindings(st);
        return st;
    }
    sqlite3_stmt *st = nullptr;
    if (sq().prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &st,
                        nullptr) != SQLITE_OK) {
        sq().finalize(st);
        return nullptr;
    }
    m_statements.insert(sql, st);
    return st;
}

bool NoteStore::run(const QByteArray &sql, Failure *failure)
{
    sqlite3_stmt *st = statement(sql);
    const int rc = st ? sq().step(st) : sq().extended_errcode(m_db);
    if (rc != SQLITE_DONE && failure)
        *failure = this->failure(m_db, rc);
    if (st)
        sq().reset(st);
    return rc == SQLITE_DONE;
}

NoteStore::Failure NoteStore::failure(sqlite3 *db, int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return {code, QStringLiteral("the disk is full")};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {code, QStringLiteral("another program holds it locked")};
    case SQLITE_READONLY:
        return {code, QStringLiteral("it can no longer be written to")};
    case SQLITE_IOERR:
        return {code, QStringLiteral("the disk reported an error (%1)")
                          .arg(QString::fromLocal8Bit(strerror(sq().system_errno(db))))};
    case SQLITE_NOMEM:
        return {code, QStringLiteral("out of memory")};
    default:
        return {code,
                db ? QString::fromUtf8(sq().errmsg(db)) : QString::fromUtf8(sq().errstr(code))};
    }
}

NoteStore::Failure NoteStore::gone(Table table)
{
    return {SQLITE_DONE,
            QStringLiteral("another program removed its %1 record; it is written "
                           "back as the program shows it")
                .arg(table == Table::Form ? QStringLiteral("settings") : QStringLiteral("note"))};
}

QString NoteStore::message(const Failure &failure) const
{
    return QStringLiteral("A change could not be saved to the note store \"%1\": %2. The program "
                          "keeps the change and saves it as soon as it can; changes not saved "
                          "by then are lost when the program ends.")
        .arg(QFileInfo(m_path).absoluteFilePath(), failure.reason);
}

// While the worker thread uses the connection, the store's thread leaves it
// alone: it holds its writes and reads what it read last.
bool NoteStore::mayUseConnection(std::unique_lock<std::mutex> *lock)
{
    if (!m_worker)
        return true;
    *lock = m_worker->tryConnection();
    return lock->owns_lock();
}

NoteStore::Slot &NoteStore::slot(const Field &field)
{
    for (int i = 0; i < fieldCount; ++i) {
        if (fields::all[i] == &field)
            return m_slots[size_t(i)];
    }
    Q_ASSERT_X(false, "NoteStore", "a field outside fields::all");
    return m_slots[0];
}

// Reads of an unchanged file are served from what was read or written last:
// one cheap statement tells whether another program has written since, and
// then every field is read again at once. So what is kept here is always as
// fresh as the last look at the file, even for a read made while the worker
// thread has the connection.
void NoteStore::refresh()
{
    sqlite3_stmt *st = statement("PRAGMA data_version");
    if (!st || sq().step(st) != SQLITE_ROW) {
        if (st)
            sq().reset(st);
        return;
    }
    const qint64 version = sq().column_int64(st, 0);
    sq().reset(st);
    if (version == m_dataVersion)
        return;
    m_dataVersion = version;
    for (Table table : {Table::Form, Table::Note})
        loadRecord(table);
}

// Reads every field of the table's first record at once. A field whose
// table, record or column is gone keeps the value read last.
void NoteStore::loadRecord(Table table)
{
    for (int i = 0; i < fieldCount; ++i) {
        if (fields::all[i]->table == table)
            m_slots[size_t(i)].stale = false;
    }
    sqlite3_stmt *st = statement("SELECT * FROM " + quoted(tableName(table)) + " WHERE " +
                                 m_rowid[int(table)] + " = ?");
    if (!st)
        return;
    sq().bind_int64(st, 1, m_firstRow[int(table)]);
    if (sq().step(st) == SQLITE_ROW) {
        for (int c = 0, n = sq().column_count(st); c < n; ++c) {
            const QString name = QString::fromUtf8(sq().column_name(st, c));
            for (int i = 0; i < fieldCount; ++i) {
                const Field &field = *fields::all[i];
                if (field.table == table && field.column().compare(name, Qt::CaseInsensitive) == 0)
                    m_slots[size_t(i)].stored = column(st, c);
            }
        }
    }
    sq().reset(st);
}

// Reads one field from the file.
void NoteStore::load(int index)
{
    const Field &field = *fields::all[index];
    Slot &s = m_slots[size_t(index)];
    s.stale = false;
    sqlite3_stmt *st =
        statement("SELECT " + quoted(field.column()) + " FROM " + quoted(tableName(field.table)) +
                  " WHERE " + m_rowid[int(field.table)] + " = ?");
    if (!st)
        return; // the table or field is gone: the last value read stands
    sq().bind_int64(st, 1, m_firstRow[int(field.table)]);
    if (sq().step(st) == SQLITE_ROW)
        s.stored = column(st, 0);
    sq().reset(st);
}

QVariant NoteStore::stored(const Field &field)
{
    Slot &s = slot(field);
    // At rest the file is opened again; where it cannot be, what was read
    // last is read, and the next read tries again a moment later.
    if (!s.isHeld && !s.isSent && m_state == State::Closed &&
        (!m_sinceFailedOpen.isValid() || m_sinceFailedOpen.hasExpired(m_retry.interval()))) {
        Failure ignored;
        openAgain(&ignored);
    }
    std::unique_lock<std::mutex> connection;
    if (!s.isHeld && !s.isSent && m_db && mayUseConnection(&connection)) {
        refresh();
        if (s.stale)
            load(int(&s - m_slots.data()));
        used();
    }
    return s.current();
}

QVariant NoteStore::value(const Field &field)
{
    return fields::read(field, stored(field), m_defaults);
}

void NoteStore::write(std::initializer_list<Assignment> values)
{
    ++m_writes;
    for (const Assignment &a : values) {
        Q_ASSERT(a.field.table == values.begin()->field.table);
        Slot &s = slot(a.field);
        s.held = asStored(fields::encode(a.field, a.value));
        s.isHeld = true;
    }
    if (!m_readOnly)
        flush();
}

bool NoteStore::anyHeld(Table table) const
{
    for (int i = 0; i < fieldCount; ++i) {
        if (fields::all[i]->table == table && m_slots[size_t(i)].isHeld)
            return true;
    }
    return false;
}

NoteStore::Update NoteStore::heldUpdate(Table table) const
{
    Update update{"UPDATE " + quoted(tableName(table)) + " SET ", {}};
    for (int i = 0; i < fieldCount; ++i) {
        if (fields::all[i]->table != table || !m_slots[size_t(i)].isHeld)
            continue;
        update.sql +=
            (update.values.isEmpty() ? "" : ", ") + quoted(fields::all[i]->column()) + " = ?";
        update.values << m_slots[size_t(i)].held;
    }
    update.sql += " WHERE " + m_rowid[int(table)] + " = ?";
    update.values << m_firstRow[int(table)];
    return update;
}

// Writes everything held: on the worker thread, so that no call from the
// user interface waits for a lock or the disk; on this thread only to put
// back a record or table another program removed. A failure starts an
// episode (reported once) and the retry timer; everything landing ends both.
void NoteStore::flush()
{
    if (m_sent.inFlight || m_state == State::Closing)
        return; // sent when the worker is done, or once the file is closed
    if (m_state == State::Closed && isWaiting()) {
        Failure f;
        if (!openAgain(&f)) {
            failed(f);
            return;
        }
    }
    if (!m_repair[0] && !m_repair[1]) {
        if (isWaiting())
            send();
        else if (!m_keeping)
            endEpisode(); // the disk may have room again
        return;
    }
    std::unique_lock<std::mutex> connection;
    if (!mayUseConnection(&connection))
        return; // the retry comes back
    Failure f;
    if (land(&f))
        succeeded();
    else
        failed(f);
}

bool NoteStore::land(Failure *failure)
{
    const bool held[2] = {anyHeld(Table::Form), anyHeld(Table::Note)};
    if (!held[0] && !held[1])
        return true;
    bool ok = run("BEGIN IMMEDIATE", failure);
    for (Table t : {Table::Form, Table::Note}) {
        if (!ok || !held[int(t)] || (m_repair[int(t)] && !(ok = ensureTable(t, failure))))
            continue;
        ok = update(t, heldUpdate(t), failure);
        m_repair[int(t)] = m_repair[int(t)] || (!ok && failure->code == SQLITE_DONE);
    }
    ok = ok && run("COMMIT", failure);
    if (!ok) {
        if (!sq().get_autocommit(m_db))
            run("ROLLBACK", nullptr);
        return false;
    }
    for (int i = 0; i < fieldCount; ++i) {
        const Table t = fields::all[i]->table;
        Slot &s = m_slots[size_t(i)];
        if (!held[int(t)])
            continue;
        if (s.isHeld) {
            s.stored = s.held;
            s.held = QVariant();
            s.isHeld = false;
        } else if (m_repair[int(t)]) {
            s.stale = true; // another record may have become the first
        }
    }
    for (Table t : {Table::Form, Table::Note})
        m_repair[int(t)] = m_repair[int(t)] && !held[int(t)];
    m_landed = m_writes;
    return true;
}

// Updates the table's first record, inside a transaction. A record or table
// found missing fails with the code SQLITE_DONE (see gone()).
bool NoteStore::update(Table table, const Update &update, Failure *failure)
{
    sqlite3_stmt *st = statement(update.sql);
    const int rc = st ? runUpdate(st, update.values) : sq().extended_errcode(m_db);
    if (isGone(rc, sq().changes(m_db)))
        *failure = gone(table);
    else if (rc != SQLITE_DONE)
        *failure = this->failure(m_db, rc);
    return rc == SQLITE_DONE && sq().changes(m_db) > 0;
}

// Hands every held change to the worker thread, in one transaction. Until
// it is done they are read back from here and later changes wait.
void NoteStore::send()
{
    std::vector<std::pair<Table, Update>> updates;
    for (Table t : {Table::Form, Table::Note}) {
        if (anyHeld(t))
            updates.emplace_back(t, heldUpdate(t));
    }
    for (Slot &s : m_slots) {
        if (s.isHeld) {
            s.sent = s.held;
            s.isSent = true;
            s.held = QVariant();
            s.isHeld = false;
        }
    }
    m_sent.inFlight = true;
    m_sent.upTo = m_writes;
    m_sent.done = false;
    m_sent.gone = -1;
    // On the worker thread, which holds the connection (and with it the
    // statements) meanwhile.
    m_worker->use([this, updates = std::move(updates)](sqlite3 *) {
        Failure f;
        bool ok = run("BEGIN IMMEDIATE", &f);
        for (const auto &[table, update] : updates) {
            if (ok && !(ok = this->update(table, update, &f)) && f.code == SQLITE_DONE)
                m_sent.gone = int(table);
        }
        ok = ok && run("COMMIT", &f);
        if (!ok && !sq().get_autocommit(m_db))
            run("ROLLBACK", nullptr);
        m_sent.failure = f;
        m_sent.landed = ok;
        m_sent.done = true;
    });
}

// What the worker sent landed, or it failed and is held again (unless a
// newer change is held already). A record found gone is put back by the
// next write. Returns whether it landed.
bool NoteStore::takeSent(Failure *failure)
{
    const bool landed = m_sent.landed;
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
    if (landed)
        m_landed = m_sent.upTo;
    else
        *failure = m_sent.failure;
    if (m_sent.gone >= 0)
        m_repair[m_sent.gone] = true;
    m_sent.inFlight = false;
    m_sent.done = false;
    return landed;
}

void NoteStore::workerDone()
{
    if (m_state == State::Closing && m_worker && m_worker->isClosed()) {
        closed();
        return;
    }
    if (!m_sent.inFlight || !m_sent.done)
        return; // a fold: writes never wait for one
    Failure f;
    if (!takeSent(&f)) {
        failed(f);
        return;
    }
    succeeded();
    flush(); // what was changed meanwhile
}

bool NoteStore::isWaiting() const
{
    return anyHeld(Table::Form) || anyHeld(Table::Note) || m_sent.inFlight;
}

void NoteStore::succeeded()
{
    settle(false);
    used();
    m_sinceWrite.start();
    if (!m_idle.isActive())
        m_idle.start(idleDelay);
    endEpisode();
}

// Ends a failure episode once nothing waits and the cause has gone.
void NoteStore::endEpisode()
{
    if (isWaiting() || (!m_keeping && !hasRoom()))
        return; // the retry comes back
    m_retry.stop();
    if (!m_keeping) {
        m_keeping = true;
        emit keepingChanged(true);
    }
}

void NoteStore::failed(const Failure &failure)
{
    if (!m_retry.isActive())
        m_retry.start();
    if (m_keeping) {
        m_keeping = false;
        m_episode = failure.code;
        emit writeFailed(message(failure));
        emit keepingChanged(false);
    }
    settle(true);
}

// A full disk is not over when a change has landed in room the log already
// had (a fold lets the log be written from its start again): only when the
// disk has room again.
bool NoteStore::hasRoom() const
{
    struct statvfs disk;
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    return (m_episode & 0xff) != SQLITE_FULL || statvfs(folder.constData(), &disk) != 0 ||
           qint64(disk.f_bavail) * qint64(disk.f_frsize) >= roomAfterFull;
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

void NoteStore::checkpointWhenIdle()
{
    const qint64 quiet = m_sinceWrite.elapsed();
    if (quiet < idleDelay)
        m_idle.start(int(idleDelay - quiet));
    else if (m_worker)
        m_worker->requestFold();
}

// Runs after every commit on the store's connection, on whichever thread
// made it.
int NoteStore::walHook(void *store, sqlite3 *, const char *, int pages)
{
    auto *self = static_cast<NoteStore *>(store);
    if (pages >= foldAfterPages && self->m_worker)
        self->m_worker->requestFold();
    return SQLITE_OK;
}

int NoteStore::folds() const
{
    return m_foldsBefore + (m_worker ? m_worker->folds() : 0);
}
