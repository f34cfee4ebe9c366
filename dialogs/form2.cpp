#include "form2.h"

#include "dialogs/form3.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "store/fields.h"

#include <QCheckBox>

Form2::Form2(Forms &forms)
    : Form(QStringLiteral("Rename Text"), 2205, 2595), Data1(forms.store(), Table::Note),
      m_forms(forms)
{
    setFont(dialogFont());

    Text1 = new QPlainTextEdit(this);
    place(Text1, 120, 60, 1935, 1815);
    Text1->setToolTip(QStringLiteral("Type your desktop note here."));
    Text1->setFont(noteFont());

    Command1 = new QPushButton(QStringLiteral("Rename Text"), this);
    place(Command1, 495, 1920, 1215, 255);
    Command1->setToolTip(QStringLiteral("Click here to apply the rename of your desktop note."));
    Command2 = new QPushButton(QStringLiteral("Options"), this);
    place(Command2, 495, 2280, 1215, 255);
    Command2->setToolTip(QStringLiteral("Click here to view your desktop note options."));

    // Tab leaves the note for the buttons rather than typing a tab into it.
    Text1->setTabChangesFocus(true);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);

    connect(Text1, &QPlainTextEdit::textChanged, this, &Form2::Form2_Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Form2_Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Form2_Command2_Click);

    placeClientTwips(6570, 4755);
}

void Form2::onLoad()
{
    // The text box is bound to the stored note.
    Text1->setPlainText(fields::toText(Data1.Field(fields::Note), fields::defaultNote));
}

void Form2::onUnload()
{
    Form2_Form_Unload();
}

void Form2::Form2_Text1_Change()
{
    const bool hasText = !Text1->toPlainText().isEmpty();
    Command1->setEnabled(hasText);
    Command2->setEnabled(hasText);
}

void Form2::Form2_Command1_Click()
{
    Data1.write({{fields::Note, Text1->toPlainText()}});
    m_forms.form1->Label1->setCaption(Text1->toPlainText());
    unload();
}

void Form2::Form2_Command2_Click()
{
    Form3 *options = m_forms.form3.get();
    options->setSwatchColor(fields::toColor(Data1.Field(fields::TextColor)));
    if (fields::isTrue(Data1.Field(fields::StartAni)))
        options->Check1->setChecked(true);
    if (fields::isTrue(Data1.Field(fields::CloseAni)))
        options->Check2->setChecked(true);
    options->showModeless();
}

void Form2::Form2_Form_Unload()
{
    m_forms.form3.unload();
}
