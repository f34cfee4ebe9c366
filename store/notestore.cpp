#include "notestore.h"

#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>

const QString NoteStore::fileName = QStringLiteral("Quornel Desktop Notes.save");

QString tableName(Table table)
{
    return table == Table::Form ? QStringLiteral("Form") : QStringLiteral("Note");
}

namespace {

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

int bind(sqlite3_stmt *st, int index, const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return sqlite3_bind_null(st, index);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(st, index, v.toLongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return sqlite3_bind_double(st, index, v.toDouble());
    default: {
        const QByteArray utf8 = v.toString().toUtf8();
        return sqlite3_bind_text(st, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
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

// Runs one statement to its end and gives back its rows.
bool query(sqlite3 *db, const QString &sql, QList<QVariantList> *rows)
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        return false;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        if (rows) {
            QVariantList row;
            for (int i = 0; i < sqlite3_column_count(st); ++i)
                row << column(st, i);
            rows->append(row);
        }
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

} // namespace

NoteStore::NoteStore(const QString &path) : m_path(path) {}

NoteStore::~NoteStore()
{
    for (sqlite3_stmt *st : std::as_const(m_statements))
        sqlite3_finalize(st);
    if (m_db)
        sqlite3_close(m_db);
}

QString NoteStore::reason() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
}

std::unique_ptr<NoteStore> NoteStore::open(const QString &path, const fields::Defaults &defaults,
                                           QString *error)
{
    std::unique_ptr<NoteStore> store(new NoteStore(path));
    const QFileInfo info(path);
    const bool fresh = !info.exists();
    auto fail = [&](const QString &why) {
        if (error)
            *error = QStringLiteral("The note store \"%1\" cannot be used: %2.")
                         .arg(info.absoluteFilePath(), why);
        return nullptr;
    };
    if (!fresh && !info.isFile())
        return fail(QStringLiteral("it is not a file"));
    if (!fresh && !info.isReadable())
        return fail(QStringLiteral("it cannot be read"));

    const int flags = SQLITE_OPEN_READWRITE | (fresh ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.toUtf8().constData(), &store->m_db, flags, nullptr) != SQLITE_OK)
        return fail(store->reason());
    sqlite3_extended_result_codes(store->m_db, 1);
    sqlite3_busy_timeout(store->m_db, 2000);

    if (!fresh) {
        // Read the whole file before anything is written to it, so that a
        // damaged file is found while it is still untouched.
        QList<QVariantList> rows;
        if (!query(store->m_db, QStringLiteral("PRAGMA quick_check"), &rows))
            return fail(store->reason());
        if (rows.isEmpty() || rows.first().value(0).toString() != QLatin1String("ok"))
            return fail(QStringLiteral("the database is damaged (%1)")
                            .arg(rows.isEmpty() ? QString() : rows.first().value(0).toString()));
    }

    QString why;
    if (!store->prepareSchema(defaults, fresh, &why))
        return fail(why);

    // A committed write survives a killed program; a single update takes
    // tens of microseconds, fast enough for one per mouse move.
    query(store->m_db, QStringLiteral("PRAGMA journal_mode=WAL"), nullptr);
    query(store->m_db, QStringLiteral("PRAGMA synchronous=NORMAL"), nullptr);
    return store;
}

bool NoteStore::prepareSchema(const fields::Defaults &defaults, bool fresh, QString *error)
{
    struct Want {
        Table table;
        fields::Row row;
    };
    const Want wants[] = {{Table::Form, defaults.formRow()}, {Table::Note, defaults.noteRow()}};

    QStringList changes;
    QList<QVariantList> rows;
    if (!query(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"), &rows)) {
        *error = reason();
        return false;
    }
    QSet<QString> tables;
    for (const QVariantList &r : std::as_const(rows))
        tables.insert(r.value(0).toString());

    for (const Want &w : wants) {
        const QString t = quoted(tableName(w.table));
        QSet<QString> columns;
        if (tables.contains(tableName(w.table))) {
            rows.clear();
            if (!query(m_db, QStringLiteral("PRAGMA table_info(%1)").arg(t), &rows)) {
                *error = reason();
                return false;
            }
            for (const QVariantList &r : std::as_const(rows))
                columns.insert(r.value(1).toString());
        } else {
            QStringList cols;
            for (const auto &f : w.row)
                cols << quoted(f.first);
            changes
                << QStringLiteral("CREATE TABLE %1 (%2)").arg(t, cols.join(QLatin1String(", ")));
            for (const auto &f : w.row)
                columns.insert(f.first);
        }
        for (const auto &f : w.row) {
            if (!columns.contains(f.first))
                changes << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(t, quoted(f.first));
        }
    }

    // Every missing piece is added in one transaction; what is there stays.
    const bool needWrite = !changes.isEmpty() || fresh;
    if (needWrite && !query(m_db, QStringLiteral("BEGIN IMMEDIATE"), nullptr)) {
        *error = reason();
        return false;
    }
    auto rollback = [&]() {
        *error = reason();
        query(m_db, QStringLiteral("ROLLBACK"), nullptr);
        return false;
    };
    for (const QString &sql : std::as_const(changes)) {
        if (!query(m_db, sql, nullptr))
            return rollback();
    }
    bool began = needWrite;
    for (const Want &w : wants) {
        const QString t = quoted(tableName(w.table));
        rows.clear();
        if (!query(m_db, QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid LIMIT 1").arg(t),
                   &rows))
            return began ? rollback() : (*error = reason(), false);
        if (rows.isEmpty()) {
            if (!began) {
                if (!query(m_db, QStringLiteral("BEGIN IMMEDIATE"), nullptr)) {
                    *error = reason();
                    return false;
                }
                began = true;
            }
            QStringList cols, marks;
            for (const auto &f : w.row) {
                cols << quoted(f.first);
                marks << QStringLiteral("?");
            }
            sqlite3_stmt *st = nullptr;
            const QString sql =
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(t, cols.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
            if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
                return rollback();
            for (int i = 0; i < w.row.size(); ++i)
                bind(st, i + 1, w.row[i].second);
            const int rc = sqlite3_step(st);
            sqlite3_finalize(st);
            if (rc != SQLITE_DONE)
                return rollback();
            m_firstRow[int(w.table)] = sqlite3_last_insert_rowid(m_db);
        } else {
            m_firstRow[int(w.table)] = rows.first().value(0).toLongLong();
            // A field added just now takes its default in the first record.
            for (const auto &f : w.row) {
                const QString add =
                    QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(t, quoted(f.first));
                if (!changes.contains(add))
                    continue;
                sqlite3_stmt *st = nullptr;
                const QString sql =
                    QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(t, quoted(f.first));
                if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) !=
                    SQLITE_OK)
                    return rollback();
                bind(st, 1, f.second);
                sqlite3_bind_int64(st, 2, m_firstRow[int(w.table)]);
                const int rc = sqlite3_step(st);
                sqlite3_finalize(st);
                if (rc != SQLITE_DONE)
                    return rollback();
            }
        }
    }
    if (began && !query(m_db, QStringLiteral("COMMIT"), nullptr))
        return rollback();
    return true;
}

sqlite3_stmt *NoteStore::statement(const QString &sql, QString *error)
{
    auto it = m_statements.constFind(sql);
    if (it != m_statements.constEnd()) {
        sqlite3_reset(it.value());
        sqlite3_clear_bindings(it.value());
        return it.value();
    }
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
        if (error)
            *error = reason();
        sqlite3_finalize(st);
        return nullptr;
    }
    m_statements.insert(sql, st);
    return st;
}

QVariant NoteStore::read(Table table, const QString &field)
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                            .arg(quoted(field), quoted(tableName(table)));
    sqlite3_stmt *st = statement(sql, nullptr);
    if (!st)
        return QVariant();
    sqlite3_bind_int64(st, 1, m_firstRow[int(table)]);
    QVariant value;
    if (sqlite3_step(st) == SQLITE_ROW)
        value = column(st, 0);
    sqlite3_reset(st);
    return value;
}

bool NoteStore::write(Table table, const fields::Row &values)
{
    if (values.isEmpty())
        return true;
    QStringList sets;
    for (const auto &v : values)
        sets << quoted(v.first) + QLatin1String(" = ?");
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                            .arg(quoted(tableName(table)), sets.join(QLatin1String(", ")));
    QString why;
    sqlite3_stmt *st = statement(sql, &why);
    if (!st) {
        writeFailed(why);
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        bind(st, i + 1, values[i].second);
    sqlite3_bind_int64(st, int(values.size()) + 1, m_firstRow[int(table)]);
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE) {
        writeFailed(reason());
        return false;
    }
    return true;
}

void NoteStore::writeFailed(const QString &why)
{
    if (m_writeFailureReported)
        return;
    m_writeFailureReported = true;
    if (m_onWriteFailure)
        m_onWriteFailure(QStringLiteral("A change could not be saved to the note store \"%1\": %2.")
                             .arg(QFileInfo(m_path).absoluteFilePath(), why));
}
