#include "testsupport.h"

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form6.h"
#include "mainwindow/form1.h"
#include "mainwindow/form5.h"
#include "platform/color.h"
#include "platform/timeformat.h"
#include "store/fields.h"

#include <QMenu>
#include <QScrollBar>

namespace {

const QString intro = QStringLiteral("You have the following notes: ");

quint32 textColorOf(QWidget *w, QPalette::ColorRole role = QPalette::WindowText)
{
    return color::fromQColor(w->palette().color(role));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startUpFollowsTheStore_data()
    {
        QTest::addColumn<QVariant>("clockEnabled");
        QTest::addColumn<QString>("startAni");
        QTest::addColumn<bool>("clockShown");
        QTest::addColumn<bool>("opening");
        QTest::newRow("clock 1, no animation") << QVariant(1) << "False" << true << false;
        QTest::newRow("clock 0") << QVariant(0) << "False" << false << false;
        QTest::newRow("clock 2 keeps the design") << QVariant(2) << "False" << true << false;
        QTest::newRow("clock as text 0")
            << QVariant(QStringLiteral("0")) << "False" << false << false;
        QTest::newRow("opening animation") << QVariant(1) << "True" << true << true;
    }
    void startUpFollowsTheStore()
    {
        QFETCH(QVariant, clockEnabled);
        QFETCH(QString, startAni);
        QFETCH(bool, clockShown);
        QFETCH(bool, opening);
        TestProgram p;
        Form1 *main = p.start(
            {{fields::ClockEnabled, clockEnabled}, {fields::Left, 3000.0}, {fields::Top, 1500.0}},
            {{fields::StartAni, startAni},
             {fields::Note, QStringLiteral("milk\neggs")},
             {fields::TextColor, qint64(0x0000FF00)}});

        QVERIFY(main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Quornel Desktop Notes"));
        QCOMPARE(main->Label2->isVisibleTo(main), clockShown);
        QCOMPARE(main->Clock->isChecked(), clockShown);
        QCOMPARE(main->Open1->isActive(), opening);
        QCOMPARE(main->outerHeightTwips() < 1000, opening);
        QCOMPARE(main->width(), 213);
        QCOMPARE(main->minimumSize(), main->maximumSize());
        QCOMPARE(main->leftTwips(), 3000.0);
        QCOMPARE(main->topTwips(), 1500.0);
        QCOMPARE(main->Label1->caption(), QStringLiteral("milk\neggs"));
        // The colour reaches the note, the clock, the editor and the swatch.
        QCOMPARE(textColorOf(main->Label1), 0x0000FF00u);
        QCOMPARE(textColorOf(main->Label2), 0x0000FF00u);
        QCOMPARE(textColorOf(p.forms->form2.ifLoaded()->Text1, QPalette::Text), 0x0000FF00u);
        QCOMPARE(p.forms->form3.ifLoaded()->swatchColor(), 0x0000FF00u);
        // The rename and options dialogs and the holder are loaded, hidden.
        QVERIFY(p.forms->form2.isLoaded() && !p.forms->form2.ifLoaded()->isVisible());
        QVERIFY(p.forms->form3.isLoaded() && !p.forms->form3.ifLoaded()->isVisible());
        QVERIFY(p.forms->form5.isLoaded() && !p.forms->form5.ifLoaded()->isVisible());
        QCOMPARE(p.forms->form5.ifLoaded()->VScroll1->maximum(), 2670);
        QVERIFY(!p.forms->form4.isLoaded() && !p.forms->form6.isLoaded());
        QVERIFY(p.agent.calls.isEmpty());
        QVERIFY(p.prompts.messages.isEmpty());
    }

    void readingOnStart_data()
    {
        QTest::addColumn<QVariant>("readOnStart");
        QTest::addColumn<QVariant>("speechEnabled");
        QTest::addColumn<QVariant>("agentName");
        QTest::addColumn<bool>("speaks");
        const QVariant path = QStringLiteral("/chars/q.qchar");
        QTest::newRow("number 1") << QVariant(1) << QVariant(1) << path << true;
        QTest::newRow("text 1") << QVariant(QStringLiteral("1")) << QVariant(1) << path << true;
        QTest::newRow("read off") << QVariant(0) << QVariant(1) << path << false;
        QTest::newRow("speech off") << QVariant(1) << QVariant(0) << path << false;
        QTest::newRow("no agent") << QVariant(1) << QVariant(1) << QVariant(QStringLiteral("None"))
                                  << false;
        QTest::newRow("null agent") << QVariant(1) << QVariant(1) << QVariant() << false;
    }
    void readingOnStart()
    {
        QFETCH(QVariant, readOnStart);
        QFETCH(QVariant, speechEnabled);
        QFETCH(QVariant, agentName);
        QFETCH(bool, speaks);
        TestProgram p;
        Form1 *main = p.start({{fields::ReadOnStart, readOnStart},
                               {fields::SpeechEnabled, speechEnabled},
                               {fields::AgentName, agentName}},
                              {{fields::Note, QStringLiteral("buy bread")}});
        if (speaks) {
            QCOMPARE(p.agent.calls,
                     (QStringList{QStringLiteral("Load my Character /chars/q.qchar"),
                                  QStringLiteral("Character my character"), QStringLiteral("Show"),
                                  QStringLiteral("Speak ") + intro + QStringLiteral("buy bread")}));
            QCOMPARE(main->Text1->text(), QStringLiteral("Not Load"));
            // A later reading speaks again without loading again.
            p.agent.calls.clear();
            main->Form1_Read_Click();
            QCOMPARE(p.agent.calls.size(), 3);
            QVERIFY(p.agent.calls.first().startsWith(QLatin1String("Character")));
        } else {
            QVERIFY(p.agent.calls.isEmpty());
            QCOMPARE(main->Text1->text(), QStringLiteral("Load"));
        }
        QVERIFY(p.prompts.messages.isEmpty());
    }

    void readingTheNotes_data()
    {
        QTest::addColumn<QVariant>("speechEnabled");
        QTest::addColumn<QString>("agentName");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("warns");
        const QStringList speaks{QStringLiteral("Load my Character %1"),
                                 QStringLiteral("Character my character"), QStringLiteral("Show"),
                                 QStringLiteral("Speak ") + intro + QStringLiteral("note")};
        QTest::newRow("speech off") << QVariant(0) << "/c/q.qchar" << QStringList() << false;
        QTest::newRow("speech off, no agent") << QVariant(0) << "None" << QStringList() << false;
        QTest::newRow("no agent warns") << QVariant(1) << "None" << QStringList() << true;
        QTest::newRow("speaks") << QVariant(1) << "/c/q.qchar" << speaks << false;
        QTest::newRow("speech as text 1")
            << QVariant(QStringLiteral("1")) << "/c/q.qchar" << speaks << false;
        QTest::newRow("none is a path") << QVariant(1) << "none" << speaks << false;
    }
    void readingTheNotes()
    {
        QFETCH(QVariant, speechEnabled);
        QFETCH(QString, agentName);
        QFETCH(QStringList, calls);
        QFETCH(bool, warns);
        TestProgram p;
        Form1 *main =
            p.start({{fields::SpeechEnabled, speechEnabled}, {fields::AgentName, agentName}},
                    {{fields::Note, QStringLiteral("note")}});
        main->Form1_Read_Click();
        if (!calls.isEmpty())
            calls[0] = calls[0].arg(agentName);
        QCOMPARE(p.agent.calls, calls);
        QCOMPARE(main->Text1->text(),
                 calls.isEmpty() ? QStringLiteral("Load") : QStringLiteral("Not Load"));
        QCOMPARE(p.prompts.messages,
                 warns ? QStringList{QStringLiteral("You must pick a Speech Agent Character if the "
                                                    "speech is enabled. You can do this by "
                                                    "clicking the Load Agent button in the Speech "
                                                    "Settings window. If you do not have any "
                                                    "Speech Agent Characters than disable the "
                                                    "speech in the Speech Settings window.")}
                       : QStringList());
    }

    void anEmptyNoteSpeaksTheIntroductionAlone()
    {
        TestProgram p;
        Form1 *main = p.start({{fields::AgentName, QStringLiteral("/c/q.qchar")}});
        main->Label1->setCaption(QString());
        main->Form1_Read_Click();
        QCOMPARE(p.agent.calls.last(), QStringLiteral("Speak ") + intro);
    }

    void theMenuTreeHasItsCaptions()
    {
        TestProgram p;
        Form1 *main = p.start();
        QStringList top, settings;
        for (QAction *a : main->File->actions())
            top << a->text();
        for (QAction *a : main->Settings->actions())
            settings << a->text();
        QCOMPARE(top, (QStringList{"Settings", "Read Current Notes", "Hide Quornel Desktop Notes",
                                   "Exit"}));
        QCOMPARE(settings, (QStringList{"All Settings", "Speech Settings", "Transparent Settings",
                                        QString(26, QLatin1Char('-')), "Show Clock"}));
    }

    void theClockShowsTheLongTimeWithoutZone_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_US") << "en_US"
                               << "3:04:05 PM";
        QTest::newRow("de_DE") << "de_DE"
                               << "15:04:05";
    }
    void theClockShowsTheLongTimeWithoutZone()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(longTimeText(QTime(15, 4, 5), QLocale(locale)), expected);
    }

    void aNoteClickOpensTheEditorInTheStoredColour()
    {
        TestProgram p;
        Form1 *main = p.start();
        p.store->write(Table::Note, {{fields::TextColor, qint64(0x000000FF)}});
        main->Form1_Label1_Click();
        Form2 *rename = p.forms->form2.ifLoaded();
        QVERIFY(rename && rename->isVisible());
        QCOMPARE(textColorOf(rename->Text1, QPalette::Text), 0x000000FFu);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
