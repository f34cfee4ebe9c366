#include "notestore.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

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
bool query(sqlite3 *db, const QString &sql, QList<QVariantList> *rows = nullptr,
           const QVariantList &binds = {})
{
    sqlite3_stmt *st = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
        return false;
    bool bound = true;
    for (int i = 0; i < binds.size(); ++i)
        bound = bound && bind(st, i + 1, binds[i]) == SQLITE_OK;
    int rc = bound ? SQLITE_ROW : SQLITE_MISUSE;
    while (bound && (rc = sqlite3_step(st)) == SQLITE_ROW) {
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

NoteStore::NoteStore(const QString &path, const Defaults &defaults)
    : m_path(path), m_defaults(defaults)
{}

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

std::unique_ptr<NoteStore> NoteStore::open(const QString &path, const Defaults &defaults,
                                           QString *error)
{
    std::unique_ptr<NoteStore> store(new NoteStore(path, defaults));
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
        const QString verdict = rows.isEmpty() ? QString() : rows.first().value(0).toString();
        if (verdict != QLatin1String("ok"))
            return fail(QStringLiteral("the database is damaged (%1)").arg(verdict));
    }

    // A committed write survives a killed program; a single update takes
    // tens of microseconds, fast enough for one per mouse move. The journal
    // mode is set before anything is built, so that building is cheap too.
    query(store->m_db, QStringLiteral("PRAGMA journal_mode=WAL"));
    query(store->m_db, QStringLiteral("PRAGMA synchronous=NORMAL"));

    QString why;
    if (!store->prepareSchema(&why))
        return fail(why);
    return store;
}

// Adds whatever is missing, in one write transaction: two copies starting
// on a fresh folder at once must not both build the tables.
bool NoteStore::prepareSchema(QString *error)
{
    auto failed = [&]() {
        *error = reason();
        query(m_db, QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!query(m_db, QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = reason();
        return false;
    }
    QList<QVariantList> rows;
    if (!query(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"), &rows))
        return failed();
    QSet<QString> tables;
    for (const QVariantList &r : std::as_const(rows))
        tables.insert(r.value(0).toString());

    for (Table table : {Table::Form, Table::Note}) {
        const QString t = quoted(tableName(table));
        QStringList wanted;
        for (const Field *f : fields::all) {
            if (f->table == table)
                wanted << f->column();
        }
        QSet<QString> columns;
        if (tables.contains(tableName(table))) {
            rows.clear();
            if (!query(m_db, QStringLiteral("PRAGMA table_info(%1)").arg(t), &rows))
                return failed();
            for (const QVariantList &r : std::as_const(rows))
                columns.insert(r.value(1).toString());
        } else {
            QStringList cols;
            for (const QString &c : std::as_const(wanted))
                cols << quoted(c);
            if (!query(m_db, QStringLiteral("CREATE TABLE %1 (%2)").arg(t, cols.join(u", "))))
                return failed();
        }
        QList<const Field *> added;
        for (const Field *f : fields::all) {
            if (f->table != table || columns.isEmpty() || columns.contains(f->column()))
                continue;
            if (!query(m_db,
                       QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(t, quoted(f->column()))))
                return failed();
            added << f;
        }

        rows.clear();
        if (!query(m_db, QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid LIMIT 1").arg(t),
                   &rows))
            return failed();
        if (rows.isEmpty()) {
            QStringList cols, marks;
            QVariantList values;
            for (const Field *f : fields::all) {
                if (f->table != table)
                    continue;
                cols << quoted(f->column());
                marks << QStringLiteral("?");
                values << m_defaults.fresh(*f);
            }
            if (!query(m_db,
                       QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(t, cols.join(u", "), marks.join(u", ")),
                       nullptr, values))
                return failed();
            m_firstRow[int(table)] = sqlite3_last_insert_rowid(m_db);
        } else {
            m_firstRow[int(table)] = rows.first().value(0).toLongLong();
            // A field added just now takes its fresh value in the first record.
            for (const Field *f : std::as_const(added)) {
                if (!query(m_db,
                           QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                               .arg(t, quoted(f->column())),
                           nullptr, {m_defaults.fresh(*f), m_firstRow[int(table)]}))
                    return failed();
            }
        }
    }
    if (!query(m_db, QStringLiteral("COMMIT")))
        return failed();
    return true;
}

sqlite3_stmt *NoteStore::statement(const QByteArray &sql)
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

QVariant NoteStore::stored(const Field &field)
{
    const QByteArray sql = QByteArrayLiteral("SELECT \"") + field.name + "\" FROM \"" +
                           tableName(field.table).toLatin1() + "\" WHERE rowid = ?";
    sqlite3_stmt *st = statement(sql);
    if (!st)
        return QVariant();
    sqlite3_bind_int64(st, 1, m_firstRow[int(field.table)]);
    QVariant value;
    if (sqlite3_step(st) == SQLITE_ROW)
        value = column(st, 0);
    sqlite3_reset(st);
    return value;
}

QVariant NoteStore::value(const Field &field)
{
    return fields::read(field, stored(field), m_defaults);
}

bool NoteStore::write(std::initializer_list<Assignment> values)
{
    if (values.size() == 0)
        return true;
    const Table table = values.begin()->field.table;
    QByteArray sql = "UPDATE \"" + tableName(table).toLatin1() + "\" SET ";
    for (const Assignment &a : values) {
        Q_ASSERT(a.field.table == table);
        if (&a != values.begin())
            sql += ", ";
        sql += QByteArrayLiteral("\"") + a.field.name + "\" = ?";
    }
    sql += " WHERE rowid = ?";

    sqlite3_stmt *st = statement(sql);
    if (!st) {
        setKeeping(false, reason());
        return false;
    }
    int index = 1;
    for (const Assignment &a : values)
        (void)bind(st, index++, fields::encode(a.field, a.value));
    (void)sqlite3_bind_int64(st, index, m_firstRow[int(table)]);
    const int rc = sqlite3_step(st);
    sqlite3_reset(st);
    if (rc != SQLITE_DONE) {
        setKeeping(false, reason());
        return false;
    }
    if (sqlite3_changes(m_db) == 0) {
        setKeeping(false, QStringLiteral("its %1 record is gone").arg(tableName(table)));
        return false;
    }
    setKeeping(true, QString());
    return true;
}

void NoteStore::setKeeping(bool keeping, const QString &why)
{
    if (keeping == m_keeping)
        return;
    m_keeping = keeping;
    if (!keeping)
        emit writeFailed(QStringLiteral("A change could not be saved to the note store \"%1\": %2.")
                             .arg(QFileInfo(m_path).absoluteFilePath(), why));
    emit keepingChanged(keeping);
}
