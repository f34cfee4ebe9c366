#pragma once

// Records every update of one table of a store file: a trigger copies the
// chosen fields after each update into a log table, so that a test sees how
// many updates a handler made, in which order, and what each one left.

#include "store/notestore.h"

#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

class WriteLog {
public:
    // The store file must exist. Attach before the program opens it.
    WriteLog(const QString &path, Table table, const QStringList &fieldNames)
        : m_path(path), m_log(QStringLiteral("log_") + tableName(table))
    {
        QStringList cols, values;
        for (int i = 0; i < fieldNames.size(); ++i) {
            cols << QStringLiteral("c%1").arg(i);
            values << QStringLiteral("new.\"%1\"").arg(fieldNames[i]);
        }
        const QString sql = QStringLiteral("CREATE TABLE \"%1\" (n INTEGER PRIMARY KEY, %2);"
                                           "CREATE TRIGGER \"%1_t\" AFTER UPDATE ON \"%3\" BEGIN "
                                           "INSERT INTO \"%1\" (%2) VALUES (%4); END;")
                                .arg(m_log, cols.join(", "), tableName(table), values.join(", "));
        sqlite3 *db = nullptr;
        m_ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
               sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
    }

    bool isValid() const { return m_ok; }

    // One entry for each update since the log was attached: the fields after it.
    QList<QVariantList> updates() const
    {
        QList<QVariantList> out;
        sqlite3 *db = nullptr;
        sqlite3_stmt *st = nullptr;
        const QByteArray sql =
            QStringLiteral("SELECT * FROM \"%1\" ORDER BY n").arg(m_log).toUtf8();
        if (sqlite3_open(m_path.toUtf8().constData(), &db) == SQLITE_OK &&
            sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                QVariantList row;
                for (int c = 1; c < sqlite3_column_count(st); ++c) {
                    const int type = sqlite3_column_type(st, c);
                    row << (type == SQLITE_INTEGER ? QVariant(qint64(sqlite3_column_int64(st, c)))
                            : type == SQLITE_FLOAT ? QVariant(sqlite3_column_double(st, c))
                            : type == SQLITE_TEXT
                                ? QVariant(QString::fromUtf8(
                                      reinterpret_cast<const char *>(sqlite3_column_text(st, c))))
                                : QVariant());
                }
                out << row;
            }
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }

    int count() const { return int(updates().size()); }

private:
    QString m_path;
    QString m_log;
    bool m_ok = false;
};
