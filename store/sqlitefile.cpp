// SPDX-License-Identifier: MIT
#include "sqlitefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

QString tableName(Table table)
{
    return table == Table::Form ? QStringLiteral("Form") : QStringLiteral("Note");
}

namespace {

// Opening may wait this long for another copy that is building the store.
constexpr int openingWait = 2000;
// The log is folded by the store when it grows past this many pages (about
// 4 MB); folded whole, it is cut back to this size.
constexpr qint64 logSizeLimit = 4 << 20;
// A disk with less room than this (bytes) is still full, even when a change
// fits into room the log already had.
constexpr qint64 roomAfterFull = 256 << 10;

QByteArray quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return (QLatin1Char('"') + q + QLatin1Char('"')).toUtf8();
}

// Binds a value as stored; a text is bound from `keep`, which must outlive
// the statement's step, so that a long note is not copied again.
int bind(sqlite3_stmt *st, int index, const QVariant &v, QByteArray *keep)
{
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return sqlite3_bind_int64(st, index, v.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(st, index, v.toDouble());
    case QMetaType::QString:
        *keep = v.toString().toUtf8();
        return sqlite3_bind_text(st, index, keep->constData(), int(keep->size()), SQLITE_STATIC);
    case QMetaType::QByteArray:
        *keep = v.toByteArray();
        return sqlite3_bind_blob(st, index, keep->constData(), int(keep->size()), SQLITE_STATIC);
    default:
        return sqlite3_bind_null(st, index);
    }
}

QVariant column(sqlite3_stmt *st, int i)
{
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(st, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, i));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, i)),
                              sqlite3_column_bytes(st, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(st, i)),
                                   sqlite3_column_bytes(st, i)));
    default:
        return QVariant();
    }
}

// Runs a statement once to its end, gathering its rows; returns SQLite's code.
int query(sqlite3 *db, const QByteArray &sql, QList<QVariantList> *rows = nullptr,
          const QVariantList &binds = {})
{
    sqlite3_stmt *st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr);
    QList<QByteArray> keep(binds.size());
    for (int i = 0; rc == SQLITE_OK && i < binds.size(); ++i)
        rc = bind(st, i + 1, binds[i], &keep[i]);
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW && rows) {
            QVariantList row;
            for (int i = 0; i < sqlite3_column_count(st); ++i)
                row << column(st, i);
            rows->append(row);
        }
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

QStringList columnsOf(sqlite3 *db, const QByteArray &table, int *rc = nullptr)
{
    QList<QVariantList> rows;
    const int code = query(db, "PRAGMA table_info(" + table + ")", &rows);
    if (rc)
        *rc = code;
    QStringList columns;
    for (const QVariantList &r : std::as_const(rows))
        columns << r.value(1).toString();
    return columns;
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

bool SqliteFile::Failure::isFull() const
{
    return (code & 0xff) == SQLITE_FULL;
}

SqliteFile::SqliteFile(const QString &path) : m_path(path) {}

SqliteFile::~SqliteFile()
{
    for (sqlite3_stmt *st : std::as_const(m_statements))
        sqlite3_finalize(st);
    sqlite3_close(m_db);
}

std::unique_ptr<SqliteFile> SqliteFile::open(const QString &path, const Record &fresh,
                                             Record *values, QString *error, QString *readOnly)
{
    const QFileInfo info(path);
    std::unique_ptr<SqliteFile> file(new SqliteFile(info.absoluteFilePath()));
    auto fail = [&](const QString &why) {
        *error = tr("The note store \"%1\" cannot be used: %2.").arg(file->m_path, why);
        return nullptr;
    };
    const bool isNew = !info.exists();
    if (!isNew && !info.isFile())
        return fail(tr("it is not a file"));
    if (!isNew && !info.isReadable())
        return fail(tr("it cannot be read"));

    // The log and its index lie beside the file: writing needs the folder too.
    const QByteArray name = QFile::encodeName(file->m_path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const bool folderWritable = access(folder.constData(), W_OK) == 0;
    const int folderErrno = errno;
    if (isNew && !folderWritable)
        return fail(tr("there is none, and none can be made in its folder (%1)")
                        .arg(QString::fromLocal8Bit(strerror(folderErrno))));
    *values = fresh;
    QString why;
    if (!isNew && (!folderWritable || access(name.constData(), W_OK) != 0)) {
        const QString how =
            !folderWritable && folderErrno == EROFS
                ? tr("The note store \"%1\" is on a read-only disk: the note is shown as it was "
                     "last saved, but changes made now cannot be kept.")
            : folderWritable ? tr("The note store \"%1\" is read-only: the note is shown as it "
                                  "was last saved, but changes made now cannot be kept.")
                             : tr("The note store \"%1\" is in a read-only folder: the note is "
                                  "shown as it was last saved, but changes made now cannot be "
                                  "kept.");
        if (!file->openForReading(&why))
            return fail(why);
        file->m_readOnly = true;
        *readOnly = how.arg(file->m_path);
        file->findFirstRows();
        file->changedElsewhere();
        file->read(values);
        return file;
    }

    // The notes are the user's alone: a fresh file (and with it its log and
    // index, which take the file's mode) is made readable by no one else.
    if (isNew) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }
    sqlite3 *&db = file->m_db;
    const int flags = SQLITE_OPEN_READWRITE | (isNew ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(name.constData(), &db, flags, nullptr) != SQLITE_OK)
        return fail(file->failure(sqlite3_extended_errcode(db)).reason);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_db_config(db, SQLITE_DBCONFIG_LOOKASIDE, nullptr, 0, 0);
    sqlite3_busy_timeout(db, openingWait);

    // Read the whole file before anything is written to it, so that a
    // damaged file is found while it is still untouched.
    if (!isNew && !file->checkWhole(&why))
        return fail(why);

    // A committed write survives a killed program and is on the disk when
    // the commit returns (the log is flushed with every commit). A fresh file
    // holds nothing to lose: it is put in log mode first and built without
    // flushes, so that building is cheap. An existing file is judged (and
    // completed) in the mode it has, so that a file refused as a store is left
    // exactly as it was. The log is folded by the store, when it is idle.
    query(db, "PRAGMA wal_autocheckpoint=0");
    query(db, "PRAGMA journal_size_limit=" + QByteArray::number(logSizeLimit));
    query(db, isNew ? "PRAGMA synchronous=OFF" : "PRAGMA synchronous=FULL");
    if (isNew)
        query(db, "PRAGMA journal_mode=WAL");
    Failure f;
    if (!file->prepareSchema(fresh, &f))
        return fail(f.reason);
    query(db, "PRAGMA synchronous=FULL");
    query(db, "PRAGMA journal_mode=WAL");
    sqlite3_wal_hook(db, &SqliteFile::walHook, file.get());

    file->changedElsewhere();
    file->read(values);
    // From now on a locked file fails a write at once; the store tries again.
    sqlite3_busy_timeout(db, 0);
    return file;
}

// A store in log mode is read through the log's index beside it. Where the
// index is missing and cannot be made, the file is read as it stands: a
// store closed cleanly holds everything in the file itself.
bool SqliteFile::openForReading(QString *why)
{
    const QByteArray uri = "file:" + QUrl::toPercentEncoding(m_path, "/");
    for (const char *options : {"?mode=ro", "?mode=ro&immutable=1"}) {
        sqlite3_close(m_db);
        m_db = nullptr;
        const int rc = sqlite3_open_v2((uri + options).constData(), &m_db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        sqlite3_extended_result_codes(m_db, 1);
        if (rc != SQLITE_OK) {
            *why = failure(rc).reason;
            continue;
        }
        if (checkWhole(why))
            return true;
        if (isDamage(sqlite3_extended_errcode(m_db)))
            return false;
    }
    return false;
}

bool SqliteFile::checkWhole(QString *why)
{
    QList<QVariantList> rows;
    const int rc = query(m_db, "PRAGMA quick_check", &rows);
    if (rc != SQLITE_OK) {
        *why = failure(rc).reason;
        return false;
    }
    const QString verdict = rows.isEmpty() ? QString() : rows.first().value(0).toString();
    if (verdict == QLatin1String("ok"))
        return true;
    *why = tr("the database is damaged (%1)").arg(verdict);
    return false;
}

// Adds whatever is missing, in one write transaction: two copies starting
// on a fresh folder at once must not both build the tables.
bool SqliteFile::prepareSchema(const Record &values, Failure *failure)
{
    m_repair[0] = m_repair[1] = true;
    return write({}, values, failure);
}

// Inside a write transaction: creates the table, adds its missing fields and
// its first record if need be, each with its value from `values`.
bool SqliteFile::ensureTable(Table table, const Record &values, Failure *failure)
{
    const QByteArray t = quoted(tableName(table));
    int rc = SQLITE_OK;
    const QStringList columns = columnsOf(m_db, t, &rc);
    QByteArray &rowid = m_rowid[int(table)];
    rowid = rowidAlias(columns);
    QList<int> added;
    QByteArrayList all;
    QVariantList row;
    for (int i = 0; i < fields::count; ++i) {
        const Field &f = *fields::all[i];
        if (f.table != table)
            continue;
        all << quoted(f.column());
        row << values[size_t(i)];
        if (rc == SQLITE_OK && !columns.isEmpty() && !columns.contains(f.column())) {
            rc = query(m_db, "ALTER TABLE " + t + " ADD COLUMN " + all.last());
            added << i;
        }
    }
    if (rc == SQLITE_OK && columns.isEmpty())
        rc = query(m_db, "CREATE TABLE " + t + " (" + all.join(", ") + ")");

    QList<QVariantList> rows;
    if (rc == SQLITE_OK)
        rc = query(m_db, "SELECT " + rowid + " FROM " + t + " ORDER BY " + rowid + " LIMIT 1",
                   &rows);
    if (rc == SQLITE_OK && rows.isEmpty()) {
        QByteArray marks = "?";
        marks += QByteArray(", ?").repeated(int(row.size()) - 1);
        rc = query(m_db, "INSERT INTO " + t + " (" + all.join(", ") + ") VALUES (" + marks + ")",
                   nullptr, row);
        m_firstRow[int(table)] = sqlite3_last_insert_rowid(m_db);
    } else if (rc == SQLITE_OK) {
        m_firstRow[int(table)] = rows.first().value(0).toLongLong();
        for (int i : std::as_const(added)) {
            if (rc == SQLITE_OK)
                rc = query(m_db,
                           "UPDATE " + t + " SET " + quoted(fields::all[i]->column()) +
                               " = ? WHERE " + rowid + " = ?",
                           nullptr, {values[size_t(i)], m_firstRow[int(table)]});
        }
    }
    if (rc != SQLITE_OK)
        *failure = this->failure(rc);
    return rc == SQLITE_OK;
}

// For reading only: the first record of each table, where there is one.
void SqliteFile::findFirstRows()
{
    for (Table table : {Table::Form, Table::Note}) {
        const QByteArray t = quoted(tableName(table));
        const QByteArray &rowid = m_rowid[int(table)] = rowidAlias(columnsOf(m_db, t));
        QList<QVariantList> rows;
        query(m_db, "SELECT " + rowid + " FROM " + t + " ORDER BY " + rowid + " LIMIT 1", &rows);
        m_firstRow[int(table)] = rows.isEmpty() ? 0 : rows.first().value(0).toLongLong();
    }
}

sqlite3_stmt *SqliteFile::statement(const QByteArray &sql)
{
    if (sqlite3_stmt *st = m_statements.value(sql)) {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        return st;
    }
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &st,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        return nullptr;
    }
    m_statements.insert(sql, st);
    return st;
}

bool SqliteFile::run(const QByteArray &sql, Failure *failure)
{
    sqlite3_stmt *st = statement(sql);
    const int rc = st ? sqlite3_step(st) : sqlite3_extended_errcode(m_db);
    if (rc != SQLITE_DONE && failure)
        *failure = this->failure(rc);
    if (st)
        sqlite3_reset(st);
    return rc == SQLITE_DONE;
}

bool SqliteFile::changedElsewhere()
{
    sqlite3_stmt *st = statement("PRAGMA data_version");
    if (!st || sqlite3_step(st) != SQLITE_ROW) {
        if (st)
            sqlite3_reset(st);
        return false;
    }
    const qint64 version = sqlite3_column_int64(st, 0);
    sqlite3_reset(st);
    const bool changed = version != m_dataVersion;
    m_dataVersion = version;
    return changed;
}

// Each table's record with one statement.
void SqliteFile::read(Record *values, Found *found)
{
    for (Table table : {Table::Form, Table::Note}) {
        sqlite3_stmt *st = statement("SELECT * FROM " + quoted(tableName(table)) + " WHERE " +
                                     m_rowid[int(table)] + " = ?");
        if (!st)
            continue; // the table is gone: the values read last stand
        sqlite3_bind_int64(st, 1, m_firstRow[int(table)]);
        if (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0, n = sqlite3_column_count(st); c < n; ++c) {
                const QString name = QString::fromUtf8(sqlite3_column_name(st, c));
                for (int i = 0; i < fields::count; ++i) {
                    const Field &field = *fields::all[i];
                    if (field.table == table &&
                        field.column().compare(name, Qt::CaseInsensitive) == 0) {
                        (*values)[size_t(i)] = column(st, c);
                        if (found)
                            found->set(size_t(i));
                    }
                }
            }
        }
        sqlite3_reset(st);
    }
}

bool SqliteFile::write(const std::vector<Change> &changes, const Record &whole, Failure *failure)
{
    bool ok = run("BEGIN IMMEDIATE", failure);
    for (Table t : {Table::Form, Table::Note}) {
        if (ok && m_repair[int(t)])
            ok = ensureTable(t, whole, failure);
        if (ok)
            ok = update(t, changes, failure);
    }
    ok = ok && run("COMMIT", failure);
    if (!ok && !sqlite3_get_autocommit(m_db))
        run("ROLLBACK", nullptr);
    if (ok)
        m_repair[0] = m_repair[1] = false;
    return ok;
}

// Updates the table's first record with the changes to its fields, if any.
// A record, table or field found missing fails, and is put back next time.
bool SqliteFile::update(Table table, const std::vector<Change> &changes, Failure *failure)
{
    QByteArray sql = "UPDATE " + quoted(tableName(table)) + " SET ";
    QVariantList values;
    for (const Change &c : changes) {
        if (fields::all[c.index]->table != table)
            continue;
        sql += (values.isEmpty() ? "" : ", ") + quoted(fields::all[c.index]->column()) + " = ?";
        values << c.stored;
    }
    if (values.isEmpty())
        return true;
    sql += " WHERE " + m_rowid[int(table)] + " = ?";
    values << m_firstRow[int(table)];

    sqlite3_stmt *st = statement(sql);
    QList<QByteArray> keep(values.size());
    int rc = st ? SQLITE_OK : sqlite3_extended_errcode(m_db);
    for (int i = 0; rc == SQLITE_OK && i < values.size(); ++i)
        rc = bind(st, i + 1, values[i], &keep[i]);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(st);
    if (st)
        sqlite3_reset(st);
    // A missing table or field fails to compile; a missing record is
    // updated without a change.
    if ((rc & 0xff) == SQLITE_ERROR || (rc == SQLITE_DONE && sqlite3_changes(m_db) == 0)) {
        m_repair[int(table)] = true;
        *failure = {SQLITE_DONE,
                    table == Table::Form
                        ? tr("another program removed its settings record; it is written back "
                             "as the program shows it")
                        : tr("another program removed its note record; it is written back as "
                             "the program shows it")};
        return false;
    }
    if (rc != SQLITE_DONE)
        *failure = this->failure(rc);
    return rc == SQLITE_DONE;
}

SqliteFile::Failure SqliteFile::failure(int code) const
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return {code, tr("the disk is full")};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {code, tr("another program holds it locked")};
    case SQLITE_READONLY:
        return {code, tr("it can no longer be written to")};
    case SQLITE_IOERR:
        return {code, tr("the disk reported an error (%1)")
                          .arg(QString::fromLocal8Bit(strerror(sqlite3_system_errno(m_db))))};
    case SQLITE_NOMEM:
        return {code, tr("out of memory")};
    default:
        return {code, m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QString::fromUtf8(sqlite3_errstr(code))};
    }
}

void SqliteFile::setBusyTimeout(int ms)
{
    sqlite3_busy_timeout(m_db, ms);
}

bool SqliteFile::fold()
{
    int pages = 0, folded = 0;
    if (m_readOnly ||
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_PASSIVE, &pages, &folded) !=
            SQLITE_OK ||
        pages <= 0)
        return false;
    if (pages == folded) {
        // Writing the file's user version back unchanged starts the log
        // afresh and flushes its header now, not in the next change.
        QList<QVariantList> rows;
        query(m_db, "PRAGMA user_version", &rows);
        const QByteArray version = rows.isEmpty() ? "0" : rows[0].value(0).toByteArray();
        if (query(m_db, "BEGIN IMMEDIATE") == SQLITE_OK &&
            query(m_db, "PRAGMA user_version = " + version) == SQLITE_OK)
            query(m_db, "COMMIT");
        if (!sqlite3_get_autocommit(m_db))
            query(m_db, "ROLLBACK");
    }
    m_logPages = 0;
    return true;
}

bool SqliteFile::hasRoom() const
{
    struct statvfs disk;
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    return statvfs(folder.constData(), &disk) != 0 ||
           qint64(disk.f_bavail) * qint64(disk.f_frsize) >= roomAfterFull;
}

// Runs after every commit on the connection.
int SqliteFile::walHook(void *file, sqlite3 *, const char *, int pages)
{
    static_cast<SqliteFile *>(file)->m_logPages = pages;
    return SQLITE_OK;
}
