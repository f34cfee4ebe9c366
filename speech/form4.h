#pragma once

#include "platform/form.h"
#include "platform/label.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

class Forms;

// "Speech Settings": speech on or off, the character, reading on start.
class Form4 : public Form {
    Q_OBJECT

public:
    explicit Form4(Forms &forms);

    QCheckBox *Check1; // "Enable Speech"
    QFrame *Line1;
    QPushButton *Command1; // "Load Agent"
    Label *Label1;         // "Agent Name:"
    Label *Label2;         // the chosen character file, or "None"
    QCheckBox *Read;       // "Read notes on startup"

    // The file dialog's settings.
    QString CommonDialog1Filter;

    static const QString restartMessage;

    void Form4_Check1_Click();
    void Form4_Read_Click();
    void Form4_Command1_Click();

protected:
    void onLoad() override;

private:
    void Form4_Form_Load();

    Forms &m_forms;
};
