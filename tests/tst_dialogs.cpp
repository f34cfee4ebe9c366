#include "testsupport.h"
#include "writelog.h"

#include "platform/color.h"
#include "store/fields.h"

#include <QScrollBar>

namespace {

quint32 textColorOf(QWidget *w, QPalette::ColorRole role = QPalette::WindowText)
{
    return color::fromQColor(w->palette().color(role));
}

// A started program whose store held these values before it opened.
std::unique_ptr<TestProgram> started(const fields::Row &form, const fields::Row &note = {})
{
    auto p = std::make_unique<TestProgram>();
    p->files.prepare(Table::Form, form);
    // No opening animation unless asked for: it would collapse the window.
    fields::Row n{{fields::StartAni, QStringLiteral("False")},
                  {fields::CloseAni, QStringLiteral("False")}};
    n += note;
    p->files.prepare(Table::Note, n);
    return p;
}

Form1 *start(TestProgram &p)
{
    p.open();
    return p.forms->start();
}

bool percentRowShown(Form6 *d)
{
    return d->lblPrecent->geometry().bottom() < d->height() &&
           d->Label1->geometry().bottom() < d->height();
}

const QStringList transFields{fields::TransEnabled, fields::TransLevel};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    // --- transparency settings -------------------------------------------

    void movingTheBarStoresShowsAndAppliesTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("percent");
        QTest::newRow("0") << 0 << "0";
        QTest::newRow("2") << 2 << "1";
        QTest::newRow("64") << 64 << "25";
        QTest::newRow("128") << 128 << "50";
        QTest::newRow("191") << 191 << "75";
        QTest::newRow("254") << 254 << "100";
    }
    void movingTheBarStoresShowsAndAppliesTheLevel()
    {
        QFETCH(int, level);
        QFETCH(QString, percent);
        auto p = started({{fields::TransEnabled, 1}, {fields::TransLevel, QStringLiteral("255")}});
        WriteLog log(p->files.path(), Table::Form, transFields);
        QVERIFY(log.isValid());
        Form1 *main = start(*p);
        main->Form1_Trans_Click();
        Form6 *d = p->forms->form6.ifLoaded();
        QVERIFY(d && d->isVisible());
        const int before = log.count();

        d->sclTrans->setValue(level);

        QCOMPARE(d->lblTransLevel->caption(), QString::number(level));
        QCOMPARE(d->lblPrecent->caption(), percent);
        QCOMPARE(p->store->read(Table::Form, fields::TransLevel), QVariant(QString::number(level)));
        QCOMPARE(log.count(), before + 1);
        QVERIFY(qAbs(main->windowOpacity() - level / 255.0) < 0.003);
        // At level 0 too the dialog stays usable to raise it again.
        QVERIFY(d->sclTrans->isEnabled() && d->isVisible());
    }

    void theBarMovesByItsStepsAndADragCountsOnRelease()
    {
        auto p = started({{fields::TransEnabled, 1}, {fields::TransLevel, QStringLiteral("255")}});
        Form1 *main = start(*p);
        main->Form1_Trans_Click();
        Form6 *d = p->forms->form6.ifLoaded();
        auto stored = [&] { return p->store->read(Table::Form, fields::TransLevel).toString(); };

        QTest::keyClick(d->sclTrans, Qt::Key_Left); // a small step towards "Not Visable"
        QCOMPARE(stored(), QStringLiteral("240"));
        QCOMPARE(d->lblPrecent->caption(), QStringLiteral("94"));
        d->sclTrans->triggerAction(QAbstractSlider::SliderPageStepSub); // a click beside the thumb
        QCOMPARE(stored(), QStringLiteral("232"));

        d->sclTrans->setSliderDown(true);
        d->sclTrans->setSliderPosition(128);
        QCOMPARE(stored(), QStringLiteral("232"));
        QCOMPARE(d->lblPrecent->caption(), QStringLiteral("91"));
        d->sclTrans->setSliderDown(false);
        QCOMPARE(stored(), QStringLiteral("128"));
        QCOMPARE(d->lblPrecent->caption(), QStringLiteral("50"));
        QVERIFY(qAbs(main->windowOpacity() - 128 / 255.0) < 0.003);
    }

    void uncheckingMakesTheWindowOpaqueAndStoresFullLevel()
    {
        auto p = started({{fields::TransEnabled, 1}, {fields::TransLevel, QStringLiteral("100")}});
        WriteLog log(p->files.path(), Table::Form, transFields);
        Form1 *main = start(*p);
        main->Form1_Trans_Click();
        Form6 *d = p->forms->form6.ifLoaded();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QCOMPARE(d->sclTrans->value(), 100);
        QVERIFY(qAbs(main->windowOpacity() - 100 / 255.0) < 0.003);
        QCOMPARE(d->outerHeightTwips(), 2025.0);
        QVERIFY(percentRowShown(d));
        const int before = log.count();

        QTest::mouseClick(d->chkTrans, Qt::LeftButton, {}, checkBoxHit(d->chkTrans));

        QCOMPARE(d->chkTrans->checkState(), Qt::Unchecked);
        QCOMPARE(main->windowOpacity(), 1.0);
        QVERIFY(!d->sclTrans->isEnabled());
        QCOMPARE(d->sclTrans->value(), 255);
        QCOMPARE(d->lblTransLevel->caption(), QStringLiteral("255"));
        QCOMPARE(d->lblPrecent->caption(), QStringLiteral("100"));
        QCOMPARE(d->outerHeightTwips(), 1770.0);
        QVERIFY(!percentRowShown(d));
        // The level is stored first, through the bar and the level label,
        // then the switch.
        const QList<QVariantList> expected{{qint64(1), QStringLiteral("255")},
                                           {qint64(0), QStringLiteral("255")}};
        QCOMPARE(log.updates().mid(before), expected);
    }

    void checkingKeepsTheMainWindowsLevel()
    {
        auto p = started({{fields::TransEnabled, 0}, {fields::TransLevel, QStringLiteral("255")}});
        WriteLog log(p->files.path(), Table::Form, transFields);
        Form1 *main = start(*p);
        main->Form1_Trans_Click();
        Form6 *d = p->forms->form6.ifLoaded();
        main->TransWindow1.SetLevel(200);
        const int before = log.count();

        d->chkTrans->setChecked(true);

        QVERIFY(d->sclTrans->isEnabled());
        QCOMPARE(d->sclTrans->value(), 255);
        QCOMPARE(d->outerHeightTwips(), 2025.0);
        QVERIFY(percentRowShown(d));
        QVERIFY(qAbs(main->windowOpacity() - 200 / 255.0) < 0.003);
        const QList<QVariantList> expected{{qint64(1), QStringLiteral("255")}};
        QCOMPARE(log.updates().mid(before), expected);
    }

    void openingFollowsTheStore_data()
    {
        QTest::addColumn<QVariant>("enabled");
        QTest::addColumn<QVariant>("level");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("updates");
        QTest::addColumn<double>("opacity");
        const QVariant l64 = QStringLiteral("64"), l255 = QStringLiteral("255");
        // Checking writes the switch back; the level label then writes the
        // level back and applies it.
        QTest::newRow("on at 64") << QVariant(1) << l64 << true << 64 << "25" << 2025.0 << 2
                                  << 64 / 255.0;
        QTest::newRow("on at 255")
            << QVariant(1) << l255 << true << 255 << "100" << 2025.0 << 1 << 1.0;
        QTest::newRow("off at 255")
            << QVariant(0) << l255 << false << 255 << "100" << 1770.0 << 0 << 1.0;
        QTest::newRow("off as text")
            << QVariant(QStringLiteral("0")) << l255 << false << 255 << "100" << 1770.0 << 0 << 1.0;
        QTest::newRow("unreadable level reads 255")
            << QVariant(1) << QVariant(QStringLiteral("half")) << true << 255 << "100" << 2025.0
            << 1 << 1.0;
        QTest::newRow("level out of range reads 255")
            << QVariant(1) << QVariant(QStringLiteral("300")) << true << 255 << "100" << 2025.0 << 1
            << 1.0;
    }
    void openingFollowsTheStore()
    {
        QFETCH(QVariant, enabled);
        QFETCH(QVariant, level);
        QFETCH(bool, checked);
        QFETCH(int, bar);
        QFETCH(QString, percent);
        QFETCH(double, height);
        QFETCH(int, updates);
        QFETCH(double, opacity);
        auto p = started({{fields::TransEnabled, enabled}, {fields::TransLevel, level}});
        WriteLog log(p->files.path(), Table::Form, transFields);
        Form1 *main = start(*p);
        QCOMPARE(main->windowOpacity(), 1.0);
        const int before = log.count();

        main->Form1_Trans_Click();

        Form6 *d = p->forms->form6.ifLoaded();
        QCOMPARE(d->chkTrans->isChecked(), checked);
        QCOMPARE(d->sclTrans->isEnabled(), checked);
        QCOMPARE(d->sclTrans->value(), bar);
        QCOMPARE(d->lblTransLevel->caption(), QString::number(bar));
        QCOMPARE(d->lblPrecent->caption(), percent);
        QCOMPARE(d->outerHeightTwips(), height);
        QCOMPARE(percentRowShown(d), checked);
        QVERIFY(!d->lblTransLevel->isVisible());
        QCOMPARE(log.count() - before, updates);
        // What was stored is still there, in the form it had.
        QCOMPARE(p->store->read(Table::Form, fields::TransLevel), level);
        if (updates == 0)
            QCOMPARE(p->store->read(Table::Form, fields::TransEnabled), enabled);
        QVERIFY(qAbs(main->windowOpacity() - opacity) < 0.003);
    }

    void theDialogOutlivesTheMainWindowWithoutBringingItBack()
    {
        auto p = started({{fields::TransEnabled, 1}});
        Form1 *main = start(*p);
        main->Form1_Trans_Click();
        Form6 *d = p->forms->form6.ifLoaded();
        main->Form1_Exit_Click();
        QVERIFY(!p->forms->form1.isLoaded());
        QCOMPARE(p->lastUnloaded, 0);

        d->sclTrans->setValue(128);
        d->chkTrans->setChecked(false);

        QCOMPARE(p->store->read(Table::Form, fields::TransLevel), QVariant(QStringLiteral("255")));
        QCOMPARE(p->store->read(Table::Form, fields::TransEnabled), QVariant(qint64(0)));
        QVERIFY(!p->forms->form1.isLoaded());
        QCOMPARE(p->forms->loadedCount(), 1);
        d->close();
        QCOMPARE(p->lastUnloaded, 1);
    }

    // --- rename text ------------------------------------------------------

    void renamingStoresAndShowsTheNoteAndSurvivesARestart()
    {
        auto p = started({});
        Form1 *main = start(*p);
        main->Form1_Label1_Click();
        Form2 *rename = p->forms->form2.ifLoaded();
        QVERIFY(rename->isVisible());
        rename->Text1->selectAll();
        QTest::keyClicks(rename->Text1, QStringLiteral("milk"));
        QTest::keyClick(rename->Text1, Qt::Key_Return);
        QTest::keyClicks(rename->Text1, QStringLiteral("eggs"));
        QTest::mouseClick(rename->Command2, Qt::LeftButton);
        QVERIFY(p->forms->form3.ifLoaded()->isVisible());

        QTest::mouseClick(rename->Command1, Qt::LeftButton);

        const QString note = QStringLiteral("milk\neggs");
        QCOMPARE(p->store->read(Table::Note, fields::Note), QVariant(note));
        QCOMPARE(main->Label1->caption(), note);
        // The dialog and the options dialog with it are gone.
        QVERIFY(!p->forms->form2.isLoaded());
        QVERIFY(!p->forms->form3.isLoaded());

        p->forms.reset();
        p->store.reset();
        main = start(*p);
        QCOMPARE(main->Label1->caption(), note);
        QCOMPARE(p->forms->form2->Text1->toPlainText(), note);
    }

    void anEmptyNoteDisablesBothButtons()
    {
        auto p = started({});
        Form1 *main = start(*p);
        main->Form1_Label1_Click();
        Form2 *rename = p->forms->form2.ifLoaded();
        QVERIFY(rename->Command1->isEnabled() && rename->Command2->isEnabled());
        rename->Text1->selectAll();
        QTest::keyClick(rename->Text1, Qt::Key_Delete);
        QVERIFY(!rename->Command1->isEnabled());
        QVERIFY(!rename->Command2->isEnabled());
        QTest::keyClicks(rename->Text1, QStringLiteral("x"));
        QVERIFY(rename->Command1->isEnabled() && rename->Command2->isEnabled());
    }

    void tabMovesFromTheNoteToOptionsThenRename()
    {
        auto p = started({});
        Form1 *main = start(*p);
        main->Form1_Label1_Click();
        Form2 *rename = p->forms->form2.ifLoaded();
        QVERIFY(QTest::qWaitForWindowActive(rename));
        rename->Text1->setFocus();
        const QString before = rename->Text1->toPlainText();
        QTest::keyClick(rename->Text1, Qt::Key_Tab);
        QVERIFY(rename->Command2->hasFocus());
        QTest::keyClick(rename->Command2, Qt::Key_Tab);
        QVERIFY(rename->Command1->hasFocus());
        QCOMPARE(rename->Text1->toPlainText(), before);
    }

    void closingWithoutRenamingDiscardsTheEdit()
    {
        auto p = started({}, {{fields::Note, QStringLiteral("old note")}});
        Form1 *main = start(*p);
        main->Form1_Label1_Click();
        Form2 *rename = p->forms->form2.ifLoaded();
        rename->Command2->click();
        QTest::keyClicks(rename->Text1, QStringLiteral(" changed"));

        rename->close();

        QVERIFY(!p->forms->form2.isLoaded());
        QVERIFY(!p->forms->form3.isLoaded());
        QCOMPARE(p->store->read(Table::Note, fields::Note), QVariant(QStringLiteral("old note")));
        QCOMPARE(main->Label1->caption(), QStringLiteral("old note"));
        main->Form1_Label1_Click();
        QCOMPARE(p->forms->form2.ifLoaded()->Text1->toPlainText(), QStringLiteral("old note"));
    }

    // --- options -----------------------------------------------------------

    void theBoxesFollowTheStoredSwitches_data()
    {
        QTest::addColumn<QString>("startAni");
        QTest::addColumn<QString>("closeAni");
        QTest::addColumn<bool>("loadOpen");
        QTest::addColumn<bool>("loadClose");
        QTest::addColumn<bool>("optionsOpen");
        QTest::addColumn<bool>("optionsClose");
        QTest::newRow("True, False") << "True"
                                     << "False" << true << false << true << false;
        QTest::newRow("False, True") << "False"
                                     << "True" << false << true << false << true;
        // Loading compares with the text "True"; the rename dialog's
        // "Options" takes the switch as a Boolean.
        QTest::newRow("other letter case") << "true"
                                           << "TRUE" << false << false << true << true;
        QTest::newRow("neither") << "False"
                                 << "" << false << false << false << false;
    }
    void theBoxesFollowTheStoredSwitches()
    {
        QFETCH(QString, startAni);
        QFETCH(QString, closeAni);
        QFETCH(bool, loadOpen);
        QFETCH(bool, loadClose);
        QFETCH(bool, optionsOpen);
        QFETCH(bool, optionsClose);
        auto p = started({}, {{fields::StartAni, startAni}, {fields::CloseAni, closeAni}});
        Form1 *main = start(*p);
        main->Open1->stop();
        Form3 *options = p->forms->form3.ifLoaded();
        QCOMPARE(options->Check1->isChecked(), loadOpen);
        QCOMPARE(options->Check2->isChecked(), loadClose);
        QCOMPARE(p->store->read(Table::Note, fields::StartAni), QVariant(startAni));
        QCOMPARE(p->store->read(Table::Note, fields::CloseAni), QVariant(closeAni));

        main->Form1_Label1_Click();
        p->forms->form2.ifLoaded()->Command2->click();

        QVERIFY(options->isVisible());
        QCOMPARE(options->Check1->isChecked(), optionsOpen);
        QCOMPARE(options->Check2->isChecked(), optionsClose);
        // A box checked here writes "True"; one left alone writes nothing.
        const QString storedOpen = optionsOpen && !loadOpen ? QStringLiteral("True") : startAni;
        const QString storedClose = optionsClose && !loadClose ? QStringLiteral("True") : closeAni;
        QCOMPARE(p->store->read(Table::Note, fields::StartAni), QVariant(storedOpen));
        QCOMPARE(p->store->read(Table::Note, fields::CloseAni), QVariant(storedClose));
    }

    void tickingTheBoxesWritesAtOnce()
    {
        auto p = started({});
        WriteLog log(p->files.path(), Table::Note, {fields::StartAni, fields::CloseAni});
        Form1 *main = start(*p);
        main->Form1_AlSettings_Click();
        Form3 *options = p->forms->form3.ifLoaded();
        QVERIFY(QTest::qWaitForWindowExposed(options));
        const int before = log.count();

        QTest::mouseClick(options->Check2, Qt::LeftButton, {}, checkBoxHit(options->Check2));
        QTest::mouseClick(options->Check1, Qt::LeftButton, {}, checkBoxHit(options->Check1));
        QTest::mouseClick(options->Check2, Qt::LeftButton, {}, checkBoxHit(options->Check2));

        const QString t = QStringLiteral("True"), f = QStringLiteral("False");
        const QList<QVariantList> expected{{f, t}, {t, t}, {t, f}};
        QCOMPARE(log.updates().mid(before), expected);
    }

    void aPickedColourReachesEveryTextBeforeTheHandlerEnds_data()
    {
        QTest::addColumn<bool>("renameLoaded");
        QTest::newRow("rename dialog loaded") << true;
        QTest::newRow("options reopened from the menu") << false;
    }
    void aPickedColourReachesEveryTextBeforeTheHandlerEnds()
    {
        QFETCH(bool, renameLoaded);
        auto p = started({}, {{fields::TextColor, qint64(0x000000FF)}});
        WriteLog log(p->files.path(), Table::Note, {fields::TextColor});
        Form1 *main = start(*p);
        if (!renameLoaded)
            p->forms->form2.unload(); // takes the options dialog with it
        main->Form1_AlSettings_Click();
        Form3 *options = p->forms->form3.ifLoaded();
        // The swatch shows the stored colour, however the dialog was loaded.
        QCOMPARE(options->swatchColor(), 0x000000FFu);
        p->prompts.colorAnswers << 0x00123456u;
        const int before = log.count();

        options->Command3->click();

        QCOMPARE(p->prompts.colorRequests,
                 (QList<QPair<quint32, QString>>{
                     {0x000000FFu, QStringLiteral("Pick a color for the text.")}}));
        QCOMPARE(options->swatchColor(), 0x00123456u);
        QCOMPARE(textColorOf(options->Shape1, QPalette::Window), 0x00123456u);
        QCOMPARE(log.updates().mid(before), (QList<QVariantList>{{qint64(0x00123456)}}));
        QCOMPARE(textColorOf(main->Label1), 0x00123456u);
        QCOMPARE(textColorOf(main->Label2), 0x00123456u);
        QCOMPARE(textColorOf(p->forms->form2.ifLoaded()->Text1, QPalette::Text), 0x00123456u);
    }

    void aCancelledPickerKeepsTheColourAndWritesItOnce()
    {
        auto p = started({}, {{fields::TextColor, qint64(0x00008000)}});
        WriteLog log(p->files.path(), Table::Note, {fields::TextColor});
        Form1 *main = start(*p);
        main->Form1_AlSettings_Click();
        Form3 *options = p->forms->form3.ifLoaded();
        const int before = log.count();

        options->Command3->click();

        QCOMPARE(p->prompts.colorRequests.size(), 1);
        QCOMPARE(options->swatchColor(), 0x00008000u);
        QCOMPARE(log.updates().mid(before), (QList<QVariantList>{{qint64(0x00008000)}}));
        QCOMPARE(textColorOf(main->Label1), 0x00008000u);
        QCOMPARE(textColorOf(p->forms->form2.ifLoaded()->Text1, QPalette::Text), 0x00008000u);
    }

    void theOptionsButtonsOpenOneCopyOfEachDialog()
    {
        auto p = started({});
        Form1 *main = start(*p);
        main->Form1_AlSettings_Click();
        Form3 *options = p->forms->form3.ifLoaded();
        options->cmdTransSettings->click();
        Form6 *trans = p->forms->form6.ifLoaded();
        QVERIFY(trans && trans->isVisible());
        main->Form1_Trans_Click();
        QCOMPARE(p->forms->form6.ifLoaded(), trans);
        options->Command2->click();
        Form4 *speech = p->forms->form4.ifLoaded();
        QVERIFY(speech && speech->isVisible());
        main->Form1_SpeechSet_Click();
        QCOMPARE(p->forms->form4.ifLoaded(), speech);
        // Each is modeless; the main window stays usable beside them.
        QVERIFY(!trans->isModal() && !speech->isModal() && !options->isModal());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
