#include "testsupport.h"

#include "store/fields.h"

#include <QEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace {

int levelOf(qreal opacity)
{
    return int(std::lround(opacity * 255));
}

// Watches the main window from outside its code: every height the holder
// gives it, every opacity it takes, and when it is shown or hidden, with
// the tray and the stored "Hide/Show" as they are at that moment. Also
// counts the ticks of a free-running timer at every step, so that a step
// taken after another handler ran shows up.
class Journal : public QObject {
public:
    QStringList entries;
    QList<double> heights; // outer height after each change of the holder
    QList<int> levels;     // each new level of the window
    int ticks = 0;
    QList<int> ticksAtStep;

    Journal(TestProgram &p, Form1 *main) : m_program(p), m_main(main)
    {
        main->winId(); // the native window reports its opacity changes
        connect(p.forms->form5->VScroll1, &QScrollBar::valueChanged, this, [this] {
            heights << m_main->outerHeightTwips();
            entries << QStringLiteral("height %1").arg(m_main->outerHeightTwips());
            ticksAtStep << ticks;
        });
        connect(main->windowHandle(), &QWindow::opacityChanged, this, [this](qreal opacity) {
            levels << levelOf(opacity);
            entries << QStringLiteral("level %1").arg(levelOf(opacity));
            ticksAtStep << ticks;
        });
        main->installEventFilter(this);
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { ++ticks; });
        m_timer.start();
    }

    void clear()
    {
        entries.clear();
        heights.clear();
        levels.clear();
        ticksAtStep.clear();
    }

    // True when no tick came between the first and the last step.
    bool noHandlerRanBetweenSteps() const
    {
        return ticksAtStep.isEmpty() || ticksAtStep.first() == ticksAtStep.last();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_main && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
            entries << QStringLiteral("%1 tray=%2 stored=%3")
                           .arg(event->type() == QEvent::Show ? "shown" : "hidden")
                           .arg(m_main->SystemTray->inTray() ? "true" : "false")
                           .arg(m_program.store->read(Table::Form, fields::HideShow).toString());
        }
        return false;
    }

private:
    TestProgram &m_program;
    Form1 *m_main;
    QTimer m_timer;
};

QList<int> range(int from, int to, int step)
{
    QList<int> values;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        values << v;
    return values;
}

QString hideShow(TestProgram &p)
{
    return p.store->read(Table::Form, fields::HideShow).toString();
}

} // namespace

class TestAnimation : public QObject {
    Q_OBJECT

private slots:
    // --- the opening animation, one tick at a time ------------------------

    void theOpeningRollGrowsToTheFullHeightIn114Ticks()
    {
        TestProgram p;
        Form1 *main =
            p.start({{fields::TransEnabled, 0}, {fields::TransLevel, QStringLiteral("90")}},
                    {{fields::StartAni, QStringLiteral("True")}});
        const qreal opacityBefore = main->windowOpacity();
        QVERIFY(main->Open1->isActive());
        QVERIFY(main->height() <= 1);

        QList<double> heights{main->outerHeightTwips()};
        QList<int> pixels{main->height()};
        for (int tick = 1; tick <= 114; ++tick) {
            QVERIFY2(main->Open1->isActive(),
                     qPrintable(QStringLiteral("stopped before tick %1").arg(tick)));
            main->Form1_Open1_Timer();
            heights << main->outerHeightTwips();
            if (pixels.last() != main->height())
                pixels << main->height();
            if (tick < 114)
                QCOMPARE(heights.last() - heights[heights.size() - 2], 20.0);
        }
        QVERIFY(!main->Open1->isActive());
        QCOMPARE(main->lblCount->caption(), QStringLiteral("2280"));
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(main->height(), 156);
        // Steps smaller than a pixel add up: every tick shows a new height.
        QCOMPARE(pixels.size(), 115);
        // A roll sets no level.
        QCOMPARE(main->windowOpacity(), opacityBefore);
    }

    void theOpeningFadeTakes17Ticks_data()
    {
        QTest::addColumn<QString>("storedLevel");
        QTest::newRow("translucent") << QStringLiteral("90");
        QTest::newRow("opaque") << QStringLiteral("255");
        QTest::newRow("invisible") << QStringLiteral("0");
    }
    void theOpeningFadeTakes17Ticks()
    {
        QFETCH(QString, storedLevel);
        TestProgram p;
        Form1 *main = p.start({{fields::TransEnabled, 1}, {fields::TransLevel, storedLevel}},
                              {{fields::StartAni, QStringLiteral("True")}});
        main->setWindowOpacity(0.5); // none of the fade's levels
        Journal journal(p, main);

        for (int tick = 1; tick <= 17; ++tick) {
            QVERIFY(main->Open1->isActive());
            main->Form1_Open1_Timer();
            // The fade plays at the full height.
            QCOMPARE(main->outerHeightTwips(), 2670.0);
            QCOMPARE(main->lblCount->caption(), QString::number(tick));
        }
        QVERIFY(!main->Open1->isActive());
        QList<int> expected = range(15, 255, 15);
        if (storedLevel != QLatin1String("255"))
            expected << storedLevel.toInt();
        QCOMPARE(journal.levels, expected);
        QCOMPARE(levelOf(main->windowOpacity()), storedLevel.toInt());
        QCOMPARE(main->lblTransNumber->caption(), QStringLiteral("255"));
        QCOMPARE(main->lblCount->caption(), QStringLiteral("17"));
    }

    void aCounterThatPassesItsEndEndsTheOpening_data()
    {
        QTest::addColumn<int>("firstTransEnabled");
        QTest::addColumn<int>("ticksBefore");
        QTest::addColumn<int>("ticksAfter");
        QTest::addColumn<int>("restingLevel");
        // Fading for 5 ticks leaves the counter at 5: rolling then adds 20 a
        // tick and never meets 2280; it passes it after 114 more ticks.
        QTest::newRow("fade, then roll") << 1 << 5 << 114 << 255;
        // Rolling for 10 ticks leaves 200, already past the fade's 17.
        QTest::newRow("roll, then fade") << 0 << 10 << 1 << 60;
    }
    void aCounterThatPassesItsEndEndsTheOpening()
    {
        QFETCH(int, firstTransEnabled);
        QFETCH(int, ticksBefore);
        QFETCH(int, ticksAfter);
        QFETCH(int, restingLevel);
        TestProgram p;
        Form1 *main = p.start(
            {{fields::TransEnabled, firstTransEnabled}, {fields::TransLevel, QStringLiteral("60")}},
            {{fields::StartAni, QStringLiteral("True")}});
        for (int i = 0; i < ticksBefore; ++i)
            main->Form1_Open1_Timer();
        // The tick reads the setting afresh.
        QVERIFY(p.store->write(Table::Form, {{fields::TransEnabled, 1 - firstTransEnabled}}));
        int ticks = 0;
        while (main->Open1->isActive() && ticks < 1000) {
            main->Form1_Open1_Timer();
            ++ticks;
        }
        QCOMPARE(ticks, ticksAfter);
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(levelOf(main->windowOpacity()), restingLevel);
    }

    void aFadeInDuringTheOpeningFadeEndsIt()
    {
        // A show from the tray fades the window in while the opening fade is
        // still under way: its level is then at the top before the counter
        // reached its end, and the counter would never move again.
        TestProgram p;
        Form1 *main =
            p.start({{fields::TransEnabled, 1}, {fields::TransLevel, QStringLiteral("200")}},
                    {{fields::StartAni, QStringLiteral("True")},
                     {fields::CloseAni, QStringLiteral("False")}});
        for (int i = 0; i < 4; ++i)
            main->Form1_Open1_Timer();
        main->fadeInLoop();
        main->Form1_Open1_Timer();
        QVERIFY(!main->Open1->isActive());
        QCOMPARE(main->lblCount->caption(), QStringLiteral("4"));
        QCOMPARE(levelOf(main->windowOpacity()), 200);
    }

    void anUnknownTransparencySwitchKeepsTheOpeningWaiting()
    {
        TestProgram p;
        Form1 *main =
            p.start({{fields::TransEnabled, 2}}, {{fields::StartAni, QStringLiteral("True")}});
        const int collapsed = main->height();
        for (int i = 0; i < 200; ++i)
            main->Form1_Open1_Timer();
        QVERIFY(main->Open1->isActive());
        QCOMPARE(main->lblCount->caption(), QStringLiteral("0"));
        QCOMPARE(main->height(), collapsed);
    }

    // --- the four loops ---------------------------------------------------

    void theRollUpLoopTakes267Steps()
    {
        TestProgram p;
        Form1 *main = p.start();
        Journal journal(p, main);
        p.forms->form5->VScroll1->setValue(2670);
        journal.clear();
        main->rollUpLoop();
        QCOMPARE(journal.heights.size(), 267);
        QCOMPARE(journal.heights.first(), 2660.0);
        QCOMPARE(journal.heights.last(), 345.0); // the caption bar and one pixel
        QCOMPARE(p.forms->form5->VScroll1->value(), 0);
        QCOMPARE(main->height(), 1);
        QVERIFY(main->isVisible());
        QVERIFY(journal.noHandlerRanBetweenSteps());
        QVERIFY(journal.levels.isEmpty());
    }

    void theRollDownLoopEndsAtTheFullHeight_data()
    {
        QTest::addColumn<int>("holderBefore");
        QTest::newRow("holder empty, as after a roll-up") << 0;
        QTest::newRow("holder full, as after a fade-out") << 2670;
        QTest::newRow("holder half way") << 1200;
    }
    void theRollDownLoopEndsAtTheFullHeight()
    {
        QFETCH(int, holderBefore);
        TestProgram p;
        Form1 *main = p.start();
        QScrollBar *holder = p.forms->form5->VScroll1;
        holder->setValue(holderBefore);
        Journal journal(p, main);
        main->rollDownLoop();
        // Whatever the holder held, the roll starts from nothing.
        QCOMPARE(holder->value(), 2670);
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(main->height(), 156);
        QList<double> steps = journal.heights;
        steps.removeAll(345.0);           // emptying the holder first
        QCOMPARE(steps.size(), 267 - 34); // 10 to 340 keep the least height
        QCOMPARE(steps.first(), 350.0);
        QCOMPARE(steps.last(), 2670.0);
        QVERIFY(std::is_sorted(steps.begin(), steps.end()));
        QVERIFY(journal.noHandlerRanBetweenSteps());
    }

    void theFadeLoopsStepBy15_data()
    {
        QTest::addColumn<QString>("loop");
        QTest::addColumn<QString>("countBefore");
        QTest::addColumn<QString>("storedLevel");
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<int>("levelAfter");
        QTest::newRow("out from opaque") << "out"
                                         << "255"
                                         << "90" << range(240, 0, -15) << "0" << 0;
        QTest::newRow("out from where the opening stopped")
            << "out"
            << "75"
            << "90" << range(60, 0, -15) << "0" << 0;
        // No fade has raised the level in this run: nothing is set.
        QTest::newRow("out from nothing") << "out"
                                          << "0"
                                          << "90" << QList<int>() << "0" << 128;
        QTest::newRow("in to a translucent level")
            << "in"
            << "0"
            << "90" << QList<int>{0} + range(15, 255, 15) + QList<int>{90} << "255" << 90;
        QTest::newRow("in to opaque")
            << "in"
            << "120"
            << "255" << QList<int>{0} + range(15, 255, 15) << "255" << 255;
    }
    void theFadeLoopsStepBy15()
    {
        QFETCH(QString, loop);
        QFETCH(QString, countBefore);
        QFETCH(QString, storedLevel);
        QFETCH(QList<int>, levels);
        QFETCH(QString, countAfter);
        QFETCH(int, levelAfter);
        TestProgram p;
        Form1 *main = p.start({{fields::TransEnabled, 1}, {fields::TransLevel, storedLevel}});
        main->lblTransNumber->setCaption(countBefore);
        main->setWindowOpacity(128 / 255.0);
        Journal journal(p, main);
        if (loop == QLatin1String("out"))
            main->fadeOutLoop();
        else
            main->fadeInLoop();
        QCOMPARE(journal.levels, levels);
        QCOMPARE(main->lblTransNumber->caption(), countAfter);
        QCOMPARE(levelOf(main->windowOpacity()), levelAfter);
        QVERIFY(journal.heights.isEmpty());
        QVERIFY(journal.noHandlerRanBetweenSteps());
    }

    // --- hiding, showing and leaving --------------------------------------

    void hidingPlaysTheClosingAnimationFirst_data()
    {
        QTest::addColumn<QString>("closeAni");
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<int>("heightSteps");
        QTest::addColumn<int>("levelSteps");
        QTest::addColumn<int>("holderAfter");
        QTest::newRow("roll") << "True" << 0 << 1 + 267 << 0 << 0;
        QTest::newRow("fade") << "True" << 1 << 1 << 17 << 2670;
        QTest::newRow("fade on any other switch value") << "True" << 7 << 1 << 17 << 2670;
        QTest::newRow("no animation") << "False" << 0 << 0 << 0 << 0;
    }
    void hidingPlaysTheClosingAnimationFirst()
    {
        QFETCH(QString, closeAni);
        QFETCH(int, transEnabled);
        QFETCH(int, heightSteps);
        QFETCH(int, levelSteps);
        QFETCH(int, holderAfter);
        TestProgram p;
        Form1 *main =
            p.start({{fields::TransEnabled, transEnabled}},
                    {{fields::CloseAni, closeAni}, {fields::StartAni, QStringLiteral("False")}});
        main->lblTransNumber->setCaption(QStringLiteral("255")); // as after an opening fade
        Journal journal(p, main);

        main->Form1_Hide_Click();

        QCOMPARE(journal.heights.size(), heightSteps);
        QCOMPARE(journal.levels.size(), levelSteps);
        if (heightSteps)
            QCOMPARE(journal.heights.first(), 2670.0);
        if (heightSteps > 1)
            QCOMPARE(journal.heights.last(), 345.0);
        if (levelSteps)
            QCOMPARE(journal.levels.last(), 0);
        // The animation ends before the icon goes in, the window hides and
        // the row is written, in this order.
        QCOMPARE(journal.entries.last(), QStringLiteral("hidden tray=true stored=Show"));
        QCOMPARE(journal.entries.count(QStringLiteral("hidden tray=true stored=Show")), 1);
        QVERIFY(!main->isVisible());
        QVERIFY(main->SystemTray->inTray());
        QCOMPARE(hideShow(p), QStringLiteral("Hide"));
        QCOMPARE(p.forms->form5->VScroll1->value(), holderAfter);
        QVERIFY(journal.noHandlerRanBetweenSteps());
    }

    void theTrayIconBringsTheWindowBack_data()
    {
        QTest::addColumn<QString>("closeAni");
        QTest::addColumn<QString>("startAni");
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<int>("heightSteps");
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<int>("levelAfter");
        QTest::newRow("roll up, roll down") << "True"
                                            << "True" << 0 << 267 << QList<int>() << 255;
        // The faded-out window is at 0 already: the first new level is 15.
        QTest::newRow("fade out, fade in")
            << "True"
            << "True" << 1 << 0 << range(15, 255, 15) + QList<int>{100} << 100;
        // Without the opening animation the window comes back whole; with
        // transparency off it stays opaque.
        QTest::newRow("roll up, no animation back") << "True"
                                                    << "False" << 0 << 0 << QList<int>() << 255;
        QTest::newRow("fade out, no animation back") << "True"
                                                     << "False" << 1 << 0 << QList<int>{100} << 100;
        QTest::newRow("no animations") << "False"
                                       << "False" << 1 << 0 << QList<int>{100} << 100;
    }
    void theTrayIconBringsTheWindowBack()
    {
        QFETCH(QString, closeAni);
        QFETCH(QString, startAni);
        QFETCH(int, transEnabled);
        QFETCH(int, heightSteps);
        QFETCH(QList<int>, levels);
        QFETCH(int, levelAfter);
        TestProgram p;
        Form1 *main = p.start(
            {{fields::TransEnabled, transEnabled}, {fields::TransLevel, QStringLiteral("100")}},
            {{fields::CloseAni, closeAni}, {fields::StartAni, QStringLiteral("False")}});
        main->lblTransNumber->setCaption(QStringLiteral("255"));
        main->Form1_Hide_Click();
        QVERIFY(!main->isVisible());
        QVERIFY(p.store->write(Table::Note, {{fields::StartAni, startAni}}));
        Journal journal(p, main);

        main->Form1_SystemTray_Click();

        QCOMPARE(journal.levels, levels);
        QList<double> steps = journal.heights;
        steps.removeAll(345.0);
        if (heightSteps) {
            QCOMPARE(journal.heights.size(), heightSteps);
            QCOMPARE(steps.last(), 2670.0);
            // The window is on the screen before the roll starts.
            QVERIFY(
                journal.entries.first().startsWith(QLatin1String("shown tray=true stored=Hide")));
        }
        QVERIFY(main->isVisible());
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(levelOf(main->windowOpacity()), levelAfter);
        QVERIFY(!main->SystemTray->inTray());
        QCOMPARE(hideShow(p), QStringLiteral("Show"));
        QVERIFY(journal.noHandlerRanBetweenSteps());
    }

    void aWindowHiddenWithoutAnimationComesBackAsItWas()
    {
        TestProgram p;
        Form1 *main =
            p.start({{fields::TransEnabled, 1}, {fields::TransLevel, QStringLiteral("150")}},
                    {{fields::CloseAni, QStringLiteral("False")},
                     {fields::StartAni, QStringLiteral("False")}});
        main->TransWindow1.SetLevel(150);
        const QRect geometry = main->geometry();
        main->Form1_Hide_Click();
        main->Form1_SystemTray_Click();
        QCOMPARE(main->geometry(), geometry);
        QCOMPARE(levelOf(main->windowOpacity()), 150);
    }

    void exitStopsTheOpeningAndPlaysTheClosingAnimation_data()
    {
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<int>("heightSteps");
        QTest::addColumn<QList<int>>("levels");
        // The roll starts from the full height, the fade from the level the
        // opening reached (5 ticks: 75).
        QTest::newRow("roll") << 0 << 1 + 267 << QList<int>();
        QTest::newRow("fade") << 1 << 0 << range(60, 0, -15);
    }
    void exitStopsTheOpeningAndPlaysTheClosingAnimation()
    {
        QFETCH(int, transEnabled);
        QFETCH(int, heightSteps);
        QFETCH(QList<int>, levels);
        TestProgram p;
        Form1 *main = p.start({{fields::TransEnabled, transEnabled}},
                              {{fields::CloseAni, QStringLiteral("True")},
                               {fields::StartAni, QStringLiteral("True")}});
        for (int i = 0; i < 5; ++i)
            main->Form1_Open1_Timer();
        const QString countAtExit = main->lblCount->caption();
        Journal journal(p, main);
        QPointer<Form1> alive(main);

        main->Form1_Exit_Click();

        QCOMPARE(journal.heights.size(), heightSteps);
        if (heightSteps) {
            QCOMPARE(journal.heights.first(), 2670.0);
            QCOMPARE(journal.heights.last(), 345.0);
        }
        QCOMPARE(journal.levels, levels);
        QVERIFY(journal.noHandlerRanBetweenSteps());
        QVERIFY(!p.forms->form1.isLoaded());
        QVERIFY(!p.forms->form2.isLoaded() && !p.forms->form3.isLoaded() &&
                !p.forms->form5.isLoaded());
        QCOMPARE(p.lastUnloaded, 1);
        // No opening tick runs after Exit.
        QVERIFY(alive && !alive->Open1->isActive());
        QTest::qWait(50);
        QVERIFY(!alive || alive->lblCount->caption() == countAtExit);
    }

    void anUnloadWhileHiddenRollsOnlyAfterShowing_data()
    {
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<bool>("shown");
        QTest::newRow("roll: shown at full height, rolled up") << 0 << true;
        QTest::newRow("fade: closes unseen") << 1 << false;
    }
    void anUnloadWhileHiddenRollsOnlyAfterShowing()
    {
        QFETCH(int, transEnabled);
        QFETCH(bool, shown);
        TestProgram p;
        Form1 *main = p.start({{fields::TransEnabled, transEnabled}},
                              {{fields::CloseAni, QStringLiteral("True")},
                               {fields::StartAni, QStringLiteral("False")}});
        main->lblTransNumber->setCaption(QStringLiteral("255"));
        main->Form1_Hide_Click();
        Journal journal(p, main);

        main->close(); // as the platform would

        QCOMPARE(journal.entries.contains(QStringLiteral("shown tray=true stored=Hide")), shown);
        if (shown) {
            const int shownAt =
                int(journal.entries.indexOf(QStringLiteral("shown tray=true stored=Hide")));
            QCOMPARE(journal.entries.mid(shownAt + 1, 1),
                     QStringList{QStringLiteral("height 2660")});
            QCOMPARE(journal.heights.last(), 345.0);
        }
        QVERIFY(!p.forms->form1.isLoaded());
        QCOMPARE(p.lastUnloaded, 1);
    }
};

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
