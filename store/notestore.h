#pragma once

#include "fields.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

enum class Table { Form, Note };

// The note store: one SQLite file with the settings row (table "Form") and
// the note row (table "Note"). Only the first record of each table is
// used. Columns carry no declared type, so every value comes back with
// the type it was written with.
class NoteStore {
public:
    static const QString fileName;

    // Opens the store at `path`, creating a fresh one with the defaults when
    // there is no file and adding any table, first row or field that is
    // missing. A file that cannot be opened or read as a store is left
    // exactly as it was: the result is null and `error` names the file and
    // the reason.
    static std::unique_ptr<NoteStore> open(const QString &path, const fields::Defaults &defaults,
                                           QString *error);
    ~NoteStore();

    NoteStore(const NoteStore &) = delete;
    NoteStore &operator=(const NoteStore &) = delete;

    const QString &path() const { return m_path; }

    // The field's value in the table's first record, read from the file
    // now: a number, a text, or null.
    QVariant read(Table table, const QString &field);

    // Sets one or more fields of the first record in one transaction.
    // A failure is reported through the write-failure handler, the first
    // time only, and returns false.
    bool write(Table table, const fields::Row &values);

    void setWriteFailureHandler(std::function<void(const QString &)> handler)
    {
        m_onWriteFailure = std::move(handler);
    }

private:
    explicit NoteStore(const QString &path);
    bool prepareSchema(const fields::Defaults &defaults, bool fresh, QString *error);
    sqlite3_stmt *statement(const QString &sql, QString *error);
    QString reason() const;
    void writeFailed(const QString &why);

    QString m_path;
    sqlite3 *m_db = nullptr;
    qint64 m_firstRow[2] = {0, 0};
    QHash<QString, sqlite3_stmt *> m_statements;
    std::function<void(const QString &)> m_onWriteFailure;
    bool m_writeFailureReported = false;
};

QString tableName(Table table);
