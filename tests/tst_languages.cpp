// SPDX-License-Identifier: MIT
// The program in every language it ships: every catalogue in the tree is
// built in, every text of every window shows whole in its control (in the
// control's face, within the margins its style keeps), nothing comes to lie
// over anything it did not lie over in English, and a language written
// right to left mirrors the dialogs but not the main window. At scale 2,
// the pictures are sharp.

#include "support.h"

#include "platform/languages.h"
#include "speech/characterfile.h"

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

// The catalogues of one language, ours and Qt's (none for English),
// installed while it lives.
struct Language {
    explicit Language(const QString &name)
    {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        loaded =
            name == QLatin1String("en") ||
            (ours.load(QStringLiteral("quornel_") + name, QStringLiteral(":/i18n")) &&
             qt.load(QStringLiteral("qtbase_") + name, qtFolder)); // else "qtbase_pt" for pt_BR
        QCoreApplication::installTranslator(&ours);
        QCoreApplication::installTranslator(&qt);
        languages::followDirection();
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&ours);
        QCoreApplication::removeTranslator(&qt);
        languages::followDirection();
    }
    QTranslator ours, qt;
    bool loaded;
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
    QDebug(why).nospace() << w->metaObject()->className() << ' ' << text << " needs "
                          << needed.size() << ", has " << room.size();
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

using Relation = bool (*)(const QWidget *, const QWidget *);
bool overlap(const QWidget *a, const QWidget *b)
{
    return a->geometry().intersects(b->geometry());
}
bool leftOf(const QWidget *a, const QWidget *b)
{
    return a->y() == b->y() && a->geometry().right() < b->x(); // on one row
}
bool rightOf(const QWidget *a, const QWidget *b)
{
    return leftOf(b, a);
}

// "A B" for each two shown controls of the window, siblings, in this
// relation; a control is named by its class and its place among the
// window's controls, the same in every language.
QStringList pairs(const QWidget *window, Relation related)
{
    QStringList found;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    const auto name = [&all](const QWidget *w) {
        return QString::fromLatin1(w->metaObject()->className()) + u'#' +
               QString::number(all.indexOf(w));
    };
    for (const QWidget *a : all) {
        for (const QWidget *b : all) {
            if (a != b && !a->isHidden() && !b->isHidden() && a->parent() == b->parent() &&
                related(a, b))
                found << name(a) + u' ' + name(b);
        }
    }
    found.sort();
    return found;
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
    // language in English without a word (each loads, with Qt's: textsFit).
    void everyCatalogueIsBuiltIn()
    {
        QStringList inTree;
        for (const QString &ts :
             QDir(QStringLiteral(QUORNEL_TRANSLATIONS)).entryList({QStringLiteral("quornel_*.ts")}))
            inTree << ts.mid(8).chopped(3);
        QVERIFY(!inTree.isEmpty());
        QCOMPARE(languages::shipped(), inTree);
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
            english[window] = {pairs(form, overlap), pairs(form, leftOf)};
        }
        const auto &[designed, order] = english[window];
        const Language installed(language);
        QVERIFY2(installed.loaded, "its catalogue or Qt's did not load");
        TestProgram p;
        p.start({{&fields::TransEnabled, 1}});
        Form *form = windows[window].open(p);
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QWidget *w : textControls(form)) {
            QString why;
            QVERIFY2(fits(w, &why), qPrintable(why));
            QVERIFY2(form->rect().contains(QRect(w->mapTo(form, QPoint()), w->size())),
                     qPrintable(textOf(w) + QStringLiteral(" reaches past the window")));
        }
        QCOMPARE(pairs(form, overlap), designed);
        // Written right to left, a dialog is mirrored: what lay to the left of
        // something lies to its right.
        QCOMPARE(pairs(form, QGuiApplication::isRightToLeft() ? rightOf : leftOf), order);
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

    // At scale 2 the pictures are drawn from their double-size versions, not
    // pixel-doubled.
    void picturesForTheScreensDensity()
    {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2"))
            QSKIP("at scale 2 only");
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        TestProgram p;
        Form1 *main = p.start();
        const QPixmap mascot = child<Label>(main, "Picture")->pixmap();
        QCOMPARE(mascot.devicePixelRatio(), 2.0);
        QCOMPARE(mascot.size(), QSize(430, 314));
        QTRY_COMPARE(main->windowIcon().pixmap(32).size(), QSize(64, 64)); // once shown
        QString error;
        const auto character = characterfile::load(QStringLiteral(QUORNEL_CHARACTER), &error,
                                                   qApp->devicePixelRatio());
        QVERIFY2(character, qPrintable(error));
        QCOMPARE(character->images.first().devicePixelRatio(), 2.0);
        QCOMPARE(character->size(), QSize(128, 160));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
