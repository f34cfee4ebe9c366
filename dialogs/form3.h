#pragma once

#include "platform/form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

class Forms;

// "Settings": the opening and closing animations and the note's colour.
class Form3 : public Form {
    Q_OBJECT

public:
    explicit Form3(Forms &forms);

    QGroupBox *Frame2;     // "Animation"
    QCheckBox *Check1;     // "Open Animation"
    QCheckBox *Check2;     // "Close Animation"
    QPushButton *Command2; // "Speech Settings"
    QPushButton *Command3; // "Change Text Color"
    QGroupBox *Frame1;     // "Current Text Color"
    QPushButton *cmdTransSettings;
    QLabel *Shape1; // the colour swatch
    QLabel *Image1; // the loudspeaker

    quint32 swatchColor() const { return m_swatch; }
    void setSwatchColor(quint32 bgr);

    void Form3_Check1_Click();
    void Form3_Check2_Click();
    void Form3_Command3_Click();
    void Form3_Command2_Click();
    void Form3_cmdTransSettings_Click();

protected:
    void onLoad() override;

private:
    void Form3_Form_Load();
    void writeSwitch(QCheckBox *box, const QString &field);

    Forms &m_forms;
    quint32 m_swatch = 0;
};
