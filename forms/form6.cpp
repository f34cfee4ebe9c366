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

Form6::Form6(Forms &forms)
    : Form(QStringLiteral("Transparency Settings"), 4785, 1440), m_forms(forms)
{
    useDialogFont();

    chkTrans =
        new QCheckBox(QStringLiteral("Enable Transparency (Compositing Desktops Only)"), this);
    chkTrans->setObjectName(QStringLiteral("chkTrans"));
    place(chkTrans, 120, 120, 4455, 255);
    chkTrans->setToolTip(
        QStringLiteral("Enable this to see cool tranparency effects on a compositing desktop."));

    Line1 = addLine(this, 0, 600, 4800);

    lblNoVis = new Label(QStringLiteral("Not Visable"), this);
    place(lblNoVis, 120, 720, 855, 255);
    lblVis = new Label(QStringLiteral("Visable"), this);
    place(lblVis, 4080, 720, 615, 255);

    sclTrans = new QScrollBar(Qt::Horizontal, this);
    sclTrans->setObjectName(QStringLiteral("sclTrans"));
    place(sclTrans, 360, 1080, 4095, 255);
    sclTrans->setRange(0, 255);
    sclTrans->setSingleStep(15);
    sclTrans->setPageStep(8);
    sclTrans->setValue(255);
    sclTrans->setAccessibleName(QStringLiteral("Visibility"));
    sclTrans->setAccessibleDescription(
        QStringLiteral("From not visible (0) to fully visible (255)."));
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

    Label1 = new Label(QStringLiteral("Precent Visable        %"), this);
    place(Label1, 1440, 1440, 2295, 255);
    lblPrecent = new Label(QStringLiteral("100"), this);
    lblPrecent->setObjectName(QStringLiteral("lblPrecent"));
    place(lblPrecent, 2640, 1440, 375, 255);
    // The percentage reads inside the sentence, over its run of blanks and
    // right before its "%", whatever the widths of the face.
    const QFontMetrics metrics(Label1->font());
    const QString sentence = Label1->caption();
    const int blanks = metrics.horizontalAdvance(QStringLiteral("Precent Visable "));
    const int percentSign = metrics.horizontalAdvance(sentence.left(sentence.indexOf(u'%')));
    lblPrecent->setGeometry(Label1->x() + blanks, Label1->y(), percentSign - blanks,
                            Label1->height());
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
