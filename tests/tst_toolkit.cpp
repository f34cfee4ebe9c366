// SPDX-License-Identifier: MIT
#include "platform/accessibility.h"
#include "platform/form.h"
#include "platform/label.h"

#include <QAccessible>
#include <QTest>

namespace {

struct TestForm : Form {
    TestForm() : Form(QStringLiteral("Test"), 3195, 2340) {}
};

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    // Designed in twips, frame included, and of fixed size. A height between
    // pixels reads back as it was set, so that steps smaller than a pixel add
    // up; an empty client area would unmap the window: one pixel is the least.
    // (The full height: tst_animation.)
    void outerHeightsAreTwipsWithTheDesignedFrame()
    {
        TestForm form;
        QCOMPARE(form.size(), QSize(213, 156));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        form.setOuterHeightTwips(400);
        QCOMPARE(form.height(), 5);
        QCOMPARE(form.outerHeightTwips(), 400.0);
        form.setOuterHeightTwips(0);
        QCOMPARE(form.height(), 1);
        QCOMPARE(form.outerHeightTwips(), 345.0);
    }

    // A screen reader reads a label's whole caption as its text, however
    // little of it shows; the label keeps its own name. A picture has no
    // text.
    void aLabelsCaptionIsItsText()
    {
        accessibility::install();
        TestForm form;
        auto *note = new Label(QStringLiteral("Milk, bread\nand a call"), &form);
        note->setAccessibleName(QStringLiteral("Note"));
        note->setShownLength(4);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(note);
        QVERIFY(a && a->textInterface());
        const auto text = [a] {
            return a->textInterface()->text(0, a->textInterface()->characterCount());
        };
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Note"));
        QCOMPARE(text(), QStringLiteral("Milk, bread\nand a call"));
        note->setCaption(QStringLiteral("Call the bench"));
        QCOMPARE(text(), QStringLiteral("Call the bench"));

        auto *picture = new Label(QString(), &form);
        picture->setPixmap(QPixmap(4, 4));
        QVERIFY(!QAccessible::queryAccessibleInterface(picture)->textInterface());
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
