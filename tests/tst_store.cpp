#include "testsupport.h"

#include "store/datasource.h"
#include "store/fields.h"

#include <QFile>
#include <QRandomGenerator>

#include <sqlite3.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs SQL on the file from a connection of its own, as another program would.
void execSql(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char *err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    const QString message = err ? QString::fromUtf8(err) : QString();
    sqlite3_free(err);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(message));
}

} // namespace

class TestStoreCase : public QObject {
    Q_OBJECT

private slots:
    void freshStoreHoldsEveryFieldWithItsType()
    {
        TestStore files;
        auto store = files.open();
        QVERIFY(store);
        QVERIFY(QFile::exists(files.path()));
        for (const auto &f : files.defaults.formRow())
            QCOMPARE(store->read(Table::Form, f.first), f.second);
        for (const auto &f : files.defaults.noteRow())
            QCOMPARE(store->read(Table::Note, f.first), f.second);
        // Switches are numbers, the level and the animation switches texts.
        QCOMPARE(store->read(Table::Form, fields::ClockEnabled).typeId(), QMetaType::LongLong);
        QCOMPARE(store->read(Table::Form, fields::TransLevel).typeId(), QMetaType::QString);
        QCOMPARE(store->read(Table::Note, fields::StartAni).toString(), QStringLiteral("True"));
        QCOMPARE(store->read(Table::Form, fields::AgentName).toString(), files.defaults.agentPath);
    }

    void valuesKeepTheTypeTheyWereWrittenWith()
    {
        TestStore files;
        auto store = files.open();
        QVERIFY(store);
        QVERIFY(store->write(Table::Form, {{fields::ReadOnStart, QStringLiteral("1")}}));
        QCOMPARE(store->read(Table::Form, fields::ReadOnStart).typeId(), QMetaType::QString);
        QVERIFY(store->write(Table::Form, {{fields::ReadOnStart, 1}}));
        QCOMPARE(store->read(Table::Form, fields::ReadOnStart).typeId(), QMetaType::LongLong);
        // "Left" and "Top" travel together, single precision.
        DataSource form(*store, Table::Form);
        form.write({{fields::Left, double(float(1234.5))}, {fields::Top, double(float(-60))}});
        QCOMPARE(fields::toSingle(store->read(Table::Form, fields::Left), 0), 1234.5f);
        QCOMPARE(fields::toSingle(store->read(Table::Form, fields::Top), 0), -60.0f);
        QVERIFY(store->write(Table::Note, {{fields::Note, QVariant()}}));
        QVERIFY(store->read(Table::Note, fields::Note).isNull());
    }

    void everyWriteIsInTheFileAtOnce()
    {
        TestStore files;
        auto store = files.open();
        QVERIFY(store);
        DataSource note(*store, Table::Note);
        note.write({{fields::Note, QStringLiteral("two\nlines")}});
        // A second program opening the file sees the write straight away.
        auto other = files.open();
        QVERIFY(other);
        QCOMPARE(other->read(Table::Note, fields::Note).toString(), QStringLiteral("two\nlines"));
        // And a read takes the value afresh from the file.
        QVERIFY(other->write(Table::Note, {{fields::Note, QStringLiteral("changed elsewhere")}}));
        QCOMPARE(note.Field(fields::Note).toString(), QStringLiteral("changed elsewhere"));
    }

    void onlyTheFirstRecordIsReadAndWritten()
    {
        TestStore files;
        files.open();
        execSql(
            files.path(),
            QStringLiteral("INSERT INTO \"Form\" (\"Left\",\"Hide/Show\") VALUES (99, 'Second');"
                           "INSERT INTO \"Note\" (\"Note\") VALUES ('second note');"));
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(store->read(Table::Form, fields::HideShow).toString(), QStringLiteral("Show"));
        QVERIFY(store->write(Table::Form, {{fields::HideShow, QStringLiteral("Hide")}}));
        QCOMPARE(files.open()->read(Table::Form, fields::HideShow).toString(),
                 QStringLiteral("Hide"));
        // The second record kept its value: with the first gone, it is read.
        execSql(files.path(), QStringLiteral("DELETE FROM \"Form\" WHERE rowid = 1"));
        QCOMPARE(files.open()->read(Table::Form, fields::HideShow).toString(),
                 QStringLiteral("Second"));
    }

    void missingPiecesAreAddedAndNothingElseChanges_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("field"); // a Form field whose value must survive
        QTest::newRow("missing table") << "DROP TABLE \"Note\""
                                       << "Hide/Show";
        QTest::newRow("empty note table") << "DELETE FROM \"Note\""
                                          << "Hide/Show";
        QTest::newRow("missing column") << "ALTER TABLE \"Form\" DROP COLUMN \"Trans Level\""
                                        << "Hide/Show";
    }
    void missingPiecesAreAddedAndNothingElseChanges()
    {
        QFETCH(QString, damage);
        QFETCH(QString, field);
        TestStore files;
        {
            auto store = files.open();
            QVERIFY(store->write(Table::Form, {{field, QStringLiteral("kept")}}));
        }
        execSql(files.path(), damage);
        auto store = files.open();
        QVERIFY(store);
        QCOMPARE(store->read(Table::Form, field).toString(), QStringLiteral("kept"));
        QCOMPARE(store->read(Table::Form, fields::TransLevel).toString(), QStringLiteral("255"));
        QCOMPARE(store->read(Table::Note, fields::Note).toString(), fields::defaultNote);
        QCOMPARE(store->read(Table::Note, fields::CloseAni).toString(), QStringLiteral("True"));
    }

    void aDamagedFileIsReportedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QByteArray noise(4096, '\0');
        QRandomGenerator gen(7);
        for (char &c : noise)
            c = char(gen.bounded(256));
        QTest::newRow("random bytes") << noise;
        QTest::newRow("a text file") << QByteArray("Left=1\nTop=2\n");
        // A real store whose pages after the header are overwritten.
        TestStore files;
        files.open();
        QByteArray store = fileBytes(files.path());
        if (store.size() < 2048) {
            // The fresh store may live in its write-ahead log; fold it in.
            execSql(files.path(), QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            store = fileBytes(files.path());
        }
        for (int i = 100; i < store.size(); ++i)
            store[i] = char(0xA5);
        QTest::newRow("damaged pages") << store;
    }
    void aDamagedFileIsReportedAndLeftUntouched()
    {
        QFETCH(QByteArray, contents);
        TestStore files;
        writeFile(files.path(), contents);
        QString error;
        auto store = files.open(&error);
        QVERIFY(!store);
        QVERIFY2(error.contains(files.path()), qPrintable(error));
        QVERIFY2(error.contains(QLatin1String("cannot be used")), qPrintable(error));
        QCOMPARE(fileBytes(files.path()), contents);
        QVERIFY(!QFile::exists(files.path() + QLatin1String("-wal")) ||
                fileBytes(files.path() + QLatin1String("-wal")).isEmpty());
    }

    void aFailedWriteIsReportedOnceAndTheProgramGoesOn()
    {
        TestStore files;
        auto store = files.open();
        QVERIFY(store);
        QStringList reports;
        store->setWriteFailureHandler([&](const QString &m) { reports << m; });
        execSql(files.path(), QStringLiteral("DROP TABLE \"Form\""));
        QVERIFY(!store->write(Table::Form, {{fields::ClockEnabled, 0}}));
        QVERIFY(!store->write(Table::Form, {{fields::ClockEnabled, 1}}));
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(files.path()));
        // The other table still takes writes.
        QVERIFY(store->write(Table::Note, {{fields::Note, QStringLiteral("still here")}}));
        QCOMPARE(store->read(Table::Note, fields::Note).toString(), QStringLiteral("still here"));
    }

    void readingRules_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("equalsOne");     // compared with the number 1
        QTest::addColumn<bool>("equalsTextOne"); // compared with the text "1"
        QTest::addColumn<bool>("isTrue");
        QTest::addColumn<int>("level");
        QTest::newRow("number 1") << QVariant(qint64(1)) << true << true << true << 1;
        QTest::newRow("text 1") << QVariant(QStringLiteral("1")) << true << true << false << 1;
        QTest::newRow("number 2") << QVariant(qint64(2)) << false << false << true << 2;
        QTest::newRow("True") << QVariant(QStringLiteral("True")) << false << false << true << 255;
        QTest::newRow("true") << QVariant(QStringLiteral("true")) << false << false << true << 255;
        QTest::newRow("False") << QVariant(QStringLiteral("False")) << false << false << false
                               << 255;
        QTest::newRow("null") << QVariant() << false << false << false << 255;
        QTest::newRow("level text 64")
            << QVariant(QStringLiteral("64")) << false << false << false << 64;
        QTest::newRow("level 300") << QVariant(qint64(300)) << false << false << true << 255;
        QTest::newRow("level -1") << QVariant(QStringLiteral("-1")) << false << false << false
                                  << 255;
        QTest::newRow("level 12.5") << QVariant(12.5) << false << false << true << 255;
    }
    void readingRules()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, equalsOne);
        QFETCH(bool, equalsTextOne);
        QFETCH(bool, isTrue);
        QFETCH(int, level);
        QCOMPARE(fields::equalsNumber(value, 1), equalsOne);
        QCOMPARE(fields::equalsText(value, QStringLiteral("1")), equalsTextOne);
        QCOMPARE(fields::isTrue(value), isTrue);
        QCOMPARE(fields::toLevel(value), level);
    }

    void textComparisonsAreExact()
    {
        QVERIFY(fields::equalsText(QStringLiteral("Hide"), QStringLiteral("Hide")));
        QVERIFY(!fields::equalsText(QStringLiteral("hide"), QStringLiteral("Hide")));
        QVERIFY(!fields::equalsText(QStringLiteral("none"), QStringLiteral("None")));
        QVERIFY(!fields::equalsText(QVariant(), QStringLiteral("None")));
        // Values the program would fail on read as the defaults.
        QCOMPARE(fields::toColor(QVariant()), fields::defaultTextColor);
        QCOMPARE(fields::toColor(QStringLiteral("blue")), fields::defaultTextColor);
        QCOMPARE(fields::toColor(qint64(0x00FF0000)), quint32(0x00FF0000));
        QCOMPARE(fields::toSingle(QVariant(), 7.0f), 7.0f);
        QCOMPARE(fields::toSwitch(qint64(2), 0), 0);
        QCOMPARE(fields::toSwitch(QStringLiteral("1"), 0), 1);
    }
};

QTEST_GUILESS_MAIN(TestStoreCase)
#include "tst_store.moc"
