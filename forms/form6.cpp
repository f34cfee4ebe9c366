// SPDX-License-Identifier: MIT
#include "form6.h"

#include "forms/forms.h"
#include "platform/label.h"

#include <QCheckBox>
#include <QScrollBar>

#include <cmath>

namespace {

constexpr int heightOn = 2025;  // shows the percentage row
constexpr int heightOff = 1770; // the designed height

// The percentage shown for a level from 0 to 255.
int percentOf(int level)
{
    return int(std::lround(double(level) / 255.0 * 100.0));
}

} // namespace

Form6::Form6(Forms &forms) : Form(tr("Transparency Settings"), 4785, 1440), m_forms(forms)
{
    useDialogFont();

    chkTrans = new QCheckBox(tr("Enable Transparency (Compositing Desktops Only)"), this);
    chkTrans->setObjectName(QStringLiteral("chkTrans"));
    place(chkTrans, 120, 120, 4455, 255);
    chkTrans->setToolTip(
        tr("Enable this to see cool tranparency effects on a compositing desktop."));

    Line1 = addLine(this, 0, 600, 4800);

    lblNoVis = new Label(tr("Not Visable"), this);
    place(lblNoVis, 120, 720, 855, 255);
    lblVis = new Label(tr("Visable"), this);
    place(lblVis, 4080, 720, 615, 255);

    sclTrans = new QScrollBar(Qt::Horizontal, this);
    sclTrans->setObjectName(QStringLiteral("sclTrans"));
    place(sclTrans, 360, 1080, 4095, 255);
    sclTrans->setRange(0, 255);
    sclTrans->setSingleStep(15);
    sclTrans->setPageStep(8);
    sclTrans->setValue(255);
    sclTrans->setAccessibleName(tr("Visibility"));
    sclTrans->setAccessibleDescription(tr("From not visible (0) to fully visible (255)."));
    // A dragged thumb changes the level only when it is released.
    sclTrans->setTracking(false);
    // The bar takes the keyboard focus first, as the arrows and paging keys move it.
    sclTrans->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars invert the arrow keys (Left raises a horizontal bar's
    // value); here Left moves towards "Not Visable", as the labels read.
    sclTrans->setInvertedControls(false);
    sclTrans->setEnabled(false);

    lblTransLevel = new Label(QStringLiteral("255"), this);
    lblTransLevel->setObjectName(QStringLiteral("lblTransLevel"));
    place(lblTransLevel, 0, 1200, 615, 255);
    lblTransLevel->hide();

    Label1 = new Label(tr("Precent Visable        %"), this);
    place(Label1, 1440, 1440, 2295, 255);
    lblPrecent = new Label(QStringLiteral("100"), this);
    lblPrecent->setObjectName(QStringLiteral("lblPrecent"));
    place(lblPrecent, 2640, 1440, 375, 255);
    lblPrecent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPrecent->raise();

    setTabOrder(sclTrans, chkTrans);

    connect(chkTrans, &QCheckBox::stateChanged, this, &Form6::Form6_chkTrans_Click);
    connect(sclTrans, &QScrollBar::valueChanged, this, &Form6::Form6_sclTrans_Change);
    connect(lblTransLevel, &Label::Change, this, &Form6::Form6_lblTransLevel_Change);
    // Another program's change shows as the dialog's own would.
    DataSource &settings = m_forms.settingsRow();
    settings.watch(fields::TransEnabled, this,
                   [this](bool on) { chkTrans->setCheckState(on ? Qt::Checked : Qt::Unchecked); });
    settings.watch(fields::TransLevel, this, [this](int level) {
        if (sclTrans->isEnabled())
            sclTrans->setValue(level);
    });
}

// The percentage reads inside the sentence, over its run of blanks and
// right before its "%" (after it, in a language written right to left),
// whatever the face, the language and the window's width.
void Form6::layOut()
{
    Form::layOut();
    const QString sentence = Label1->caption();
    const qsizetype first = sentence.indexOf(QLatin1String("  "));
    if (first < 0)
        return; // a sentence without room for the number keeps the designed place
    qsizetype last = first;
    while (last < sentence.size() && sentence.at(last) == u' ')
        ++last;
    // The sentence starts at the label's leading edge: its left, or its
    // right when it runs right to left. The number sits next to the "%".
    const QFontMetricsF metrics(Label1->font());
    const qreal before = metrics.horizontalAdvance(sentence.left(first));
    const qreal blanks = metrics.horizontalAdvance(sentence.mid(first, last - first));
    const QRect area = Label1->contentsRect();
    const bool rtl = Label1->layoutDirection() == Qt::RightToLeft;
    const qreal end = rtl ? area.right() + 1 - before : area.left() + before + blanks;
    const int left = int(std::floor(end - blanks)), right = int(std::ceil(end));
    lblPrecent->setAlignment((rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute |
                             Qt::AlignVCenter);
    lblPrecent->setGeometry(Label1->x() + left, Label1->y(), right - left, Label1->height());
}

void Form6::onLoad()
{
    Form6_Form_Load();
}

void Form6::Form6_Form_Load()
{
    const DataSource &settings = m_forms.settingsRow();
    chkTrans->setCheckState(settings.get(fields::TransEnabled) ? Qt::Checked : Qt::Unchecked);

    lblTransLevel->setCaption(QString::number(settings.get(fields::TransLevel)));

    if (chkTrans->checkState() == Qt::Checked) {
        sclTrans->setEnabled(true);
        sclTrans->setValue(settings.get(fields::TransLevel));
        setOuterHeightTwips(heightOn);
        // The level is what the keyboard moves: the bar takes the focus.
        sclTrans->setFocus();
    }
}

void Form6::Form6_chkTrans_Click()
{
    if (chkTrans->checkState() == Qt::Checked) {
        sclTrans->setEnabled(true);
        sclTrans->setValue(lblTransLevel->caption().toInt());
        setOuterHeightTwips(heightOn);
        m_forms.settingsRow().set(fields::TransEnabled, true);
        sclTrans->setFocus();
    }
    if (chkTrans->checkState() == Qt::Unchecked) {
        sclTrans->setEnabled(false);
        sclTrans->setValue(255);
        lblTransLevel->setCaption(QString::number(255));
        setOuterHeightTwips(heightOff);
        // The main window becomes fully visible as it follows the store.
        m_forms.settingsRow().set(fields::TransEnabled, false);
    }
}

void Form6::Form6_sclTrans_Change()
{
    lblTransLevel->setCaption(QString::number(sclTrans->value()));
    const int level = lblTransLevel->caption().toInt();
    lblPrecent->setCaption(QString::number(percentOf(level)));
}

void Form6::Form6_lblTransLevel_Change()
{
    // The main window takes the level as it follows the store.
    m_forms.settingsRow().set(fields::TransLevel, lblTransLevel->caption().toInt());
}
