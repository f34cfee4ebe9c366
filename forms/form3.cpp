// SPDX-License-Identifier: MIT
#include "form3.h"

#include "forms/form4.h"
#include "forms/form6.h"
#include "forms/forms.h"
#include "platform/prompts.h"
#include "platform/wrappingbutton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

Form3::Form3(Forms &forms) : Form(tr("Settings"), 3870, 2730), m_forms(forms)
{
    useDialogFont();

    Frame2 = new QGroupBox(tr("Animation"), this);
    place(Frame2, 120, 120, 1935, 1215);
    Frame2->setToolTip(
        tr("Chose if you would like to have \"Open Animation\" or \"Close Animation\"  by checking "
           "the appropriate check box."));
    Check1 = new QCheckBox(tr("Open Animation"), Frame2);
    Check1->setObjectName(QStringLiteral("Check1"));
    place(Check1, 120, 360, 1575, 255);
    Check1->setToolTip(tr("Click if you want the \"Open Animation\" on or off."));
    Check2 = new QCheckBox(tr("Close Animation"), Frame2);
    Check2->setObjectName(QStringLiteral("Check2"));
    place(Check2, 120, 720, 1575, 255);
    Check2->setToolTip(tr("Click if you want the \"Close Animation\" on or off."));

    Command2 = new QPushButton(tr("Speech Settings"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    place(Command2, 2160, 840, 1575, 375);
    Command2->setToolTip(tr("Click this to enable/disable the sppech in Quornel Desktop Notes."));

    Frame1 = new QGroupBox(tr("Current Text Color"), this);
    place(Frame1, 120, 1440, 1935, 1215);
    Shape1 = new QLabel(Frame1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    place(Shape1, 720, 240, 495, 375);
    Shape1->setAutoFillBackground(true);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAccessibleName(tr("Current text colour"));

    Command3 = new QPushButton(tr("Change Text Color"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    place(Command3, 300, 2160, 1575, 375);
    Command3->setToolTip(tr("Click this button to change the color of all your text."));

    cmdTransSettings = new WrappingButton(tr("Transparency Settings "), this);
    cmdTransSettings->setObjectName(QStringLiteral("cmdTransSettings"));
    place(cmdTransSettings, 2160, 1800, 1575, 615);
    cmdTransSettings->setToolTip(
        tr("Click this to adjust the transparency setting in Quornel Desktop Notes."));

    Image1 = new QLabel(this);
    place(Image1, 2640, 120, 480, 480);
    Image1->setPixmap(picture(QStringLiteral(":/loudspeaker.png"), devicePixelRatioF()));
    Image1->setAccessibleName(tr("Loudspeaker"));

    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, cmdTransSettings);

    applyTextColor(Qt::black);
    connect(Check1, &QCheckBox::stateChanged, this, &Form3::Form3_Check1_Click);
    connect(Check2, &QCheckBox::stateChanged, this, &Form3::Form3_Check2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Form3_Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
    connect(cmdTransSettings, &QPushButton::clicked, this, &Form3::Form3_cmdTransSettings_Click);
    // What the dialog shows of the store follows it, whoever changed it.
    DataSource &note = m_forms.noteRow();
    note.watch(fields::TextColor, this, [this](const QColor &c) { applyTextColor(c); });
    note.watch(fields::StartAni, this, [this](bool on) { Check1->setChecked(on); });
    note.watch(fields::CloseAni, this, [this](bool on) { Check2->setChecked(on); });

    // The client area's top-left corner opens at its designed place.
    placeClientTwips(3360, 5655);
}

void Form3::applyTextColor(const QColor &c)
{
    m_swatch = c;
    QPalette p = Shape1->palette();
    p.setColor(QPalette::Window, m_swatch);
    Shape1->setPalette(p);
}

void Form3::checkAnimations(bool opening, bool closing)
{
    if (opening)
        Check1->setChecked(true);
    if (closing)
        Check2->setChecked(true);
}

void Form3::onLoad()
{
    Form3_Form_Load();
}

void Form3::Form3_Form_Load()
{
    const DataSource &note = m_forms.noteRow();
    checkAnimations(note.get(fields::StartAni), note.get(fields::CloseAni));
    // A reopened dialog shows the stored colour, not the design's black.
    applyTextColor(note.get(fields::TextColor));
}

void Form3::writeSwitch(QCheckBox *box, const Setting<bool> &field)
{
    if (box->checkState() == Qt::Unchecked)
        m_forms.noteRow().set(field, false);
    if (box->checkState() == Qt::Checked)
        m_forms.noteRow().set(field, true);
}

void Form3::Form3_Check1_Click()
{
    writeSwitch(Check1, fields::StartAni);
}

void Form3::Form3_Check2_Click()
{
    writeSwitch(Check2, fields::CloseAni);
}

void Form3::Form3_Command3_Click()
{
    applyTextColor(m_forms.prompts().pickColor(m_swatch, tr("Pick a color for the text.")));
    // The note, the clock and the editor take the colour as they follow it.
    m_forms.noteRow().set(fields::TextColor, m_swatch);
}

void Form3::Form3_Command2_Click()
{
    m_forms.form4->showModeless();
}

void Form3::Form3_cmdTransSettings_Click()
{
    m_forms.form6->showModeless();
}
