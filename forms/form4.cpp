// SPDX-License-Identifier: MIT
#include "form4.h"

#include "forms/form1.h"
#include "forms/forms.h"
#include "platform/label.h"
#include "platform/prompts.h"
#include "speech/characterpaths.h"

#include <QCheckBox>
#include <QPushButton>

Form4::Form4(Forms &forms) : Form(tr("Speech Settings"), 2325, 2055), m_forms(forms)
{
    useDialogFont();

    Check1 = new QCheckBox(tr("Enable Speech"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    place(Check1, 120, 240, 1455, 255);
    Check1->setToolTip(tr("Check this to enable/disable the speech for Quornel Desktop Notes."));

    Line1 = addLine(this, 0, 720, 2760);

    Command1 = new QPushButton(tr("Load Agent"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    place(Command1, 120, 840, 1215, 375);
    Command1->setToolTip(tr("Click this button to load an Agent the will read your note(s)."));

    Label1 = new Label(tr("Agent Name:"), this);
    place(Label1, 120, 1320, 975, 255);
    Label1->setToolTip(tr("This is the name of you agent."));
    Label2 = new Label(QString(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    place(Label2, 1080, 1320, 1215, 255);
    Label2->setTextFormat(Qt::PlainText);
    // A character's full path rarely fits: its file name matters most.
    Label2->setElideMode(Qt::ElideLeft);

    Read = new QCheckBox(tr("Read notes on startup"), this);
    Read->setObjectName(QStringLiteral("Read"));
    place(Read, 120, 1680, 1935, 255);
    Read->setToolTip(
        tr("Click this if you would like to have Quornel read your notes when he starts up."));

    setTabOrder(Check1, Command1);
    setTabOrder(Command1, Read);

    connect(Check1, &QCheckBox::stateChanged, this, &Form4::Form4_Check1_Click);
    connect(Read, &QCheckBox::stateChanged, this, &Form4::Form4_Read_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Form4_Command1_Click);
    // Another program's change shows as the dialog shows the store when it
    // opens; the dialog's own changes are shown already.
    DataSource &settings = m_forms.settingsRow();
    for (const Setting<bool> *f : {&fields::SpeechEnabled, &fields::ReadOnStart})
        settings.watch(*f, this, [this](bool) { Form4_Form_Load(); });
    settings.watch(fields::AgentName, this, [this](const CharacterChoice &) { Form4_Form_Load(); });
}

void Form4::onLoad()
{
    Form4_Form_Load();
}

void Form4::Form4_Form_Load()
{
    CommonDialog1Filter = tr("Speech Agent Characters|*.qchar");
    const DataSource &settings = m_forms.settingsRow();
    Check1->setCheckState(settings.get(fields::SpeechEnabled) ? Qt::Checked : Qt::Unchecked);
    Label2->setCaption(settings.get(fields::AgentName).text());
    Read->setCheckState(settings.get(fields::ReadOnStart) ? Qt::Checked : Qt::Unchecked);

    if (Check1->checkState() == Qt::Unchecked) {
        Command1->setEnabled(false);
        Read->setEnabled(false);
        Read->setCheckState(Qt::Unchecked);
    }
}

void Form4::Form4_Check1_Click()
{
    DataSource &settings = m_forms.settingsRow();
    if (Check1->checkState() == Qt::Unchecked) {
        // Switching speech off forgets the character.
        settings.write(
            {{fields::SpeechEnabled, false}, {fields::AgentName, CharacterChoice::noneChosen()}});
        Label2->setCaption(CharacterChoice::noneChosen().text());
        Command1->setEnabled(false);
        Read->setEnabled(false);
        Read->setCheckState(Qt::Unchecked);
    } else {
        settings.set(fields::SpeechEnabled, true);
        Command1->setEnabled(true);
        Read->setEnabled(true);
    }
}

void Form4::Form4_Read_Click()
{
    m_forms.settingsRow().set(fields::ReadOnStart, Read->checkState() != Qt::Unchecked);
}

void Form4::Form4_Command1_Click()
{
    const QString file = m_forms.prompts().openFile(CommonDialog1Filter, charactersFolder());
    if (file.isEmpty())
        return;
    Label2->setCaption(file);
    m_forms.settingsRow().set(fields::AgentName, CharacterChoice::file(Label2->caption()));
    // A character already loaded in this run keeps speaking; the new one
    // takes its place at the next start.
    Form1 *main = m_forms.form1.ifLoaded();
    if (main && main->hasLoadedCharacter())
        m_forms.prompts().message(
            tr("You must restart Quornel Desktop Notes in order for the changes to take place."));
}
