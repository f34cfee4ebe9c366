// SPDX-License-Identifier: MIT
#pragma once

#include "fields.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QVariant>

#include <array>
#include <bitset>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The SQLite file that keeps the note store: the settings row (table "Form")
// and the note row (table "Note"), the first record of each. Opened and set
// up once, for a fresh file and an existing one alike; its schema completed;
// its statements prepared once; every change goes through one write
// transaction. Columns carry no declared type, so every value comes back with
// the type it was written with.
//
// One thread at a time uses it: the program's own while the store opens, the
// store's worker from then on.
class SqliteFile {
    Q_DECLARE_TR_FUNCTIONS(SqliteFile)

public:
    // A value for every field, by its place in fields::all, as it lies in the
    // file: an integer (qint64), a real (double), a text, a blob or no value.
    using Record = std::array<QVariant, fields::count>;
    // Which fields a read found in the file.
    using Found = std::bitset<fields::count>;

    struct Failure {
        int code = 0; // SQLite's extended result code
        QString reason;
        bool isFull() const;
    };
    // Fields of one table to set, by their place in fields::all.
    struct Change {
        int index;
        QVariant stored;
    };

    // Opens the file, or makes a fresh one holding `fresh`, and adds any
    // table, first record or field that is missing with its value from
    // `fresh`; then reads both records into `values`. A file that cannot be
    // opened or read as a store is left exactly as it was: the result is
    // null and `error` names the file and the reason. A file that can be
    // read but not written (a read-only file, folder or disk) opens for
    // reading, and `readOnly` says why.
    static std::unique_ptr<SqliteFile> open(const QString &path, const Record &fresh,
                                            Record *values, QString *error, QString *readOnly);
    // Closing the last connection folds the log into the file and removes it
    // and its index.
    ~SqliteFile();

    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    const QString &path() const { return m_path; }
    bool isReadOnly() const { return m_readOnly; }

    // Whether another connection has changed the file since the last look.
    bool changedElsewhere();
    // Reads both records into `values`; a field whose table, record or
    // column is gone keeps its value there.
    void read(Record *values, Found *found = nullptr);

    // Sets the fields in one write transaction. A record, table or field
    // another program removed fails the write (an update that changes
    // nothing is a failure) and is put back, with `whole`, by the next one.
    bool write(const std::vector<Change> &changes, const Record &whole, Failure *failure);
    // Whether a table was found without its record and is put back by the
    // next write (the program then reads both records again).
    bool isRepairing() const { return m_repair[0] || m_repair[1]; }

    // How long a write may wait for another program's lock.
    void setBusyTimeout(int ms);
    // Folds the log back into the file. Returns whether anything was folded;
    // a log folded whole is started afresh at once, so that the next change
    // does not pay for flushing its header.
    bool fold();
    // Pages in the log after the last commit.
    int logPages() const { return m_logPages; }
    // Whether the disk under the file has room again after it was full.
    bool hasRoom() const;

private:
    explicit SqliteFile(const QString &path);
    bool openForReading(QString *why);
    bool checkWhole(QString *why);
    bool prepareSchema(const Record &values, Failure *failure);
    bool ensureTable(Table table, const Record &values, Failure *failure);
    void findFirstRows();
    sqlite3_stmt *statement(const QByteArray &sql);
    bool run(const QByteArray &sql, Failure *failure);
    bool update(Table table, const std::vector<Change> &changes, Failure *failure);
    Failure failure(int code) const;
    static int walHook(void *file, sqlite3 *db, const char *name, int pages);

    QString m_path; // absolute
    sqlite3 *m_db = nullptr;
    bool m_readOnly = false;
    QHash<QByteArray, sqlite3_stmt *> m_statements;
    qint64 m_firstRow[2] = {0, 0};
    QByteArray m_rowid[2] = {"rowid", "rowid"}; // how each table's records are addressed
    bool m_repair[2] = {false, false};
    qint64 m_dataVersion = -1;
    int m_logPages = 0;
};

QString tableName(Table table);
