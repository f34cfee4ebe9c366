// SPDX-License-Identifier: MIT
#include "form2.h"

#include "forms/form3.h"
#include "forms/forms.h"
#include "platform/color.h"

#include <QPlainTextEdit>
#include <QPushButton>

Form2::Form2(Forms &forms)
    : Form(tr("Rename Text"), 2205, 2595), m_forms(forms), Data1(forms.store(), Table::Note)
{
    useDialogFont();

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, 120, 60, 1935, 1815);
    Text1->setToolTip(tr("Type your desktop note here."));
    Text1->setFont(noteFont());
    Text1->setAccessibleName(tr("Note"));
    // The note's colour is chosen to read on the light mascot picture: the
    // field stays light whatever the desktop's colours.
    QPalette light = Text1->palette();
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(light);
    // Tab leaves the note for the buttons rather than typing a tab into it.
    Text1->setTabChangesFocus(true);

    Command1 = new QPushButton(tr("Rename Text"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    place(Command1, 495, 1920, 1215, 255);
    Command1->setToolTip(tr("Click here to apply the rename of your desktop note."));
    Command2 = new QPushButton(tr("Options"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    place(Command2, 495, 2280, 1215, 255);
    Command2->setToolTip(tr("Click here to view your desktop note options."));

    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);

    connect(Text1, &QPlainTextEdit::textChanged, this, &Form2::Form2_Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Form2_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Form2_Command2_Click);
    Data1.watch(fields::TextColor, this, [this](const QColor &c) { applyTextColor(c); });

    placeClientTwips(6570, 4755);
}

void Form2::applyTextColor(const QColor &c)
{
    color::setTextColor(Text1, c);
}

void Form2::onLoad()
{
    // The text box is bound to the stored note; it takes the note when it
    // first shows, so that a long note costs nothing until it is edited.
    m_bound = false;
    applyTextColor(Data1.get(fields::TextColor));
}

void Form2::showEvent(QShowEvent *event)
{
    if (!m_bound) {
        m_bound = true;
        const QString note = Data1.get(fields::Note);
        if (note.size() <= longestEditableNote) {
            Text1->setPlainText(note);
        } else {
            // A note this long is only shown here: editing a part of it
            // would lose the rest.
            Text1->setPlainText(note.left(10000));
            Text1->setReadOnly(true);
            Text1->setToolTip(tr("This note is too long to change here."));
            Command1->setEnabled(false);
        }
    }
    Form::showEvent(event);
}

void Form2::onUnload()
{
    Form2_Form_Unload();
}

void Form2::Form2_Text1_Change()
{
    const bool hasText = !Text1->document()->isEmpty();
    Command1->setEnabled(hasText && !Text1->isReadOnly());
    Command2->setEnabled(hasText);
}

void Form2::Form2_Command1_Click()
{
    const QString note = Text1->toPlainText();
    // The main window shows the note as it follows the store.
    Data1.set(fields::Note, note);
    // The dialog goes once the note is on the disk: the window's thread
    // goes on meanwhile, and a second click does nothing.
    setEnabled(false);
    m_forms.store().whenLanded(this, [this] { unload(); });
}

void Form2::Form2_Command2_Click()
{
    // The options show the stored colour and switches, as they follow them.
    m_forms.form3->showModeless();
}

void Form2::Form2_Form_Unload()
{
    m_forms.form3.unload();
}
