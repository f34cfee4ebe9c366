#include "testsupport.h"
#include "writelog.h"

#include "store/fields.h"

namespace {

const QString agentPath = QStringLiteral("/home/user/characters/owl.qchar");
const QString none = QStringLiteral("None");
const QStringList speechFields{fields::SpeechEnabled, fields::ReadOnStart, fields::AgentName};

} // namespace

class TestSpeechSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> p;
    std::unique_ptr<WriteLog> log;
    Form1 *main = nullptr;

    // Starts the program on a store holding these speech settings.
    void startWith(const QVariant &speech, const QVariant &read, const QVariant &agent)
    {
        p = std::make_unique<TestProgram>();
        p->files.prepare(Table::Form, {{fields::SpeechEnabled, speech},
                                       {fields::ReadOnStart, 0},
                                       {fields::AgentName, agent}});
        p->files.prepare(Table::Note, {{fields::StartAni, QStringLiteral("False")},
                                       {fields::CloseAni, QStringLiteral("False")}});
        p->open();
        main = p->forms->start();
        // Set after start-up, so that start-up does not read the note aloud.
        p->store->write(Table::Form, {{fields::ReadOnStart, read}});
        log = std::make_unique<WriteLog>(p->files.path(), Table::Form, speechFields);
        QVERIFY(log->isValid());
    }

    Form4 *openDialog()
    {
        main->Form1_SpeechSet_Click();
        return p->forms->form4.ifLoaded();
    }

private slots:
    void cleanup()
    {
        log.reset();
        p.reset();
        main = nullptr;
    }

    void openingFollowsTheStore_data()
    {
        QTest::addColumn<QVariant>("speech");
        QTest::addColumn<QVariant>("read");
        QTest::addColumn<QVariant>("agent");
        QTest::addColumn<bool>("speechChecked");
        QTest::addColumn<bool>("readChecked");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<QVariantList>>("updates");
        const QVariant on = qint64(1), off = qint64(0);
        // Each box checked from the store writes its switch back.
        QTest::newRow("speech and reading on")
            << QVariant(1) << QVariant(1) << QVariant(agentPath) << true << true << agentPath
            << QList<QVariantList>{{on, on, agentPath}, {on, on, agentPath}};
        QTest::newRow("speech on, reading off")
            << QVariant(1) << QVariant(0) << QVariant(none) << true << false << none
            << QList<QVariantList>{{on, off, none}};
        // With speech off, reading on start is checked and then cleared.
        QTest::newRow("speech off, reading on")
            << QVariant(0) << QVariant(1) << QVariant(none) << false << false << none
            << QList<QVariantList>{{off, on, none}, {off, off, none}};
        QTest::newRow("both off writes nothing") << QVariant(0) << QVariant(0) << QVariant(none)
                                                 << false << false << none << QList<QVariantList>{};
        QTest::newRow("switches as text")
            << QVariant(QStringLiteral("1")) << QVariant(QStringLiteral("0")) << QVariant(agentPath)
            << true << false << agentPath
            << QList<QVariantList>{{on, QVariant(QStringLiteral("0")), agentPath}};
    }
    void openingFollowsTheStore()
    {
        QFETCH(QVariant, speech);
        QFETCH(QVariant, read);
        QFETCH(QVariant, agent);
        QFETCH(bool, speechChecked);
        QFETCH(bool, readChecked);
        QFETCH(QString, shown);
        QFETCH(QList<QVariantList>, updates);
        startWith(speech, read, agent);

        Form4 *d = openDialog();

        QVERIFY(d && d->isVisible());
        QCOMPARE(d->Check1->isChecked(), speechChecked);
        QCOMPARE(d->Read->isChecked(), readChecked);
        QCOMPARE(d->Read->isEnabled(), speechChecked);
        QCOMPARE(d->Command1->isEnabled(), speechChecked);
        QCOMPARE(d->Label2->caption(), shown);
        QCOMPARE(log->updates(), updates);
    }

    void switchingSpeechOffForgetsTheCharacter()
    {
        startWith(1, 1, agentPath);
        Form4 *d = openDialog();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        const int before = log->count();

        QTest::mouseClick(d->Check1, Qt::LeftButton, {}, checkBoxHit(d->Check1));

        // Speech and character go in one update, before reading is cleared.
        const QVariant on = qint64(1), off = qint64(0);
        QCOMPARE(log->updates().mid(before),
                 (QList<QVariantList>{{off, on, none}, {off, off, none}}));
        QCOMPARE(d->Label2->caption(), none);
        QVERIFY(!d->Read->isChecked());
        QVERIFY(!d->Read->isEnabled() && !d->Command1->isEnabled());

        // Switching it on again does not bring the character back.
        QTest::mouseClick(d->Check1, Qt::LeftButton, {}, checkBoxHit(d->Check1));
        QCOMPARE(log->updates().mid(before + 2), (QList<QVariantList>{{on, off, none}}));
        QVERIFY(d->Read->isEnabled() && d->Command1->isEnabled());
        QVERIFY(!d->Read->isChecked());
        QCOMPARE(d->Label2->caption(), none);
    }

    void readingOnStartFollowsItsBox()
    {
        startWith(1, 0, agentPath);
        Form4 *d = openDialog();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QTest::mouseClick(d->Read, Qt::LeftButton, {}, checkBoxHit(d->Read));
        QCOMPARE(p->store->read(Table::Form, fields::ReadOnStart), QVariant(qint64(1)));
        QTest::mouseClick(d->Read, Qt::LeftButton, {}, checkBoxHit(d->Read));
        QCOMPARE(p->store->read(Table::Form, fields::ReadOnStart), QVariant(qint64(0)));
    }

    void loadingACharacter_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("restart");
        const QString other = QStringLiteral("/tmp/other character.qchar");
        QTest::newRow("none loaded yet") << "Load" << other << false;
        QTest::newRow("one already loaded") << "Not Load" << other << true;
        QTest::newRow("cancelled") << "Load"
                                   << "" << false;
        QTest::newRow("cancelled after a load") << "Not Load"
                                                << "" << false;
    }
    void loadingACharacter()
    {
        QFETCH(QString, flag);
        QFETCH(QString, answer);
        QFETCH(bool, restart);
        startWith(1, 0, agentPath);
        main->Text1->setText(flag);
        Form4 *d = openDialog();
        const int before = log->count();
        if (!answer.isEmpty())
            p->prompts.fileAnswers << answer;

        d->Command1->click();

        QCOMPARE(p->prompts.fileRequests.size(), 1);
        QVERIFY(p->prompts.fileRequests.first().startsWith(
            QLatin1String("Speech Agent Characters|*.qchar@")));
        const QString chosen = answer.isEmpty() ? agentPath : answer;
        QCOMPARE(d->Label2->caption(), chosen);
        QCOMPARE(p->store->read(Table::Form, fields::AgentName), QVariant(chosen));
        QCOMPARE(log->count() - before, answer.isEmpty() ? 0 : 1);
        QCOMPARE(p->prompts.messages,
                 restart ? QStringList{QStringLiteral("You must restart Quornel Desktop Notes in "
                                                      "order for the changes to take place.")}
                         : QStringList());
        // Nothing is loaded or spoken from here.
        QVERIFY(p->agent.calls.isEmpty());
        QCOMPARE(main->Text1->text(), flag);
    }
};

QTEST_MAIN(TestSpeechSettings)
#include "tst_speechsettings.moc"
