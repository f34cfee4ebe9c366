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

#include <array>
#include <atomic>
#include <cstring>
#include <vector>

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
        QString out;
        auto first = [](void *o, int, char **v, char **) {
            *static_cast<QString *>(o) = QString::fromUtf8(v[0]);
            return 1; // no more rows
        };
        sqlite3_exec(db, sql.toUtf8().constData(), first, &out, nullptr);
        return out;
    }
    // "type:value" of a field of the first record; of every field, with "|".
    QString typed(const Field &field)
    {
        const QString column = '"' + field.column() + '"';
        return one("SELECT typeof(" + column + ") || ':' || ifnull(" + column + ", '') FROM \"" +
                   tableName(field.table) + "\"");
    }
    QString typedFields()
    {
        QStringList all;
        for (const Field *field : fields::all)
            all << typed(*field);
        return all.join('|');
    }
};

// A disk that fills up, and a record of which threads touch the files: every
// file the program's store opens from then on has its methods wrapped.
struct Disk {
    static inline std::atomic<qint64> room{-1}; // bytes the files may still grow by; -1: any
    static inline std::atomic<Qt::HANDLE> watched{nullptr};
    static inline std::atomic<int> callsOnWatched{0};
    static inline sqlite3_vfs vfs{};
    struct Kind {
        const sqlite3_io_methods *real;
        sqlite3_io_methods io;
    };
    static inline std::array<Kind, 2> kinds{}; // a store's file's methods, a log's

    static void touched()
    {
        if (watched.load() == QThread::currentThreadId())
            ++callsOnWatched;
    }
    static const sqlite3_io_methods *real(sqlite3_file *f) // touched
    {
        touched();
        return f->pMethods == &kinds[0].io ? kinds[0].real : kinds[1].real;
    }
    static int write(sqlite3_file *f, const void *b, int n, sqlite3_int64 at)
    {
        const sqlite3_io_methods *methods = real(f);
        sqlite3_int64 size = 0;
        methods->xFileSize(f, &size);
        const qint64 growth = at + n - size;
        if (growth > 0 && room.load() >= 0) {
            if (growth > room.load())
                return SQLITE_FULL;
            room -= growth;
        }
        return methods->xWrite(f, b, n, at);
    }
    static sqlite3_vfs *underneath() { return static_cast<sqlite3_vfs *>(vfs.pAppData); }
    static int open(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *f, int flags, int *out)
    {
        touched();
        const int rc = underneath()->xOpen(underneath(), name, f, flags, out);
        if (f->pMethods && f->pMethods != kinds[0].real && f->pMethods != kinds[1].real)
            qFatal("a file of another kind");
        if (f->pMethods)
            f->pMethods = f->pMethods == kinds[0].real ? &kinds[0].io : &kinds[1].io;
        return rc;
    }
    static void install()
    {
        std::memcpy(&vfs, sqlite3_vfs_find(nullptr), sizeof vfs);
        vfs.pAppData = sqlite3_vfs_find(nullptr);
        vfs.zName = "filling";
        vfs.xOpen = open;
        const QTemporaryDir dir;
        for (int type : {SQLITE_OPEN_MAIN_DB, SQLITE_OPEN_MAIN_JOURNAL}) {
            const QByteArray name =
                dir.filePath(type == SQLITE_OPEN_MAIN_DB ? "s" : "s-journal").toUtf8();
            std::vector<sqlite3_int64> probe(underneath()->szOsFile / 8 + 1);
            auto *file = reinterpret_cast<sqlite3_file *>(probe.data());
            const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | type;
            QCOMPARE(underneath()->xOpen(underneath(), name, file, flags, nullptr), SQLITE_OK);
            Kind &kind = kinds[type == SQLITE_OPEN_MAIN_DB ? 0 : 1];
            kind = {file->pMethods, *file->pMethods};
            file->pMethods->xClose(file);
            kind.io.xRead = [](sqlite3_file *f, void *b, int n, sqlite3_int64 at) {
                return real(f)->xRead(f, b, n, at);
            };
            kind.io.xWrite = write;
            kind.io.xSync = [](sqlite3_file *f, int fl) { return real(f)->xSync(f, fl); };
            kind.io.xLock = [](sqlite3_file *f, int l) { return real(f)->xLock(f, l); };
            kind.io.xShmLock = [](sqlite3_file *f, int o, int n, int fl) {
                return real(f)->xShmLock(f, o, n, fl);
            };
        }
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
    void readingRules_data()
    {
        QTest::addColumn<const Field *>("field");
        QTest::addColumn<QString>("stored"); // an SQL literal
        QTest::addColumn<QVariant>("read");
        auto rows = [](const Field &field, std::initializer_list<const char *> stored,
                       const QVariant &read) {
            for (const char *s : stored)
                QTest::addRow("%s %s", field.name, s) << &field << QString(s) << read;
        };
        // A whole number within its range, as a number or as text; else the default.
        rows(fields::TransLevel, {"0", "'0'"}, 0);
        rows(fields::TransLevel, {"255", "'255'"}, 255);
        rows(fields::TransLevel, {"' 7'"}, 7);
        rows(fields::TransLevel, {"64.0"}, 64);
        rows(fields::TransLevel, {"256", "'256'", "-1", "12.5", "'abc'", "NULL"}, 255);
        rows(fields::TransEnabled, {"2"}, false);
        rows(fields::TransEnabled, {"'1'"}, true);
        rows(fields::SpeechEnabled, {"1.0"}, true); // the number 1
        rows(fields::SpeechEnabled, {"NULL"}, false);
        rows(fields::ReadOnStart, {"'1'", "1"}, true); // reads as "1"
        rows(fields::ReadOnStart, {"' 1'", "'1.0'", "2", "NULL"}, false);
        rows(fields::ClockEnabled, {"2", "NULL", "'x'", "1"}, true); // all but a 0
        rows(fields::ClockEnabled, {"'0'"}, false);
        rows(fields::Left, {"NULL", "'abc'", "491506"}, 1500.5); // beyond any screen
        rows(fields::Left, {"491505"}, 491505.0);
        rows(fields::Top, {"1e30"}, 900.25);
        rows(fields::Top, {"'-60.5'"}, -60.5);
        rows(fields::Hidden, {"'Hide'"}, true);
        rows(fields::Hidden, {"'hide'", "NULL"}, false);
        rows(fields::StartAni, {"'true'"}, false);
        rows(fields::CloseAni, {"1"}, false);
        rows(fields::CloseAni, {"'True'"}, true);
        rows(fields::TextColor, {"'blue'"}, QColor(0x14, 0x28, 0x50));
        rows(fields::TextColor, {"16777215"}, QColor(Qt::white));
        rows(fields::TextColor, {"0"}, QColor(Qt::black));
        rows(fields::TextColor, {"255"}, QColor(Qt::red));
        rows(fields::Note, {"NULL"}, QStringLiteral("Click here to rename text."));
        rows(fields::Note, {"''"}, QString(""));
        rows(fields::AgentName, {"NULL"}, QVariant::fromValue(CharacterChoice()));
        rows(fields::AgentName, {"'None'"}, QVariant::fromValue(CharacterChoice::noneChosen()));
        rows(fields::AgentName, {"'none'"},
             QVariant::fromValue(CharacterChoice::file(QStringLiteral("none"))));
        // A language tag or none, a whole percentage from 50 to 200, and a
        // switch that only 0 turns off.
        for (const char *tag : {"'de'", "'en-GB-x-rp'", "'cmn-Latn-pinyin'"})
            rows(fields::ReadingLanguage, {tag}, QString(tag).remove('\''));
        rows(fields::ReadingLanguage, {"NULL", "5", "'de de'", "'../de'", "'-de'", "''"},
             QString());
        rows(fields::ReadingSpeed, {"50"}, 50);
        rows(fields::ReadingSpeed, {"'75'"}, 75);
        rows(fields::ReadingSpeed, {"200.0"}, 200);
        rows(fields::ReadingSpeed, {"49", "201", "12.5", "'fast'", "NULL"}, 100);
        rows(fields::StayOnDesktop, {"0", "'0'", "0.0"}, false);
        rows(fields::StayOnDesktop, {"1", "2", "NULL", "'yes'"}, true);
    }
    void readingRules()
    {
        QFETCH(const Field *, field);
        QFETCH(QString, stored);
        QFETCH(QVariant, read);
        Scratch files;
        files.open();
        QVERIFY(Other(files.path())
                    .exec(QStringLiteral("UPDATE \"%1\" SET \"%2\" = %3")
                              .arg(tableName(field->table), field->column(), stored)));
        const auto store = files.open();
        const QVariant value = fields::read(*field, store->stored(*field), store->defaults());
        QCOMPARE(value.metaType(), read.metaType());
        if (field->kind == Kind::Path)
            QCOMPARE(value.value<CharacterChoice>(), read.value<CharacterChoice>());
        else
            QCOMPARE(value, read);
    }

    // A fresh store holds every field with its type; each field is written in
    // its own form, as the program reads it back, and reads back as written.
    void writtenForms()
    {
        Scratch files;
        auto store = files.open();
        Other other(files.path());
        QCOMPARE(other.typedFields(),
                 "real:1500.5|real:900.25|text:Show|integer:1|integer:0|integer:1|"
                 "text:/characters/quornel.qchar|integer:0|text:255|integer:5253140|text:True|"
                 "text:True|text:Click here to rename text.|text:|integer:100|integer:1");
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
        QCOMPARE(other.typedFields(),
                 "real:0.100000001490116|real:-3.0|text:Hide|integer:0|integer:0|integer:1|"
                 "text:None|integer:1|text:0|integer:6706500|text:True|text:False|"
                 "text:Click here to rename text.|text:de|integer:150|integer:0");
        store->set(fields::TransLevel, 255);
        store->set(fields::AgentName, CharacterChoice());
        QVERIFY(landed(*store));
        QCOMPARE(other.typed(fields::TransLevel), "text:255");
        QCOMPARE(other.typed(fields::AgentName), "null:");
        store = files.open();
        QCOMPARE(store->get(fields::TransLevel), 255);
        QCOMPARE(store->get(fields::TextColor), QColor(0x44, 0x55, 0x66));
        QCOMPARE(store->get(fields::Left), double(0.1f));
        QVERIFY(store->get(fields::Hidden) && !store->get(fields::ClockEnabled));
    }

    // The store's files are the user's alone; an existing store keeps its mode.
    void filesAreTheUsersAlone()
    {
        Scratch files;
        auto store = files.open();
        for (const char *end : {"", "-wal", "-shm"})
            QCOMPARE(QFileInfo(files.path() + end).permissions(),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        store.reset();
        QFile(files.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        store = files.open();
        QVERIFY(store && QFileInfo(files.path()).permissions() & QFile::ReadOther);
    }

    // Pieces of the store gone or in the way are put back with what the
    // program shows, and nothing else changes; gone while the store is open,
    // the update that changes nothing is a failure, and the retry puts back.
    void missingPiecesArePutBack_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("whileOpen");
        QTest::addColumn<QString>("record"); // the note's, afterwards
        const QString shown = "1 renamed 255 False", fresh = "1 renamed 5253140 False";
        QTest::newRow("missing table") << "DROP TABLE \"Note\"" << false << fresh;
        QTest::newRow("empty table") << "DELETE FROM \"Note\"" << false << fresh;
        QTest::newRow("missing field")
            << "ALTER TABLE \"Note\" DROP COLUMN \"Close Ani\"" << false << shown;
        QTest::newRow("a field named rowid")
            << "ALTER TABLE \"Note\" ADD COLUMN \"rowid\"" << false << shown;
        QTest::newRow("record removed") << "DELETE FROM \"Note\"" << true << shown;
        QTest::newRow("table removed") << "DROP TABLE \"Note\"" << true << shown;
    }
    void missingPiecesArePutBack()
    {
        QFETCH(QString, damage);
        QFETCH(bool, whileOpen);
        QFETCH(QString, record);
        Scratch files;
        auto store = files.open();
        store->set(fields::Hidden, true);
        store->set(fields::TextColor, QColor(Qt::red));
        QVERIFY(landed(*store));
        if (!whileOpen)
            store.reset();
        Other other(files.path());
        QVERIFY(other.exec(damage));
        QVERIFY(other.exec("INSERT INTO \"Form\" (\"Hide/Show\") VALUES ('second')"));
        if (!whileOpen) {
            store = files.open();
            QVERIFY(store);
            QCOMPARE(other.one("SELECT count(*) || \"Close Ani\" FROM \"Note\""), "1True");
        }
        QSignalSpy failed(store.get(), &NoteStore::writeFailed);
        store->setRetryInterval(60000); // the next write is the retry
        store->set(fields::Note, QStringLiteral("renamed"));
        QTRY_COMPARE(failed.size(), int(whileOpen));
        if (whileOpen)
            QVERIFY2(failed[0][0].toString().contains("removed"),
                     qPrintable(failed[0][0].toString()));
        store->set(fields::CloseAni, false);
        QVERIFY(landed(*store));
        QCOMPARE(failed.size(), int(whileOpen));
        QCOMPARE(other.one("SELECT count(*) || ' ' || \"Note\" || ' ' || \"Text Color\" || ' ' || "
                           "\"Close Ani\" FROM \"Note\""),
                 record);
        QCOMPARE(other.one("SELECT group_concat(\"Hide/Show\") FROM \"Form\""), "Hide,second");
    }

    // A store without the reading's own fields: they are added after its
    // columns and read as the defaults; what it held stays as it was.
    void aStoreWithoutTheReadingsFields()
    {
        Scratch files;
        Other other(files.path());
        QVERIFY(other.exec(
            "CREATE TABLE \"Form\" (\"Left\", \"Top\", \"Hide/Show\", \"Clock Enabled\", "
            "\"Read on Start\", \"Speech Enabled\", \"Agent Name\", \"Trans Enabled\", "
            "\"Trans Level\"); INSERT INTO \"Form\" VALUES (4500.0, 3000.0, 'Show', 1, '1', "
            "1, '/home/ann/owl.qchar', 0, '200'); CREATE TABLE \"Note\" (\"Note\", "
            "\"Text Color\", \"Start Ani\", \"Close Ani\"); INSERT INTO \"Note\" VALUES "
            "('milk', 255, 'False', 'True')"));
        const QString designed = "SELECT quote(\"Left\") || quote(\"Top\") || quote(\"Hide/Show\") "
                                 "|| quote(\"Read on Start\") || quote(\"Agent Name\") || "
                                 "quote(\"Trans Level\") FROM \"Form\"";
        const QString before = other.one(designed);
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(store->get(fields::ReadingLanguage), QString());
        QCOMPARE(store->get(fields::ReadingSpeed), 100);
        QVERIFY(store->get(fields::StayOnDesktop));
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
    }

    // A disk with a few kilobytes left while the note keeps changing: one
    // message, every change read back, the last lands once there is room.
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

    // A change is announced once, when a value really changes, whether this
    // program or another made it; another program's change to a field with a
    // change of ours on its way is not shown: ours lands over it.
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

    // Changes are read back at once and land in order on the worker thread:
    // once the store is open, the program's thread never touches its files,
    // not for reads, writes, another program's changes, nor for leaving.
    void theProgramsThreadNeverTouchesTheFile()
    {
        Scratch files;
        auto store = files.open();
        QVERIFY(landed(*store));
        Disk::callsOnWatched = 0;
        Disk::watched = QThread::currentThreadId();
        store->set(fields::Note, QString(100000, u'a'));
        for (int i = 0; i < 50; ++i) {
            store->write({{fields::Left, double(i)}, {fields::Top, 5.0}});
            store->get(fields::Note);
        }
        store->set(fields::Note, QString(200000, u'b'));
        QCOMPARE(store->get(fields::Note), QString(200000, u'b'));
        bool done = false;
        store->whenLanded(this, [&] { done = true; });
        QTRY_VERIFY(done);
        QCOMPARE(Other(files.path())
                     .one("SELECT length(\"Note\") || substr(\"Note\", 1, 1) || \"Left\" FROM "
                          "\"Note\", \"Form\""),
                 "200000b49.0");
        QStringList notes;
        store->watch(fields::Note, this, [&](const QString &n) { notes << n; });
        Other(files.path()).exec("UPDATE \"Note\" SET \"Note\" = 'theirs'");
        QTRY_COMPARE(notes, QStringList{"theirs"});
        store->set(fields::Note, QStringLiteral("at exit"));
        store.reset();
        QCOMPARE(Disk::callsOnWatched.load(), 0);
        Disk::watched = nullptr;
        QCOMPARE(Other(files.path()).one("SELECT \"Note\" FROM \"Note\""), "at exit");
        QVERIFY(!QFileInfo::exists(files.path() + "-wal")); // folded into the file
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
