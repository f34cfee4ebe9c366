// SPDX-License-Identifier: MIT
// The program in every language it ships: every catalogue in the tree is
// built in, every text of every window shows whole in its control (in the
// control's face, within the margins its style keeps), nothing comes to lie
// over anything it did not lie over in English, and a language written
// right to left mirrors the dialogs but not the main window.

#include "support.h"

#include "platform/languages.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTranslator>

namespace {

// Installs the catalogues of one language (none for English) for as long as
// it lives.
class Language {
public:
    explicit Language(const QString &name)
    {
        if (name == QLatin1String("en"))
            return;
        if (!m_ours.load(QStringLiteral("quornel_") + name, QStringLiteral(":/i18n")))
            qWarning("no catalogue for %s", qPrintable(name));
        if (!m_qt.load(QStringLiteral("qtbase_") + name,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qWarning("no catalogue of Qt's for %s", qPrintable(name));
        QCoreApplication::installTranslator(&m_ours);
        QCoreApplication::installTranslator(&m_qt);
        languages::followDirection();
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&m_ours);
        QCoreApplication::removeTranslator(&m_qt);
        languages::followDirection();
    }
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

private:
    QTranslator m_ours, m_qt;
};

QString textOf(const QWidget *w)
{
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    return {};
}

// Where the control draws its text, as its style says.
QRect textRoom(const QWidget *w)
{
    const QStyle *style = w->style();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        return style->subElementRect(qobject_cast<const QCheckBox *>(w)
                                         ? QStyle::SE_CheckBoxContents
                                         : QStyle::SE_PushButtonContents,
                                     &option, b);
    }
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(g);
        option.text = g->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
        return title.intersected(g->rect());
    }
    return w->contentsRect();
}

// Whether the text shows whole: on one line, or wrapped where the control
// wraps its text.
bool fits(const QWidget *w, QString *why)
{
    const QString text = textOf(w);
    const QRect room = textRoom(w);
    const QFontMetrics metrics(w->font());
    const auto *label = qobject_cast<const QLabel *>(w);
    const bool wraps = (label && label->wordWrap()) || w->inherits("WrappingButton");
    const QRect needed =
        wraps ? metrics.boundingRect(room, Qt::TextWordWrap, text) : metrics.boundingRect(text);
    *why = QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
               .arg(text)
               .arg(needed.width())
               .arg(needed.height())
               .arg(room.width())
               .arg(room.height());
    return needed.width() <= room.width() && metrics.height() <= w->height();
}

// The controls of ours that show a text of ours.
QList<QWidget *> textControls(const QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const Label *>(w);
        if (w->isHidden() || textOf(w).isEmpty() ||
            w->objectName().startsWith(QLatin1String("qt_")) || (label && label->fitsItself()))
            continue;
        found << w;
    }
    return found;
}

// A control's name in its window, the same in every language: its class
// and its place among the window's controls.
QString nameOf(const QWidget *window, const QWidget *w)
{
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('#') +
           QString::number(window->findChildren<QWidget *>().indexOf(w));
}

// "A / B" for each two controls of the window, one the other's sibling, that
// overlap.
QStringList overlaps(const QWidget *window)
{
    QStringList pairs;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (const QWidget *a : all) {
        for (const QWidget *b : all) {
            if (all.indexOf(a) < all.indexOf(b) && !a->isHidden() && !b->isHidden() &&
                a->parent() == b->parent() && a->geometry().intersects(b->geometry()))
                pairs << nameOf(window, a) + QStringLiteral(" / ") + nameOf(window, b);
        }
    }
    return pairs;
}

// "A B" for each two sibling controls on one row, A to the left of B.
QStringList leftToRight(const QWidget *window)
{
    QStringList pairs;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (const QWidget *a : all) {
        for (const QWidget *b : all) {
            if (a != b && !a->isHidden() && !b->isHidden() && a->parent() == b->parent() &&
                a->y() == b->y() && a->geometry().right() < b->x())
                pairs << nameOf(window, a) + QLatin1Char(' ') + nameOf(window, b);
        }
    }
    pairs.sort();
    return pairs;
}

struct Window {
    const char *name;
    Form *(*open)(TestProgram &);
};
const Window windows[] = {
    {"rename", [](TestProgram &p) -> Form * { return p.forms->form2.get(); }},
    {"options", [](TestProgram &p) -> Form * { return p.forms->form3.get(); }},
    {"speech", [](TestProgram &p) -> Form * { return p.forms->form4.get(); }},
    {"transparency", [](TestProgram &p) -> Form * { return p.forms->form6.get(); }},
};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    // The style asked for is the style the windows are drawn in.
    void initTestCase()
    {
        const QString style = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        if (!style.isEmpty())
            QCOMPARE(QApplication::style()->name().toLower(), style.toLower());
        // The GTK theme gives the desktop's face ("Sans"), not Qt's own.
        if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == QLatin1String("gtk3"))
            QVERIFY2(QApplication::font().family() != QLatin1String("Sans Serif"),
                     "the GTK platform theme did not load");
    }

    // A catalogue in the tree that the build left out would leave its
    // language in English without a word.
    void everyCatalogueIsBuiltIn()
    {
        QStringList inTree;
        for (const QString &ts :
             QDir(QStringLiteral(QUORNEL_TRANSLATIONS)).entryList({QStringLiteral("quornel_*.ts")}))
            inTree << ts.mid(8).chopped(3);
        QVERIFY(!inTree.isEmpty());
        QCOMPARE(languages::shipped(), inTree);
        for (const QString &name : inTree) {
            QTranslator qt;
            QVERIFY2(qt.load(QStringLiteral("qtbase_") + name,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
                         qt.load(QStringLiteral("qtbase_") + name.section(u'_', 0, 0),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
                     qPrintable(QStringLiteral("Qt's own catalogue for ") + name));
        }
    }

    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("window");
        for (const QString &language : QStringList{QStringLiteral("en")} + languages::shipped())
            for (int i = 0; i < int(std::size(windows)); ++i)
                QTest::addRow("%s %s", qPrintable(language), windows[i].name) << language << i;
    }
    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(int, window);
        // What overlaps in English is as designed (a button over a frame, the
        // percentage inside its sentence), and what lies beside what.
        static QMap<int, QPair<QStringList, QStringList>> english;
        if (!english.contains(window)) {
            TestProgram p;
            p.start({{&fields::TransEnabled, 1}});
            Form *form = windows[window].open(p);
            form->showModeless();
            english[window] = {overlaps(form), leftToRight(form)};
        }
        const auto &[designed, order] = english[window];
        const Language installed(language);
        TestProgram p;
        p.start({{&fields::TransEnabled, 1}});
        Form *form = windows[window].open(p);
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QWidget *w : textControls(form)) {
            QString why;
            QVERIFY2(fits(w, &why), qPrintable(QString::fromLatin1(w->metaObject()->className()) +
                                               QLatin1Char(' ') + why));
            QVERIFY2(form->rect().contains(QRect(w->mapTo(form, QPoint()), w->size())),
                     qPrintable(textOf(w) + QStringLiteral(" reaches past the window")));
        }
        QCOMPARE(overlaps(form), designed);
        // Written right to left, a dialog is mirrored: what lay to the left of
        // something lies to its right.
        QStringList mirrored;
        for (const QString &pair : std::as_const(order))
            mirrored << pair.section(u' ', 1) + QLatin1Char(' ') + pair.section(u' ', 0, 0);
        mirrored.sort();
        QCOMPARE(leftToRight(form), QGuiApplication::isRightToLeft() ? mirrored : order);
    }

    // The main window keeps its picture as drawn in every language; a note
    // runs the way it is written, whatever the language around it.
    void theMainWindowUnderRightToLeft()
    {
        const Language arabic(QStringLiteral("ar"));
        TestProgram p;
        Form1 *main = p.start({{&fields::Note, QStringLiteral("שלום עולם")}});
        QVERIFY(QGuiApplication::isRightToLeft() || !languages::shipped().contains("ar"));
        auto *note = child<Label>(main, "Label1");
        QCOMPARE(note->geometry(), QRect(80, 8, 129, 121));
        QCOMPARE(note->layoutDirection(), Qt::RightToLeft);
        p.set(fields::Note, QStringLiteral("Milk and bread"));
        QCOMPARE(note->layoutDirection(), Qt::LeftToRight);
        QVERIFY(child<QLabel>(main, "Picture")->alignment() & Qt::AlignAbsolute);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
