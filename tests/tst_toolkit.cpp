// SPDX-License-Identifier: MIT
#include "platform/form.h"
#include "platform/label.h"
#include "platform/timeformat.h"

#include <QTest>

namespace {

struct TestForm : Form {
    TestForm() : Form(QStringLiteral("Test"), 3195, 2340) {}
};

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void outerHeightsAreTwipsWithTheDesignedFrame_data()
    {
        QTest::addColumn<double>("outer");
        QTest::addColumn<int>("clientPx");
        QTest::addColumn<double>("readBack");
        QTest::newRow("full height") << 2670.0 << 156 << 2670.0;
        // An empty client area would unmap the window: one pixel is the least.
        QTest::newRow("collapsed") << 0.0 << 1 << 345.0;
        // A height between pixels reads back as it was set, so that steps
        // smaller than a pixel add up.
        QTest::newRow("between pixels") << 400.0 << 5 << 400.0;
    }
    void outerHeightsAreTwipsWithTheDesignedFrame()
    {
        QFETCH(double, outer);
        QFETCH(int, clientPx);
        QFETCH(double, readBack);
        TestForm form;
        QCOMPARE(form.size(), QSize(213, 156));
        form.setOuterHeightTwips(outer);
        QCOMPARE(form.height(), clientPx);
        QCOMPARE(form.outerHeightTwips(), readBack);
        // Fixed size: the user cannot resize it.
        QCOMPARE(form.minimumSize(), form.maximumSize());
    }

    // Every locale's long time, without its time zone and what held it,
    // fits the clock's designed rectangle.
    void everyLocalesTimeFitsTheClock()
    {
        QWidget window;
        Label clock(QString(), &window);
        Form::place(&clock, 120, 120, 855, 375);
        clock.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        clock.setShrinkToFit(5);
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString format = longTimeFormat(locale);
            for (const char *leftover : {"()", "[]", "B", "t"})
                QVERIFY2(!format.contains(QLatin1String(leftover)) ||
                             format.contains(QLatin1Char('\'')),
                         qPrintable(locale.name() + QLatin1Char(' ') + format));
            for (QTime time : {QTime(9, 5, 28), QTime(21, 59, 38)}) {
                clock.setCaption(longTimeText(time, locale));
                // A script this machine has no face for shows as boxes.
                const auto text = clock.caption().toUcs4();
                if (!std::all_of(text.begin(), text.end(),
                                 [&](char32_t c) { return clock.fontMetrics().inFontUcs4(c); }))
                    continue;
                const QRect needed =
                    QFontMetrics(clock.font())
                        .boundingRect(clock.contentsRect(),
                                      int(clock.alignment()) | Qt::TextWordWrap, clock.caption());
                QVERIFY2(clock.contentsRect().contains(needed),
                         qPrintable(locale.name() + QLatin1Char(' ') + clock.caption()));
            }
        }
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
