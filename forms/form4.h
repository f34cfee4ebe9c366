// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

class Forms;
class Label;
class QCheckBox;
class QFrame;
class QPushButton;

// "Speech Settings": speech on or off, the character, reading on start.
class Form4 : public Form {
    Q_OBJECT

public:
    explicit Form4(Forms &forms);

protected:
    void onLoad() override;

private:
    void Form4_Form_Load();
    void Form4_Check1_Click();
    void Form4_Read_Click();
    void Form4_Command1_Click();

    Forms &m_forms;

    QCheckBox *Check1; // "Enable Speech"
    QFrame *Line1;
    QPushButton *Command1; // "Load Agent"
    Label *Label1;         // "Agent Name:"
    Label *Label2;         // the chosen character file, or "None"
    QCheckBox *Read;       // "Read notes on startup"
    QString CommonDialog1Filter;
};
