#pragma once

#include "fields.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// The note store: one SQLite file with the settings row (table "Form") and
// the note row (table "Note"). Only the first record of each table is
// used. Columns carry no declared type, so every value comes back with
// the type it was written with.
class NoteStore : public QObject {
    Q_OBJECT

public:
    static const QString fileName;

    // Opens the store at `path`, creating a fresh one with the defaults when
    // there is no file and adding any table, first row or field that is
    // missing. A file that cannot be opened or read as a store is left
    // exactly as it was: the result is null and `error` names the file and
    // the reason.
    static std::unique_ptr<NoteStore> open(const QString &path, const Defaults &defaults,
                                           QString *error);
    ~NoteStore() override;

    const QString &path() const { return m_path; }
    const Defaults &defaults() const { return m_defaults; }

    // The field's value in its table's first record, read from the file
    // now, with the field's reading rule applied (see fields::read).
    QVariant value(const Field &field);
    // The value as it lies in the file: a number, a text, or null.
    QVariant stored(const Field &field);

    // Sets fields of one table's first record in one transaction. A failed
    // write (an update that changes no row counts as one) returns false.
    bool write(std::initializer_list<Assignment> values);

    // Whether the changes made are being kept in the file.
    bool isKeeping() const { return m_keeping; }

signals:
    // A write failed while writes were being kept: once per failure, until
    // writes are kept again.
    void writeFailed(const QString &message);
    void keepingChanged(bool keeping);

private:
    NoteStore(const QString &path, const Defaults &defaults);
    bool prepareSchema(QString *error);
    sqlite3_stmt *statement(const QByteArray &sql);
    QString reason() const;
    void setKeeping(bool keeping, const QString &why);

    QString m_path;
    Defaults m_defaults;
    sqlite3 *m_db = nullptr;
    qint64 m_firstRow[2] = {0, 0};
    QHash<QByteArray, sqlite3_stmt *> m_statements;
    bool m_keeping = true;
};

QString tableName(Table table);
