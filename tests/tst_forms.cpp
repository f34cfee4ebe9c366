// SPDX-License-Identifier: MIT
// The windows as a person uses them, against a store of their own: what
// start-up shows, what each click and menu choice changes on the screen
// and in the file.

#include "support.h"

#include "platform/autostart.h"
#include "platform/timeformat.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace {

const QString path = QStringLiteral("/chars/q.qchar");

// The text colour of the note, the clock, the editor and the swatch.
QList<QColor> textColors(TestProgram &p)
{
    Form *main = p.forms->form1.ifLoaded();
    return {child(main, "Label1")->palette().color(QPalette::WindowText),
            child(main, "Label2")->palette().color(QPalette::WindowText),
            child(p.forms->form2.get(), "Text1")->palette().color(QPalette::Text),
            child(p.forms->form3.get(), "Shape1")->palette().color(QPalette::Window)};
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void startUp_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<QPoint>("place"); // pixels
        QTest::newRow("as stored")
            << Values{{&fields::Left, 3000.0}, {&fields::Top, 1500.0}} << true << QPoint(200, 100);
        QTest::newRow("clock 0, the defaults' place")
            << Values{{&fields::ClockEnabled, 0}} << false << QPoint(100, 60);
        // With no notification area to hide to, a stored "Hide" starts shown.
        QTest::newRow("hidden, no notification area")
            << Values{{&fields::Hidden, QStringLiteral("Hide")}} << true << QPoint(100, 60);
    }
    void startUp()
    {
        QFETCH(Values, values);
        QFETCH(bool, clock);
        QFETCH(QPoint, place);
        TestProgram p;
        Form1 *main = p.start(Values{{&fields::Note, QStringLiteral("milk\neggs")},
                                     {&fields::TextColor, qint64(0x0000FF00)}} +
                              values);

        QVERIFY(main->isVisible());
        QCOMPARE(main->pos(), place);
        QCOMPARE(child(main, "Label2")->isVisibleTo(main), clock);
        QCOMPARE(child<QAction>(main, "Clock")->isChecked(), clock);
        QCOMPARE(child<Label>(main, "Label1")->caption(), QStringLiteral("milk\neggs"));
        QCOMPARE(textColors(p), QList<QColor>(4, QColor(0, 0xff, 0)));
        QVERIFY(p.agent.calls.isEmpty() && p.prompts.messages.isEmpty());
        QVERIFY(!child<QTimer>(main, "Open1")->isActive());
        QCOMPARE(main->height(), 156);
        // The menu switches the clock.
        choose(main, "Clock");
        QCOMPARE(p.stored(fields::ClockEnabled), QVariant(qint64(!clock)));
        QCOMPARE(child(main, "Label2")->isVisibleTo(main), !clock);
    }

    // Every locale's long time, without its time zone and what held it,
    // fits the clock, in a smaller face where it must.
    void everyLocalesTimeFitsTheClock()
    {
        TestProgram p;
        auto *clock = child<Label>(p.start(), "Label2");
        QCOMPARE(longTimeText(QTime(21, 59, 38), QLocale(QLocale::English, QLocale::UnitedStates)),
                 QStringLiteral("9:59:38 PM"));
        QCOMPARE(longTimeText(QTime(21, 59, 38), QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("21:59:38"));
        // The tests run in a 12-hour locale.
        static const QRegularExpression twelveHours(
            QStringLiteral("^1?\\d:[0-5]\\d:[0-5]\\d [AP]M$"));
        QVERIFY2(clock->caption().contains(twelveHours), qPrintable(clock->caption()));
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString format = longTimeFormat(locale);
            for (const char *leftover : {"()", "[]", "B", "t"})
                QVERIFY2(!format.contains(QLatin1String(leftover)) ||
                             format.contains(QLatin1Char('\'')),
                         qPrintable(locale.name() + QLatin1Char(' ') + format));
            for (QTime time : {QTime(9, 5, 28), QTime(21, 59, 38)}) {
                clock->setCaption(longTimeText(time, locale));
                // A script this machine has no face for shows as boxes.
                const QFontMetrics metrics = clock->fontMetrics();
                const auto text = clock->caption().toUcs4();
                if (!std::all_of(text.begin(), text.end(),
                                 [&](char32_t c) { return metrics.inFontUcs4(c); }))
                    continue;
                const QRect needed = metrics.boundingRect(
                    clock->contentsRect(), int(clock->alignment()) | Qt::TextWordWrap,
                    clock->caption());
                QVERIFY2(clock->contentsRect().contains(needed),
                         qPrintable(locale.name() + QLatin1Char(' ') + clock->caption()));
            }
        }
    }

    void readingAloud_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("atStart");
        QTest::addColumn<QStringList>("onRead"); // "! " and the start of a message
        const QStringList load{QStringLiteral("Load my Character ") + path};
        const QStringList speak{QStringLiteral("Character my character"), QStringLiteral("Show"),
                                QStringLiteral("Speak You have the following notes: buy bread")};
        auto with = [](const QVariant &read, const QVariant &speech, const QVariant &agent) {
            return Values{{&fields::ReadOnStart, read},
                          {&fields::SpeechEnabled, speech},
                          {&fields::AgentName, agent}};
        };
        QTest::newRow("on start") << with(1, 1, path) << load + speak << speak;
        QTest::newRow("on request") << with(0, 1, path) << QStringList() << load + speak;
        QTest::newRow("speech off") << with(1, 0, path) << QStringList() << QStringList();
        QTest::newRow("no character") << with(1, 1, QStringLiteral("None")) << QStringList()
                                      << QStringList{QStringLiteral("! You must pick a Speech")};
        QTest::newRow("no value") << with(1, 1, QVariant()) << QStringList() << QStringList();
        QTest::newRow("speech 2") << with(1, 2, path) << QStringList() << QStringList();
    }
    void readingAloud()
    {
        QFETCH(Values, values);
        QFETCH(QStringList, atStart);
        QFETCH(QStringList, onRead);
        TestProgram p;
        Form1 *main = p.start(values + Values{{&fields::Note, QStringLiteral("buy bread")}});
        QCOMPARE(p.agent.calls, atStart);
        p.agent.calls.clear();
        choose(main, "Read");
        for (const QString &message : std::as_const(p.prompts.messages))
            p.agent.calls << QStringLiteral("! ") + message.left(22);
        QCOMPARE(p.agent.calls, onRead);
    }

    // How the character reads is kept in the settings row: the stored
    // choices reach the agent at start and whenever the store changes; a
    // choice made in the character's menu is stored.
    void readingChoicesAreKept()
    {
        TestProgram p;
        p.start({{&fields::ReadingLanguage, QStringLiteral("fr-BE")},
                 {&fields::ReadingSpeed, 150},
                 {&fields::StayOnDesktop, 0}});
        QCOMPARE(p.agent.choices, (ReadingChoices{QStringLiteral("fr-BE"), 150, false}));
        QVERIFY(p.agent.keep);
        p.agent.keep({QStringLiteral("de"), 200, true});
        QCOMPARE(p.stored(fields::ReadingLanguage), QVariant(QStringLiteral("de")));
        QCOMPARE(p.stored(fields::ReadingSpeed), QVariant(qint64(200)));
        QCOMPARE(p.stored(fields::StayOnDesktop), QVariant(qint64(1)));
        p.agent.keep({QString(), 50, false}); // "Same as the Interface"
        QCOMPARE(p.stored(fields::ReadingLanguage), QVariant(QString()));
        p.set(fields::ReadingSpeed, 75); // another program
        QTRY_COMPARE(p.agent.choices, (ReadingChoices{QString(), 75, false}));
    }

    // Escape on the main window stops the reading once a character was
    // loaded, and never closes the window; F6 gives the character the
    // keyboard.
    void keysForTheCharacter()
    {
        TestProgram p;
        Form1 *main = p.start({{&fields::SpeechEnabled, 1}, {&fields::AgentName, path}});
        QTest::keyClick(main, Qt::Key_Escape);
        QTest::keyClick(main, Qt::Key_F6);
        QVERIFY(p.agent.calls.isEmpty());
        choose(main, "Read");
        p.agent.calls.clear();
        QTest::keyClick(main, Qt::Key_Escape);
        QTest::keyClick(main, Qt::Key_F6);
        QCOMPARE(p.agent.calls, QStringList({"Character my character", "Stop",
                                             "Character my character", "Activate"}));
        QVERIFY(main->isVisible() && p.ended == 0);
    }

    // A place stored for a larger or absent screen shows the window on the
    // nearest screen; the store keeps the stored place until the user moves
    // the window, or the pointer moves over the mascot (not over the note,
    // the clock or the click area).
    void thePlaceIsTheUsers()
    {
        TestProgram p;
        Form1 *main = p.start({{&fields::Left, 30000.0}, {&fields::Top, -900.0}});
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(QRect(main->pos(), main->size())));
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QWindow *window = main->windowHandle();
        const QPoint mascot(70, 50); // between clock and note
        QTest::mouseMove(window, mascot);
        QTest::qWait(500); // a user's move would be stored by now
        QCOMPARE(p.stored(fields::Left), QVariant(30000.0));
        main->move(320, 170); // by the user, as the window manager reports it
        QTRY_COMPARE_WITH_TIMEOUT(p.stored(fields::Left), QVariant(4800.0), 1000);
        QCOMPARE(p.stored(fields::Top), QVariant(2550.0));
        p.set(fields::Left, 1.0);
        for (const char *label : {"Label1", "Label2", "Label3"})
            QTest::mouseMove(window, child(main, label)->geometry().center());
        QCOMPARE(p.stored(fields::Left), QVariant(1.0));
        QTest::mouseMove(window, mascot);
        QCOMPARE(p.stored(fields::Left), QVariant(4800.0));
    }

    // The editor keeps a light field on a dark desktop, where the note's
    // colour (chosen to read on the light picture) reads.
    void renaming()
    {
        const QPalette before = QApplication::palette();
        QPalette dark(QColor(40, 40, 40));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        TestProgram p;
        Form1 *main = p.start({{&fields::Note, QStringLiteral("old")}});
        QApplication::setPalette(before);
        QTest::mouseClick(child(main, "Label1"), Qt::LeftButton);
        Form *rename = p.forms->form2.ifLoaded();
        QVERIFY(rename->isVisible());
        auto *text = child<QPlainTextEdit>(rename, "Text1");
        QVERIFY(text->palette().color(QPalette::Base).lightness() > 200);
        QCOMPARE(text->toPlainText(), QStringLiteral("old"));

        // An empty note disables both buttons.
        text->clear();
        QVERIFY(!child(rename, "Command1")->isEnabled() && !child(rename, "Command2")->isEnabled());
        QTest::keyClicks(text, QStringLiteral("Dentist at 3pm"));
        QVERIFY(child(rename, "Command1")->isEnabled() && child(rename, "Command2")->isEnabled());

        // Closed without renaming: the edit is gone, store and window agree.
        rename->close();
        QCOMPARE(p.stored(fields::Note), QVariant(QStringLiteral("old")));
        QTest::mouseClick(child(main, "Label1"), Qt::LeftButton);
        rename = p.forms->form2.ifLoaded();
        text = child<QPlainTextEdit>(rename, "Text1");
        QCOMPARE(text->toPlainText(), QStringLiteral("old"));

        text->setPlainText(QStringLiteral("Dentist at 3pm\nBuy milk"));
        child<QPushButton>(rename, "Command2")->click(); // options, from the store
        QVERIFY(p.forms->form3.ifLoaded()->isVisible());
        // The dialog goes only once the note has landed.
        bool waitingAtClose = true;
        QObject::connect(rename, &Form::unloaded, [&] { waitingAtClose = p.store->isWaiting(); });
        QTest::mouseClick(child(rename, "Command1"), Qt::LeftButton);
        QCOMPARE(p.stored(fields::Note), QVariant(QStringLiteral("Dentist at 3pm\nBuy milk")));
        QCOMPARE(child<Label>(main, "Label1")->caption(),
                 QStringLiteral("Dentist at 3pm\nBuy milk"));
        QVERIFY(p.forms->form2.isLoaded());
        QTRY_VERIFY(!p.forms->form2.isLoaded() && !p.forms->form3.isLoaded());
        QVERIFY(!waitingAtClose);
    }

    // Loaded again from the menu, the options show the stored switches and
    // colour; each box writes at once; a picked colour reaches every text.
    void theOptionsDialog()
    {
        TestProgram p;
        Form1 *main = p.start({{&fields::StartAni, QStringLiteral("True")},
                               {&fields::TextColor, qint64(0x00112233)}});
        p.forms->form3.unload();
        choose(main, "AlSettings");
        Form *options = p.forms->form3.ifLoaded();
        QVERIFY(child<QCheckBox>(options, "Check1")->isChecked());
        QVERIFY(!child<QCheckBox>(options, "Check2")->isChecked());
        child<QCheckBox>(options, "Check2")->click();
        QCOMPARE(p.stored(fields::CloseAni), QVariant(QStringLiteral("True")));
        // The real colour picker offers the stored colour; the one picked in
        // it reaches every text.
        QColor offered;
        whenModal<QColorDialog>([&](QColorDialog *picker) {
            offered = picker->currentColor();
            picker->setCurrentColor(QColor(0x66, 0x55, 0x44));
            QMetaObject::invokeMethod(picker, &QDialog::accept);
        });
        p.prompts.real = true;
        child<QPushButton>(options, "Command3")->click();
        p.prompts.real = false;
        QCOMPARE(offered, QColor(0x33, 0x22, 0x11));
        QCOMPARE(p.stored(fields::TextColor), QVariant(qint64(0x00445566)));
        QCOMPARE(textColors(p), QList<QColor>(4, QColor(0x66, 0x55, 0x44)));
        // Another program's colour reaches every text too; cancelled, the
        // picker leaves it.
        p.set(fields::TextColor, 7);
        QCOMPARE(textColors(p), QList<QColor>(4, QColor(7, 0, 0)));
        child<QPushButton>(options, "Command3")->click();
        QCOMPARE(p.prompts.colorsOffered,
                 (QList<QColor>{QColor(0x33, 0x22, 0x11), QColor(7, 0, 0)}));
        QCOMPARE(p.stored(fields::TextColor), QVariant(qint64(7)));
        // Its buttons open one copy of each dialog: with the main window, the
        // rename dialog and the options, five windows.
        for (int i = 0; i < 2; ++i) {
            child<QPushButton>(options, "Command2")->click();
            child<QPushButton>(options, "cmdTransSettings")->click();
        }
        QCOMPARE(p.forms->loadedCount(), 5);
    }

    void transparencyDialog()
    {
        TestProgram p;
        Form1 *main = p.start({{&fields::TransEnabled, 1}, {&fields::TransLevel, "64"}});
        choose(main, "Trans");
        Form *dialog = p.forms->form6.ifLoaded();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        auto *bar = child<QScrollBar>(dialog, "sclTrans");
        QVERIFY(child<QCheckBox>(dialog, "chkTrans")->isChecked() && bar->isEnabled());
        QCOMPARE(bar->value(), 64);
        QCOMPARE(dialog->outerHeightTwips(), 2025.0);
        // The keyboard moves the level at once.
        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(child<Label>(dialog, "lblPrecent")->caption(), QStringLiteral("25"));
        bar->setValue(254); // the level shows and is stored at once
        QCOMPARE(child<Label>(dialog, "lblTransLevel")->caption(), QStringLiteral("254"));
        QCOMPARE(child<Label>(dialog, "lblPrecent")->caption(), QStringLiteral("100"));
        QCOMPARE(p.stored(fields::TransLevel), QVariant(QStringLiteral("254")));
        QCOMPARE(qRound(main->windowOpacity() * 255), 254);
        // Switched off: opaque at once, full level stored, the short window.
        child<QCheckBox>(dialog, "chkTrans")->click();
        QCOMPARE(main->windowOpacity(), 1.0);
        QCOMPARE(p.stored(fields::TransLevel), QVariant(QStringLiteral("255")));
        QCOMPARE(p.stored(fields::TransEnabled), QVariant(qint64(0)));
        QCOMPARE(dialog->outerHeightTwips(), 1770.0);
        QVERIFY(bar->value() == 255 && !bar->isEnabled());
    }

    void speechSettings()
    {
        TestProgram p;
        Form1 *main = p.start({{&fields::SpeechEnabled, 0}, {&fields::ReadOnStart, 1}});
        choose(main, "SpeechSet");
        Form *dialog = p.forms->form4.ifLoaded();
        auto *speech = child<QCheckBox>(dialog, "Check1");
        auto *read = child<QCheckBox>(dialog, "Read");
        // Speech off clears and disables reading on start, and stores that.
        QVERIFY(!speech->isChecked() && !read->isChecked() && !read->isEnabled());
        QCOMPARE(p.stored(fields::ReadOnStart), QVariant(qint64(0)));

        speech->click();
        QCOMPARE(p.stored(fields::SpeechEnabled), QVariant(qint64(1)));
        QVERIFY(read->isEnabled() && child(dialog, "Command1")->isEnabled());
        read->click();
        QCOMPARE(p.stored(fields::ReadOnStart), QVariant(qint64(1)));

        // The real file dialog lists character files only; the one picked
        // in it is kept.
        QTemporaryDir folder;
        for (const char *name : {"a.qchar", "b.txt"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QStringList listed;
        whenModal<QFileDialog>([&](QFileDialog *files) {
            files->setDirectory(folder.path());
            auto *view = files->findChild<QListView *>(QStringLiteral("listView"));
            (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; });
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
            files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("a.qchar"));
            QMetaObject::invokeMethod(files, &QDialog::accept);
        });
        p.prompts.real = true;
        child<QPushButton>(dialog, "Command1")->click();
        p.prompts.real = false;
        QCOMPARE(listed, QStringList{QStringLiteral("a.qchar")});
        QCOMPARE(p.stored(fields::AgentName), QVariant(folder.filePath(QStringLiteral("a.qchar"))));

        // A cancelled choice changes nothing; a chosen one is stored and
        // shown, with the restart message once a character has spoken.
        const QVariant before = p.stored(fields::AgentName);
        child<QPushButton>(dialog, "Command1")->click();
        QCOMPARE(p.stored(fields::AgentName), before);
        p.prompts.fileAnswers = {path, QStringLiteral("/chars/other.qchar")};
        child<QPushButton>(dialog, "Command1")->click();
        QCOMPARE(p.stored(fields::AgentName), QVariant(path));
        QCOMPARE(child<Label>(dialog, "Label2")->caption(), path);
        QVERIFY(p.prompts.messages.isEmpty());
        choose(main, "Read");
        child<QPushButton>(dialog, "Command1")->click();
        QCOMPARE(p.prompts.messages.size(), 1);
        QVERIFY(p.prompts.messages.first().startsWith(QLatin1String("You must restart")));

        // Switching speech off forgets the character.
        speech->click();
        QCOMPARE(p.stored(fields::AgentName), QVariant(QStringLiteral("None")));
        QCOMPARE(child<Label>(dialog, "Label2")->caption(), QStringLiteral("None"));
        QCOMPARE(p.stored(fields::ReadOnStart), QVariant(qint64(0)));
    }

    void neverStrandedWithoutATray()
    {
        TestProgram p;
        Form1 *main = p.start();
        choose(main, "Hide");
        emit display::Desktop::instance().trayChanged(false);
        QCOMPARE(p.stored(fields::Hidden), QVariant(QStringLiteral("Show")));
        auto *hide = child<QAction>(main, "Hide");
        QVERIFY(!hide->isEnabled() && hide->toolTip().contains(QLatin1String("notification area")));
        // The icon's own menu brings the window back too.
        emit display::Desktop::instance().trayChanged(true);
        choose(main, "Hide");
        auto *trayMenu = child<QMenu>(main, "TrayMenu");
        trayMenu->actions().first()->trigger();
        QVERIFY(main->isVisible());

        // ... and starts the widget on its own store at login, or no longer
        // (the entry's folders and their modes: test_install.sh).
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString entry =
            config.filePath(QStringLiteral("autostart/quornel-desktop-notes.desktop"));
        auto *atLogin = child<QAction>(main, "AtLogin");
        const auto execLine = [&entry] {
            QFile file(entry);
            static const QRegularExpression exec(QStringLiteral("^Exec=.*? (--.*)$"),
                                                 QRegularExpression::MultilineOption);
            file.open(QIODevice::ReadOnly);
            return exec.match(QString::fromUtf8(file.readAll())).captured(1);
        };
        autostart::setStoreArguments(
            {QStringLiteral("--store"), QStringLiteral("/my \"100%\".save")});
        for (bool on : {true, false}) {
            emit trayMenu->aboutToShow();
            QCOMPARE(atLogin->isChecked(), !on);
            atLogin->trigger();
            QCOMPARE(QFile::exists(entry), on);
            QCOMPARE(execLine(),
                     on ? QStringLiteral("--store \"/my \\\\\"100%%\\\\\".save\"") : QString());
        }
        // Another copy's entry is not this one's.
        autostart::setStoreArguments({QStringLiteral("--user")});
        atLogin->trigger();
        autostart::setStoreArguments({QStringLiteral("--store"), QStringLiteral("/other.save")});
        emit trayMenu->aboutToShow();
        QVERIFY(QFile::exists(entry) && !atLogin->isChecked());
        atLogin->trigger();
        QCOMPARE(execLine(), QStringLiteral("--store /other.save"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // While the store takes no changes the window says so; the last change
    // is kept once the store takes it again.
    void changesNotKeptAreShown()
    {
        TestProgram p;
        Form1 *main = p.start();
        p.store->setRetryInterval(20);
        QTRY_VERIFY(!p.store->isWaiting());
        sqlite3 *other = nullptr;
        sqlite3_open(qPrintable(p.store->path()), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        choose(main, "Clock");
        choose(main, "Clock");
        choose(main, "Clock");
        QTRY_VERIFY(child(main, "NotKept")->isVisibleTo(main));
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QTRY_VERIFY(!child(main, "NotKept")->isVisibleTo(main));
        QCOMPARE(p.stored(fields::ClockEnabled), QVariant(qint64(0)));
    }

    // Every control a person can reach has a name for screen readers.
    void everyReachableControlHasAName()
    {
        TestProgram p;
        Form1 *main = p.start();
        for (const char *item : {"AlSettings", "SpeechSet", "Trans"})
            choose(main, item);
        p.forms->form2->showModeless();
        const QStringList clickable{"Picture", "Label1", "Label3"};
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || !qobject_cast<Form *>(window))
                continue;
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("qt_")) ||
                    !((w->focusPolicy() & Qt::TabFocus) || clickable.contains(w->objectName())))
                    continue;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(),
                         qPrintable(window->windowTitle() + QLatin1Char(' ') +
                                    w->metaObject()->className()));
            }
        }
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
