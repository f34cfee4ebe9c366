// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"
#include "store/fields.h"

class Forms;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Settings": the opening and closing animations and the note's colour.
class Form3 : public Form {
    Q_OBJECT

public:
    explicit Form3(Forms &forms);

protected:
    void onLoad() override;

private:
    void Form3_Form_Load();
    void Form3_Check1_Click();
    void Form3_Check2_Click();
    void Form3_Command3_Click();
    void Form3_Command2_Click();
    void Form3_cmdTransSettings_Click();
    void writeSwitch(QCheckBox *box, const Setting<bool> &field);
    // The colour swatch.
    void applyTextColor(const QColor &c);
    // Checks the boxes of the animations that are on; leaves the others.
    void checkAnimations(bool opening, bool closing);

    Forms &m_forms;
    QColor m_swatch;

    QGroupBox *Frame2;     // "Animation"
    QCheckBox *Check1;     // "Open Animation"
    QCheckBox *Check2;     // "Close Animation"
    QPushButton *Command2; // "Speech Settings"
    QPushButton *Command3; // "Change Text Color"
    QGroupBox *Frame1;     // "Current Text Color"
    QPushButton *cmdTransSettings;
    QLabel *Shape1; // the colour swatch
    QLabel *Image1; // the loudspeaker
};
