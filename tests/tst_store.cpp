// SPDX-License-Identifier: MIT
#include "store/notestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <atomic>
#include <cstring>

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
    // Straight to the disk, whatever the store's files go through.
    explicit Other(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        "unix");
    }
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
    // "type:value" of a field of the first record.
    QString typed(const Field &field)
    {
        const QString column = '"' + field.column() + '"';
        return one("SELECT typeof(" + column + ") || ':' || " + column + " FROM \"" +
                   tableName(field.table) + "\"");
    }
};

// A disk that fills up, and a record of which threads touch the files: the
// store's files reached through SQLite's own file layer, wrapped.
struct Disk {
    static inline std::atomic<qint64> room{-1}; // bytes the files may still grow by; -1: any
    static inline std::atomic<Qt::HANDLE> watched{nullptr};
    static inline std::atomic<int> callsOnWatched{0};

    struct File {
        sqlite3_file base;
        sqlite3_file *inner() { return reinterpret_cast<sqlite3_file *>(this + 1); }
    };
    static sqlite3_vfs *real() { return static_cast<sqlite3_vfs *>(vfs.pAppData); }
    static sqlite3_file *in(sqlite3_file *f) { return reinterpret_cast<File *>(f)->inner(); }
    static void touched()
    {
        if (watched.load() == QThread::currentThreadId())
            ++callsOnWatched;
    }
    static int write(sqlite3_file *f, const void *b, int n, sqlite3_int64 at)
    {
        touched();
        sqlite3_int64 size = 0;
        in(f)->pMethods->xFileSize(in(f), &size);
        const qint64 growth = at + n - size;
        if (growth > 0 && room.load() >= 0) {
            if (growth > room.load())
                return SQLITE_FULL;
            room -= growth;
        }
        return in(f)->pMethods->xWrite(in(f), b, n, at);
    }
    static inline sqlite3_io_methods io{
        3,
        [](sqlite3_file *f) { return in(f)->pMethods->xClose(in(f)); },
        [](sqlite3_file *f, void *b, int n, sqlite3_int64 at) {
            touched();
            return in(f)->pMethods->xRead(in(f), b, n, at);
        },
        write,
        [](sqlite3_file *f, sqlite3_int64 s) { return in(f)->pMethods->xTruncate(in(f), s); },
        [](sqlite3_file *f, int flags) {
            touched();
            return in(f)->pMethods->xSync(in(f), flags);
        },
        [](sqlite3_file *f, sqlite3_int64 *s) { return in(f)->pMethods->xFileSize(in(f), s); },
        [](sqlite3_file *f, int l) {
            touched();
            return in(f)->pMethods->xLock(in(f), l);
        },
        [](sqlite3_file *f, int l) { return in(f)->pMethods->xUnlock(in(f), l); },
        [](sqlite3_file *f, int *r) { return in(f)->pMethods->xCheckReservedLock(in(f), r); },
        [](sqlite3_file *f, int op, void *a) {
            return in(f)->pMethods->xFileControl(in(f), op, a);
        },
        [](sqlite3_file *f) { return in(f)->pMethods->xSectorSize(in(f)); },
        [](sqlite3_file *f) { return in(f)->pMethods->xDeviceCharacteristics(in(f)); },
        [](sqlite3_file *f, int p, int s, int e, void volatile **m) {
            return in(f)->pMethods->xShmMap(in(f), p, s, e, m);
        },
        [](sqlite3_file *f, int o, int n, int fl) {
            touched();
            return in(f)->pMethods->xShmLock(in(f), o, n, fl);
        },
        [](sqlite3_file *f) { in(f)->pMethods->xShmBarrier(in(f)); },
        [](sqlite3_file *f, int d) { return in(f)->pMethods->xShmUnmap(in(f), d); },
        [](sqlite3_file *f, sqlite3_int64 at, int n, void **p) {
            return in(f)->pMethods->xFetch(in(f), at, n, p);
        },
        [](sqlite3_file *f, sqlite3_int64 at, void *p) {
            return in(f)->pMethods->xUnfetch(in(f), at, p);
        },
    };
    static int open(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *f, int flags, int *out)
    {
        touched();
        const int rc = real()->xOpen(real(), name, in(f), flags, out);
        f->pMethods = in(f)->pMethods ? &io : nullptr;
        return rc;
    }
    static inline sqlite3_vfs vfs{};

    // Every file the program's store opens from now on goes through here.
    static void install()
    {
        if (vfs.zName)
            return;
        sqlite3_vfs *underneath = sqlite3_vfs_find(nullptr);
        std::memcpy(&vfs, underneath, sizeof vfs);
        vfs.zName = "filling";
        vfs.szOsFile = int(sizeof(File)) + underneath->szOsFile;
        vfs.pAppData = underneath;
        vfs.xOpen = open;
        sqlite3_vfs_register(&vfs, 1);
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

bool landed(const NoteStore &store)
{
    return QTest::qWaitFor([&] { return !store.isWaiting(); }) && store.isKeeping();
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Disk::install(); }
    void cleanup()
    {
        Disk::room = -1;
        Disk::watched = nullptr;
    }

    // How each field reads, whatever the file holds: its type, with its rule.
    // Switches each have their own test: "Read on Start" equals the text
    // "1", "Speech Enabled" the number 1, and only a 0 hides the clock.
    void readingRules_data()
    {
        QTest::addColumn<const Field *>("field");
        QTest::addColumn<QString>("stored"); // an SQL literal
        QTest::addColumn<QVariant>("read");
        auto row = [](const Field &field, const char *stored, const QVariant &read) {
            QTest::addRow("%s %s", field.name, stored) << &field << QString(stored) << read;
        };
        for (const char *level : {"0", "'0'", "255", "'255'", "' 7'", "64.0"})
            row(fields::TransLevel, level, int(QString(level).remove('\'').toDouble()));
        for (const char *level : {"256", "'256'", "-1", "12.5", "'abc'", "NULL"})
            row(fields::TransLevel, level, 255);
        row(fields::TransEnabled, "2", false);
        row(fields::TransEnabled, "'1'", true);
        row(fields::SpeechEnabled, "1.0", true);
        row(fields::SpeechEnabled, "NULL", false);
        row(fields::ReadOnStart, "'1'", true);
        row(fields::ReadOnStart, "1", true);
        for (const char *odd : {"' 1'", "'1.0'", "2", "NULL"})
            row(fields::ReadOnStart, odd, false);
        for (const char *shown : {"2", "NULL", "'x'", "1"})
            row(fields::ClockEnabled, shown, true);
        row(fields::ClockEnabled, "'0'", false);
        row(fields::Left, "NULL", 1500.5);
        row(fields::Left, "'abc'", 1500.5);
        row(fields::Left, "491505", 491505.0);
        row(fields::Left, "491506", 1500.5); // beyond any screen coordinate
        row(fields::Top, "1e30", 900.25);
        row(fields::Top, "'-60.5'", -60.5);
        row(fields::Hidden, "'Hide'", true);
        row(fields::Hidden, "'hide'", false);
        row(fields::Hidden, "NULL", false);
        row(fields::StartAni, "'true'", false);
        row(fields::CloseAni, "1", false);
        row(fields::CloseAni, "'True'", true);
        row(fields::TextColor, "'blue'", QColor(0x14, 0x28, 0x50));
        row(fields::TextColor, "16777215", QColor(Qt::white));
        row(fields::TextColor, "0", QColor(Qt::black));
        row(fields::TextColor, "255", QColor(Qt::red));
        row(fields::Note, "NULL", QStringLiteral("Click here to rename text."));
        row(fields::Note, "''", QString(""));
        row(fields::AgentName, "NULL", QVariant::fromValue(CharacterChoice()));
        row(fields::AgentName, "'None'", QVariant::fromValue(CharacterChoice::noneChosen()));
        row(fields::AgentName, "'none'",
            QVariant::fromValue(CharacterChoice::file(QStringLiteral("none"))));
        // The reading's own fields: a language tag or none, a whole
        // percentage from 50 to 200, and a switch that only 0 turns off.
        for (const char *tag : {"'de'", "'en-GB-x-rp'", "'cmn-Latn-pinyin'"})
            row(fields::ReadingLanguage, tag, QString(tag).remove('\''));
        for (const char *odd : {"NULL", "5", "'de de'", "'../de'", "'-de'", "''"})
            row(fields::ReadingLanguage, odd, QString());
        for (const char *speed : {"50", "'75'", "200.0"})
            row(fields::ReadingSpeed, speed, int(QString(speed).remove('\'').toDouble()));
        for (const char *odd : {"49", "201", "12.5", "'fast'", "NULL"})
            row(fields::ReadingSpeed, odd, 100);
        for (const char *off : {"0", "'0'", "0.0"})
            row(fields::StayOnDesktop, off, false);
        for (const char *on : {"1", "2", "NULL", "'yes'"})
            row(fields::StayOnDesktop, on, true);
    }
    void readingRules()
    {
        QFETCH(const Field *, field);
        QFETCH(QString, stored);
        QFETCH(QVariant, read);
        Scratch files;
        const auto store = files.openWith(*field, stored);
        QVERIFY(store);
        const QVariant value = fields::read(*field, store->stored(*field), store->defaults());
        QCOMPARE(value.metaType(), read.metaType());
        if (field->kind == Kind::Path)
            QCOMPARE(value.value<CharacterChoice>(), read.value<CharacterChoice>());
        else
            QCOMPARE(value, read);
    }

    // Each field is written in its own form, as the program reads it back,
    // and reads back as written.
    void writtenForms()
    {
        Scratch files;
        auto store = files.open();
        store->write({{fields::Left, 0.1}, {fields::Top, -3.0}});
        store->set(fields::Hidden, true);
        store->set(fields::ClockEnabled, false);
        store->set(fields::TransLevel, 0);
        store->set(fields::TransEnabled, true);
        store->set(fields::AgentName, CharacterChoice::noneChosen());
        store->set(fields::TextColor, QColor(0x44, 0x55, 0x66));
        store->set(fields::CloseAni, false);
        store->write({{fields::ReadingLanguage, QStringLiteral("de")},
                      {fields::ReadingSpeed, 150},
                      {fields::StayOnDesktop, false}});
        QVERIFY(landed(*store));
        Other other(files.path());
        const QStringList written{"real:0.100000001490116",
                                  "real:-3.0",
                                  "text:Hide",
                                  "integer:0",
                                  "integer:0",
                                  "integer:1",
                                  "text:None",
                                  "integer:1",
                                  "text:0",
                                  "integer:6706500",
                                  "text:True",
                                  "text:False",
                                  "text:Click here to rename text.",
                                  "text:de",
                                  "integer:150",
                                  "integer:0"};
        QCOMPARE(written.size(), fields::count);
        for (int i = 0; i < fields::count; ++i)
            QCOMPARE(other.typed(*fields::all[i]), written[i]);
        store->set(fields::TransLevel, 255);
        store->set(fields::AgentName, CharacterChoice());
        QVERIFY(landed(*store));
        QCOMPARE(other.typed(fields::TransLevel), "text:255");
        QCOMPARE(other.one("SELECT typeof(\"Agent Name\") FROM \"Form\""), "null");
        store = files.open();
        QCOMPARE(store->get(fields::TransLevel), 255);
        QCOMPARE(store->get(fields::TextColor), QColor(0x44, 0x55, 0x66));
        QCOMPARE(store->get(fields::Left), double(0.1f));
        QVERIFY(store->get(fields::Hidden) && !store->get(fields::ClockEnabled));
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
        const QStringList fresh{"real:1500.5",
                                "real:900.25",
                                "text:Show",
                                "integer:1",
                                "integer:0",
                                "integer:1",
                                "text:/characters/quornel.qchar",
                                "integer:0",
                                "text:255",
                                "integer:5253140", // deep navy
                                "text:True",
                                "text:True",
                                "text:Click here to rename text.",
                                "text:",
                                "integer:100",
                                "integer:1"};
        QCOMPARE(fresh.size(), fields::count);
        Other other(files.path());
        for (int i = 0; i < fields::count; ++i)
            QCOMPARE(other.typed(*fields::all[i]), fresh[i]);
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
        auto first = files.open();
        first->set(fields::Hidden, true);
        first.reset();
        Other other(files.path());
        QVERIFY(other.exec(damage));
        QVERIFY(other.exec("INSERT INTO \"Form\" (\"Hide/Show\") VALUES ('second')"));
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(other.one("SELECT count(*) || \"Close Ani\" FROM \"Note\""), "1True");
        QCOMPARE(other.one("SELECT group_concat(\"Hide/Show\") FROM \"Form\""), "Hide,second");
        store->set(fields::Note, QStringLiteral("renamed"));
        QVERIFY(landed(*store));
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "renamed");
    }

    // A store made by the designed program, without the reading's own
    // fields: they are added after its columns with their fresh values and
    // read as the defaults; what it held stays as it was.
    void aStoreWithoutTheReadingsFields()
    {
        Scratch files;
        {
            Other other(files.path());
            QVERIFY(other.exec(
                "CREATE TABLE \"Form\" (\"Left\", \"Top\", \"Hide/Show\", \"Clock Enabled\", "
                "\"Read on Start\", \"Speech Enabled\", \"Agent Name\", \"Trans Enabled\", "
                "\"Trans Level\"); INSERT INTO \"Form\" VALUES (4500.0, 3000.0, 'Show', 1, '1', "
                "1, 'C:\\a.acs', 0, '200'); CREATE TABLE \"Note\" (\"Note\", \"Text Color\", "
                "\"Start Ani\", \"Close Ani\"); INSERT INTO \"Note\" VALUES ('milk', 255, "
                "'False', 'True')"));
        }
        const QString designed = "SELECT quote(\"Left\") || quote(\"Top\") || quote(\"Hide/Show\") "
                                 "|| quote(\"Read on Start\") || quote(\"Agent Name\") || "
                                 "quote(\"Trans Level\") FROM \"Form\"";
        const QString before = Other(files.path()).one(designed);
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(store->get(fields::ReadingLanguage), QString());
        QCOMPARE(store->get(fields::ReadingSpeed), 100);
        QVERIFY(store->get(fields::StayOnDesktop));
        Other other(files.path());
        QCOMPARE(other.one(designed), before);
        QCOMPARE(other.one("SELECT group_concat(name, '|') FROM pragma_table_info('Form')"),
                 "Left|Top|Hide/Show|Clock Enabled|Read on Start|Speech Enabled|Agent Name|"
                 "Trans Enabled|Trans Level|Reading Language|Reading Speed|Stay on Desktop");
        QCOMPARE(other.one("SELECT count(*) FROM pragma_table_info('Note')"), "4");
        store->set(fields::ReadingSpeed, 200);
        QVERIFY(landed(*store));
        QCOMPARE(other.typed(fields::ReadingSpeed), "integer:200");
        QCOMPARE(other.one(designed), before);
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

    // Locked by another program, made read-only meanwhile, then writable and
    // free again: one message per episode, every change made meanwhile read
    // back, and the last of two changes to a field is the one that lands.
    void failureEpisodes()
    {
        Scratch files;
        auto store = files.open();
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        QSignalSpy keeping(store.get(), &NoteStore::keepingChanged);
        Other other(files.path());
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        store->set(fields::Note, QStringLiteral("first"));
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(QFile(files.path()).setPermissions(QFile::ReadOwner));
        store->set(fields::Note, QStringLiteral("second"));
        store->write({{fields::Left, 30.0}, {fields::Top, 45.0}});
        QTest::qWait(100); // tried again meanwhile
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed[0][0].toString().contains(files.path()),
                 qPrintable(failed[0][0].toString()));
        QCOMPARE(keeping.size(), 1);
        QVERIFY(!store->isKeeping());
        QCOMPARE(store->get(fields::Note), QStringLiteral("second"));
        QCOMPARE(store->get(fields::Left), 30.0);
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "Click here to rename text.");

        QVERIFY(other.exec("COMMIT"));
        QVERIFY(QFile(files.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(keeping.size(), 2);
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "second");
        QCOMPARE(other.one("SELECT \"Top\" FROM \"Form\""), "45.0");

        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        store->set(fields::ClockEnabled, false);
        QTRY_COMPARE(failed.size(), 2);
        QVERIFY(other.exec("COMMIT"));
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(other.one("SELECT \"Clock Enabled\" FROM \"Form\""), "0");
        store = files.open();
        QCOMPARE(store->get(fields::Note), QStringLiteral("second"));
    }

    // A disk with a few kilobytes left while the note keeps changing: one
    // message, every change read back, and the last one lands once the disk
    // has room again.
    void fullDisk()
    {
        Scratch files;
        auto store = files.open();
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        Disk::room = 6 * 1024;
        QString note;
        for (int i = 1; i <= 30; ++i) {
            note = QStringLiteral("%1 ").arg(i).repeated(200 * i);
            store->set(fields::Note, note);
            QTest::qWait(10);
        }
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY2(failed[0][0].toString().contains(QLatin1String("the disk is full")),
                 qPrintable(failed[0][0].toString()));
        QVERIFY(!store->isKeeping());
        QCOMPARE(store->get(fields::Note), note);
        QTest::qWait(100);
        QCOMPARE(failed.size(), 1);
        Disk::room = -1;
        QTRY_VERIFY(store->isKeeping());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(Other(files.path()).one("SELECT \"Note\" FROM \"Note\""), note);
    }

    // What the window shows follows the store: a change is announced once,
    // when a value really changes, whether this program or another made it.
    // Another program's change to a field with a change of ours on its way
    // is not shown: ours lands over it.
    void changesAreAnnounced()
    {
        Scratch files;
        auto store = files.open();
        QList<bool> clock;
        QStringList notes;
        QObject context;
        store->watch(fields::ClockEnabled, &context, [&](bool on) { clock << on; });
        store->watch(fields::Note, &context, [&](const QString &n) { notes << n; });
        store->set(fields::ClockEnabled, false);
        store->set(fields::ClockEnabled, false);
        QCOMPARE(clock, QList<bool>{false});
        QVERIFY(landed(*store));

        Other other(files.path());
        QVERIFY(other.exec("UPDATE \"Form\" SET \"Clock Enabled\" = 1"));
        QTRY_COMPARE(clock, (QList<bool>{false, true}));
        QVERIFY(other.exec("UPDATE \"Note\" SET \"Note\" = 'theirs'"));
        QTRY_COMPARE(notes, QStringList{"theirs"});

        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        store->set(fields::Note, QStringLiteral("ours"));
        QVERIFY(other.exec("UPDATE \"Note\" SET \"Note\" = 'later theirs', \"Close Ani\" = "
                           "'False'; COMMIT"));
        QTRY_VERIFY(!store->get(fields::CloseAni));
        QVERIFY(landed(*store));
        QCOMPARE(store->get(fields::Note), QStringLiteral("ours"));
        QCOMPARE(other.one("SELECT \"Note\" FROM \"Note\""), "ours");
        QCOMPARE(notes, (QStringList{"theirs", "ours"}));
    }

    // Once the store is open, the program's thread never touches its files:
    // reads come from memory, writes and another program's changes go
    // through the worker thread, and so does leaving.
    void theProgramsThreadNeverTouchesTheFile()
    {
        Scratch files;
        auto store = files.open();
        QVERIFY(landed(*store));
        Disk::callsOnWatched = 0;
        Disk::watched = QThread::currentThreadId();
        QStringList notes;
        store->watch(fields::Note, this, [&](const QString &n) { notes << n; });
        for (int i = 0; i < 50; ++i) {
            store->write({{fields::Left, double(i)}, {fields::Top, 5.0}});
            store->get(fields::Note);
        }
        bool done = false;
        store->whenLanded(this, [&] { done = true; });
        QTRY_VERIFY(done);
        Other(files.path()).exec("UPDATE \"Note\" SET \"Note\" = 'theirs'");
        QTRY_COMPARE(notes, QStringList{"theirs"});
        store->set(fields::Note, QStringLiteral("at exit"));
        store.reset();
        QCOMPARE(Disk::callsOnWatched.load(), 0);
        Disk::watched = nullptr;
        QCOMPARE(Other(files.path()).one("SELECT \"Note\" FROM \"Note\""), "at exit");
        QVERIFY(!QFileInfo::exists(files.path() + "-wal")); // folded into the file
    }

    // Changes are written on the worker thread: read back at once, the
    // later of two long notes lands last, and the position goes on meanwhile.
    void laterChangesLandLast()
    {
        Scratch files;
        auto store = files.open();
        const QString first(100000, u'a'), second(200000, u'b');
        store->set(fields::Note, first);
        store->set(fields::Note, second);
        store->write({{fields::Left, 30.0}, {fields::Top, 45.0}});
        QCOMPARE(store->get(fields::Note), second);
        QVERIFY(landed(*store));
        QCOMPARE(store->get(fields::Note), second);
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
        store->set(fields::TextColor, QColor(Qt::red));
        QVERIFY(landed(*store));
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        Other other(files.path());
        QVERIFY(other.exec(removal));
        store->setRetryInterval(60000); // the next write is the retry
        store->set(fields::Note, QStringLiteral("renamed"));
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY2(failed[0][0].toString().contains("removed"), qPrintable(failed[0][0].toString()));
        QCOMPARE(store->get(fields::Note), QStringLiteral("renamed"));
        store->set(fields::CloseAni, false);
        QVERIFY(landed(*store));
        QCOMPARE(other.one("SELECT count(*) || \"Note\" || \"Text Color\" || \"Close Ani\" "
                           "FROM \"Note\""),
                 "1renamed255False");
        QCOMPARE(store->get(fields::TextColor), QColor(Qt::red));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
