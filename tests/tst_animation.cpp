// SPDX-License-Identifier: MIT
// The main window's opening animation and the loops of hiding, showing and
// leaving, watched from outside the window's code: every height the window
// takes, every level it shows, when it is shown or hidden.

#include "support.h"

#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace {

int levelOf(qreal opacity)
{
    return int(std::lround(opacity * 255));
}

QList<int> range(int from, int to, int step)
{
    QList<int> values;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step)
        values << v;
    return values;
}

class Journal : public QObject {
public:
    QList<double> heights; // outer height at each change of the holder
    QList<int> levels;     // each level the window takes
    QStringList shows;     // "shown"/"hidden" with the tray and the stored "Hide/Show"
    int ticks = 0;         // of the opening timer
    bool othersRanBetweenSteps = false;

    Journal(TestProgram &p, Form1 *main) : m_program(p), m_main(main)
    {
        main->winId(); // the native window tells its opacity changes
        connect(child<QScrollBar>(p.forms->form5.get(), "VScroll1"), &QScrollBar::valueChanged,
                this, [this] { step(&heights, m_main->outerHeightTwips()); });
        connect(main->windowHandle(), &QWindow::opacityChanged, this,
                [this](qreal opacity) { step(&levels, levelOf(opacity)); });
        connect(child<QTimer>(main, "Open1"), &QTimer::timeout, this, [this] { ++ticks; });
        main->installEventFilter(this);
        // Free-running: were it to tick between two steps, a loop yielded.
        m_other.setInterval(0);
        connect(&m_other, &QTimer::timeout, this, [this] { m_otherTicked = true; });
        m_other.start();
    }

    bool waitForOpening()
    {
        return QTest::qWaitFor([this] { return !child<QTimer>(m_main, "Open1")->isActive(); },
                               10000);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            shows << QStringLiteral("%1 tray=%2 stored=%3")
                         .arg(event->type() == QEvent::Show ? "shown" : "hidden")
                         .arg(child<QSystemTrayIcon>(m_main, "SystemTray")->isVisible() ? "true"
                                                                                        : "false")
                         .arg(m_program.stored(fields::Hidden).toString());
        return false;
    }

private:
    template <class T> void step(QList<T> *list, T value)
    {
        if (!list->isEmpty() && m_otherTicked)
            othersRanBetweenSteps = true;
        m_otherTicked = false;
        list->append(value);
    }

    TestProgram &m_program;
    Form1 *m_main;
    QTimer m_other;
    bool m_otherTicked = false;
};

} // namespace

class TestAnimation : public QObject {
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<QVariant>("transEnabled");
        QTest::addColumn<int>("switchTo"); // "Trans Enabled" from the sixth tick on; -1: none
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("count"); // lblCount at the end
        QTest::addColumn<QList<int>>("levels");
        QTest::newRow("roll") << QVariant(0) << -1 << 114 << 2280 << QList<int>();
        QTest::newRow("fade") << QVariant(1) << -1 << 17 << 17 << range(15, 255, 15) + QList{90};
        // Fading for 5 ticks leaves the counter at 5: rolling then adds 20 a
        // tick and never meets 2280; it passes it after 114 more ticks.
        QTest::newRow("fade, then roll")
            << QVariant(1) << 0 << 5 + 114 << 2285 << range(15, 75, 15) + QList{255};
        // Rolling for 5 ticks leaves 100, already past the fade's 17.
        QTest::newRow("roll, then fade") << QVariant(0) << 1 << 5 + 1 << 101 << QList{15, 90};
    }
    void opening()
    {
        QFETCH(QVariant, transEnabled);
        QFETCH(int, switchTo);
        QFETCH(int, ticks);
        QFETCH(int, count);
        QFETCH(QList<int>, levels);
        TestProgram p;
        Form1 *main = p.start({{&fields::TransEnabled, transEnabled},
                               {&fields::TransLevel, QStringLiteral("90")},
                               {&fields::StartAni, QStringLiteral("True")}});
        QCOMPARE(main->height(), 1);
        Journal journal(p, main);
        connect(child<QTimer>(main, "Open1"), &QTimer::timeout, this, [&] {
            if (journal.ticks == 5 && switchTo >= 0)
                p.set(fields::TransEnabled, switchTo); // read afresh at the next tick
        });
        QVERIFY(journal.waitForOpening());
        QCOMPARE(journal.ticks, ticks);
        QCOMPARE(journal.levels, levels);
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(main->height(), 156);
        QCOMPARE(child<Label>(main, "lblCount")->caption(), QString::number(count));
    }

    void hidingAndShowing_data()
    {
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<bool>("animated"); // "Close Ani" and "Start Ani"
        QTest::addColumn<int>("hideHeights");
        QTest::addColumn<QList<int>>("hideLevels");
        QTest::addColumn<int>("showHeights");
        QTest::addColumn<QList<int>>("showLevels");
        QTest::newRow("roll up, roll down")
            << 0 << true << 1 + 267 << QList<int>() << 267 << QList<int>();
        // The faded-out window is at 0 already: the first new level is 15.
        QTest::newRow("fade out, fade in")
            << 1 << true << 1 << range(240, 0, -15) << 0 << range(15, 255, 15) + QList{100};
        QTest::newRow("no animations") << 1 << false << 0 << QList<int>() << 0 << QList<int>();
    }
    void hidingAndShowing()
    {
        QFETCH(int, transEnabled);
        QFETCH(bool, animated);
        QFETCH(int, hideHeights);
        QFETCH(QList<int>, hideLevels);
        QFETCH(int, showHeights);
        QFETCH(QList<int>, showLevels);
        TestProgram p;
        Form1 *main = p.start({{&fields::TransEnabled, transEnabled},
                               {&fields::TransLevel, QStringLiteral("100")},
                               {&fields::StartAni, QStringLiteral("True")}});
        QVERIFY(Journal(p, main).waitForOpening());
        p.set(fields::CloseAni, QLatin1String(animated ? "True" : "False"));
        p.set(fields::StartAni, QLatin1String(animated ? "True" : "False"));

        Journal hiding(p, main);
        choose(main, "Hide");
        QCOMPARE(hiding.heights.size(), hideHeights);
        if (hideHeights > 1)
            QCOMPARE(hiding.heights.last(), 345.0); // the caption bar and one pixel
        QCOMPARE(hiding.levels, hideLevels);
        // The animation ends before the icon goes in, the window hides and
        // the row is written, in this order.
        QCOMPARE(hiding.shows, QStringList{QStringLiteral("hidden tray=true stored=Show")});
        QCOMPARE(p.stored(fields::Hidden), QVariant(QStringLiteral("Hide")));
        QVERIFY(!hiding.othersRanBetweenSteps);

        Journal showing(p, main);
        emit child<QSystemTrayIcon>(main, "SystemTray")->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(showing.heights.size(), showHeights);
        QCOMPARE(showing.levels, showLevels);
        QVERIFY(main->isVisible());
        QCOMPARE(main->outerHeightTwips(), 2670.0);
        QCOMPARE(levelOf(main->windowOpacity()), transEnabled ? 100 : 255);
        QVERIFY(!child<QSystemTrayIcon>(main, "SystemTray")->isVisible());
        QCOMPARE(p.stored(fields::Hidden), QVariant(QStringLiteral("Show")));
        QVERIFY(!showing.othersRanBetweenSteps);
    }

    // Exit while the window opens, or the platform closing it while it is
    // hidden: the close animation plays from where the window is, and the
    // program ends.
    void leavingMidWay_data()
    {
        QTest::addColumn<int>("transEnabled");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("heights");
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QStringList>("shows");
        // The roll closes from the full height, the fade from the level the
        // opening reached (5 ticks: 75); hidden, the roll shows the window
        // first and the fade closes it unseen.
        const QStringList exited{QStringLiteral("hidden tray=false stored=Show")};
        QTest::newRow("exit while rolling open") << 0 << false << 1 + 267 << QList<int>() << exited;
        QTest::newRow("exit while fading open") << 1 << false << 0 << range(60, 0, -15) << exited;
        QTest::newRow("closed while hidden, roll")
            << 0 << true << 1 + 267 << QList<int>()
            << QStringList{QStringLiteral("shown tray=true stored=Hide"),
                           QStringLiteral("hidden tray=false stored=Hide")};
        QTest::newRow("closed while hidden, fade")
            << 1 << true << 0 << QList<int>() << QStringList();
    }
    void leavingMidWay()
    {
        QFETCH(int, transEnabled);
        QFETCH(bool, hidden);
        QFETCH(int, heights);
        QFETCH(QList<int>, levels);
        QFETCH(QStringList, shows);
        TestProgram p;
        Form1 *main = p.start({{&fields::TransEnabled, transEnabled},
                               {&fields::StartAni, QStringLiteral("True")},
                               {&fields::CloseAni, QStringLiteral("True")}});
        Journal journal(p, main);
        QVERIFY(QTest::qWaitFor([&] { return journal.ticks == 5; }));
        if (hidden) {
            QVERIFY(journal.waitForOpening());
            choose(main, "Hide");
        }
        const int ticks = journal.ticks;
        const QList<int> levelsBefore = journal.levels;
        journal.heights.clear();
        journal.shows.clear();
        if (hidden)
            main->close(); // as the platform would
        else
            choose(main, "Exit");
        QCOMPARE(journal.ticks, ticks);
        QCOMPARE(journal.heights.size(), heights);
        if (heights)
            QVERIFY(journal.heights.first() == 2670.0 && journal.heights.last() == 345.0);
        QCOMPARE(journal.levels.mid(levelsBefore.size()), levels);
        QCOMPARE(journal.shows, shows);
        QVERIFY(!p.forms->form1.isLoaded() && p.ended == 1);
    }
};

QTEST_MAIN(TestAnimation)
#include "tst_animation.moc"
