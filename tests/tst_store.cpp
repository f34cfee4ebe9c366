// SPDX-License-Identifier: MIT
#include "store/notestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

namespace {

// Places that are not whole numbers read back as the same text from SQLite.
const Defaults defaults{{1500.5, 900.25}, QStringLiteral("/characters/quornel.qchar")};

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Another program's connection to the store file.
struct Other {
    sqlite3 *db = nullptr;
    explicit Other(const QString &path) { sqlite3_open(path.toUtf8().constData(), &db); }
    ~Other() { sqlite3_close(db); }
    bool exec(const QString &sql)
    {
        return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    QString one(const QString &sql) // the first value of the first row, as text
    {
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr);
        QString out =
            sqlite3_step(st) == SQLITE_ROW
                ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)))
                : QString();
        sqlite3_finalize(st);
        return out;
    }
};

struct Scratch {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Quornel Desktop Notes.save")); }
    std::unique_ptr<NoteStore> open(QString *error = nullptr)
    {
        auto store = NoteStore::open(path(), defaults, error);
        if (store)
            store->setRetryInterval(20);
        return store;
    }
    // A store in which another program has set the field to an SQL literal.
    std::unique_ptr<NoteStore> openWith(const Field &field, const QString &literal)
    {
        open();
        const bool set =
            Other(path()).exec(QStringLiteral("UPDATE \"%1\" SET \"%2\" = %3")
                                   .arg(tableName(field.table), field.column(), literal));
        return set ? open() : nullptr;
    }
};

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    // How each field reads, whatever the file holds. Where the program asks
    // only whether a switch is on ("on": 1 or 0; -1 where it does not ask),
    // each switch has its own test: "Read on Start" equals the text "1",
    // "Speech Enabled" the number 1, and only a 0 hides the clock.
    void readingRules_data()
    {
        QTest::addColumn<const Field *>("field");
        QTest::addColumn<QString>("stored"); // an SQL literal
        QTest::addColumn<QVariant>("read");  // unchecked where "on" is asked
        QTest::addColumn<int>("on");
        auto row = [](const char *name, const Field &field, const char *stored,
                      const QVariant &read) {
            QTest::newRow(name) << &field << QString(stored) << read << -1;
        };
        row("switch 2 reads off", fields::TransEnabled, "2", QVariant(0));
        row("speech 2 reads off", fields::SpeechEnabled, "2", QVariant(0));
        row("text 1 is 1", fields::ReadOnStart, "'1'", QVariant(1));
        row("null place", fields::Left, "NULL", QVariant(1500.5));
        row("text place", fields::Left, "'abc'", QVariant(1500.5));
        row("place off screen", fields::Top, "1e30", QVariant(900.25));
        row("place as text", fields::Top, "'-60.5'", QVariant(-60.5));
        row("level 256", fields::TransLevel, "256", QVariant(255));
        row("level 12.5", fields::TransLevel, "12.5", QVariant(255));
        row("level text 64", fields::TransLevel, "'64'", QVariant(64));
        row("flag true", fields::StartAni, "'true'", QVariant(false));
        row("flag 1", fields::CloseAni, "1", QVariant(false));
        row("flag True", fields::CloseAni, "'True'", QVariant(true));
        row("colour text", fields::TextColor, "'blue'", QVariant(0x00502814u));
        row("null note", fields::Note, "NULL", QVariant("Click here to rename text."));
        row("word is exact", fields::HideShow, "'hide'", QVariant("hide"));
        row("no character", fields::AgentName, "NULL", QVariant());
        const struct {
            const Field &field;
            const char *stored;
            int on;
        } switches[] = {{fields::ReadOnStart, "1", 1},    {fields::ReadOnStart, "'1'", 1},
                        {fields::ReadOnStart, "' 1'", 0}, {fields::ReadOnStart, "'1.0'", 0},
                        {fields::ReadOnStart, "2", 0},    {fields::SpeechEnabled, "'1'", 1},
                        {fields::SpeechEnabled, "2", 0},  {fields::SpeechEnabled, "NULL", 0},
                        {fields::ClockEnabled, "2", 1},   {fields::ClockEnabled, "NULL", 1},
                        {fields::ClockEnabled, "'0'", 0}};
        for (const auto &r : switches)
            QTest::addRow("%s %s is on: %d", r.field.name, r.stored, r.on)
                << &r.field << QString(r.stored) << QVariant() << r.on;
    }
    void readingRules()
    {
        QFETCH(const Field *, field);
        QFETCH(QString, stored);
        QFETCH(QVariant, read);
        QFETCH(int, on);
        Scratch files;
        const auto store = files.openWith(*field, stored);
        QVERIFY(store);
        if (on >= 0) {
            QCOMPARE(store->isOn(*field), on == 1);
            return;
        }
        const QVariant value = store->value(*field);
        QCOMPARE(value.typeId(), read.typeId());
        QCOMPARE(value, read);
    }

    // ... and is the user's alone; an existing store keeps its mode.
    void freshStoreHoldsEveryFieldWithItsType()
    {
        Scratch files;
        auto store = files.open();
        QVERIFY(store);
        for (const char *end : {"", "-wal", "-shm"})
            QCOMPARE(QFileInfo(files.path() + end).permissions(),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        store.reset();
        QFile(files.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        store = files.open();
        QVERIFY(QFileInfo(files.path()).permissions() & QFile::ReadOther);
        const QStringList fresh[] = {{"Form", "Left", "real", "1500.5"},
                                     {"Form", "Top", "real", "900.25"},
                                     {"Form", "Hide/Show", "text", "Show"},
                                     {"Form", "Clock Enabled", "integer", "1"},
                                     {"Form", "Read on Start", "integer", "0"},
                                     {"Form", "Speech Enabled", "integer", "1"},
                                     {"Form", "Agent Name", "text", "/characters/quornel.qchar"},
                                     {"Form", "Trans Enabled", "integer", "0"},
                                     {"Form", "Trans Level", "text", "255"},
                                     {"Note", "Text Color", "integer", "5253140"}, // deep navy
                                     {"Note", "Start Ani", "text", "True"},
                                     {"Note", "Close Ani", "text", "True"},
                                     {"Note", "Note", "text", "Click here to rename text."}};
        QCOMPARE(std::size(fresh), std::size(fields::all));
        Other other(files.path());
        for (const QStringList &f : fresh) {
            const QString column = '"' + f[1] + '"';
            QCOMPARE(
                other.one("SELECT typeof(" + column + ") || ' ' || " + column + " FROM " + f[0]),
                f[2] + ' ' + f[3]);
        }
    }

    void missingPiecesAreAddedAndNothingElseChanges_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing table") << "DROP TABLE \"Note\"";
        QTest::newRow("empty table") << "DELETE FROM \"Note\"";
        QTest::newRow("missing field") << "ALTER TABLE \"Note\" DROP COLUMN \"Close Ani\"";
        QTest::newRow("a field named rowid") << "ALTER TABLE \"Note\" ADD COLUMN \"rowid\"";
    }
    void missingPiecesAreAddedAndNothingElseChanges()
    {
        QFETCH(QString, damage);
        Scratch files;
        files.open()->write({{fields::HideShow, QStringLiteral("kept")}});
        Other other(files.path());
        QVERIFY(other.exec(damage));
        QVERIFY(other.exec("INSERT INTO \"Form\" (\"Hide/Show\") VALUES ('second')"));
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(other.one("SELECT count(*) || \"Close Ani\" FROM \"Note\""), "1True");
        QCOMPARE(other.one("SELECT group_concat(\"Hide/Show\") FROM \"Form\""), "kept,second");
        store->write({{fields::Note, QStringLiteral("renamed")}});
        QTRY_VERIFY(!store->isWaiting());
        QVERIFY(store->isKeeping());
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "renamed");
    }

    void damagedFileIsReportedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("not a store") << QByteArray("Left=1\nTop=2\n");
        // Stores refused for what their tables are.
        for (const char *sql : {"CREATE VIEW \"Form\" AS SELECT 1 AS \"Left\"",
                                "CREATE TABLE \"Form\" (\"Left\" PRIMARY KEY) WITHOUT ROWID",
                                "CREATE TABLE \"Note\" (\"note\", \"text color\")"}) {
            QTemporaryDir made;
            Other(made.filePath("s")).exec(sql);
            QTest::newRow(sql) << bytesOf(made.filePath("s"));
        }
        Scratch files;
        files.open();
        // A large table of its own whose pages reading the two records
        // never touches: only a check of the whole file finds the damage.
        Other(files.path())
            .exec("CREATE TABLE Extra (x); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT "
                  "i + 1 FROM n WHERE i < 200) INSERT INTO Extra SELECT randomblob(3000) FROM n; "
                  "PRAGMA wal_checkpoint(TRUNCATE)");
        QByteArray store = bytesOf(files.path());
        QVERIFY(store.size() > 200 * 4096);
        QTest::newRow("first pages") << QByteArray(store).replace(100, 3000, QByteArray(3000, 'x'));
        store.replace(store.size() - 100 * 4096, 4096, QByteArray(4096, 'x'));
        QTest::newRow("a page of another table") << store;
    }
    void damagedFileIsReportedAndLeftUntouched()
    {
        QFETCH(QByteArray, contents);
        Scratch files;
        QFile f(files.path());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size());
        f.close();
        QString error;
        QVERIFY(!files.open(&error));
        QVERIFY2(error.contains(files.path()) && error.contains("cannot be used"),
                 qPrintable(error));
        QCOMPARE(bytesOf(files.path()), contents);
        QCOMPARE(QDir(files.dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Quornel Desktop Notes.save")});
    }

    // Fail, still failing, recover, fail again: one message per episode,
    // and every change made meanwhile is read back and lands in the end.
    void failureEpisodes()
    {
        const QString note = QStringLiteral("held");
        Scratch files;
        auto store = files.open();
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        QSignalSpy keeping(store.get(), &NoteStore::keepingChanged);
        Other other(files.path());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        store->write({{fields::Note, note}});
        QTRY_COMPARE(failed.size(), 1);
        store->write({{fields::Left, 30.0}, {fields::Top, 45.0}});
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed[0][0].toString().contains(files.path()),
                 qPrintable(failed[0][0].toString()));
        QCOMPARE(keeping.size(), 1);
        QVERIFY(!store->isKeeping());
        QCOMPARE(store->value(fields::Note).toString(), note);
        QCOMPARE(store->value(fields::Left).toDouble(), 30.0);
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "Click here to rename text.");

        QVERIFY(other.exec("COMMIT"));
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(keeping.size(), 2);
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), note);
        QCOMPARE(other.one("SELECT \"Top\" FROM \"Form\""), "45.0");

        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        store->write({{fields::ClockEnabled, 0}});
        QTRY_COMPARE(failed.size(), 2);
        QVERIFY(other.exec("COMMIT"));
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(other.one("SELECT \"Clock Enabled\" FROM \"Form\""), "0");
    }

    // Unused for a while, the store closes its file, which folds the log
    // into it. What another program writes meanwhile is read, a change made
    // at rest lands, and a file that cannot be opened again holds the
    // change (reported once) until it can.
    void restsAndOpensAgain()
    {
        Scratch files;
        auto store = files.open();
        store->setRestDelay(100);
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        const auto closed = [&] {
            return store->isResting() && !QFileInfo::exists(files.path() + "-wal") &&
                   !QFileInfo::exists(files.path() + "-shm");
        };
        const auto note = [&] { return Other(files.path()).one("SELECT \"Note\" FROM \"Note\""); };
        store->write({{fields::Note, QStringLiteral("before")}});
        QTRY_VERIFY(closed());
        QCOMPARE(note(), "before");
        QVERIFY(Other(files.path()).exec("UPDATE \"Form\" SET \"Left\" = 77.5"));
        QCOMPARE(store->value(fields::Left).toDouble(), 77.5);
        QVERIFY(!store->isResting());

        QTRY_VERIFY(closed());
        store->write({{fields::Note, QStringLiteral("at rest")}});
        QTRY_VERIFY(!store->isWaiting());
        QCOMPARE(note(), "at rest");

        QTRY_VERIFY(closed());
        const QString away = files.path() + QStringLiteral(".away");
        QVERIFY(QFile::rename(files.path(), away));
        store->write({{fields::Note, QStringLiteral("held")}});
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(store->value(fields::Note).toString(), QStringLiteral("held"));
        QVERIFY(QFile::rename(away, files.path()));
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(note(), "held");
        QCOMPARE(failed.size(), 1);
    }

    // Changes are written on the worker thread: read back at once, the
    // later of two long notes lands last, and the position goes on meanwhile.
    void laterChangesLandLast()
    {
        Scratch files;
        auto store = files.open();
        const QString first(100000, u'a'), second(200000, u'b');
        store->write({{fields::Note, first}});
        store->write({{fields::Note, second}});
        store->write({{fields::Left, 30.0}, {fields::Top, 45.0}});
        QCOMPARE(store->value(fields::Note).toString(), second);
        QVERIFY(store->isKeeping());
        QTRY_VERIFY(!store->isWaiting());
        QCOMPARE(store->value(fields::Note).toString(), second);
        Other other(files.path());
        QCOMPARE(other.one("SELECT length(\"Note\") || substr(\"Note\", 1, 1) FROM \"Note\""),
                 "200000b");
        QCOMPARE(other.one("SELECT \"Left\" FROM \"Form\""), "30.0");
    }

    // An update that changes nothing is a failure; the record, or its
    // table, comes back with what the program shows.
    void removedRecordIsWrittenBackAsShown_data()
    {
        QTest::addColumn<QString>("removal");
        QTest::newRow("record") << "DELETE FROM \"Note\"";
        QTest::newRow("table") << "DROP TABLE \"Note\"";
    }
    void removedRecordIsWrittenBackAsShown()
    {
        QFETCH(QString, removal);
        Scratch files;
        auto store = files.open();
        store->write({{fields::TextColor, qint64(255)}});
        QTRY_VERIFY(!store->isWaiting());
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        Other other(files.path());
        QVERIFY(other.exec(removal));
        store->setRetryInterval(60000); // the next write is the retry
        store->write({{fields::Note, QStringLiteral("renamed")}});
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY2(failed[0][0].toString().contains("removed"), qPrintable(failed[0][0].toString()));
        QCOMPARE(store->value(fields::Note).toString(), QStringLiteral("renamed"));
        store->write({{fields::CloseAni, false}});
        QVERIFY(store->isKeeping() && !store->isWaiting());
        QCOMPARE(other.one("SELECT count(*) || \"Note\" || \"Text Color\" || \"Close Ani\" "
                           "FROM \"Note\""),
                 "1renamed255False");
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
