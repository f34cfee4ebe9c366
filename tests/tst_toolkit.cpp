// SPDX-License-Identifier: MIT
#include "platform/form.h"

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
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
