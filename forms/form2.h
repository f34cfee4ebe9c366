// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"
#include "store/datasource.h"

class Forms;
class QPlainTextEdit;
class QPushButton;

// "Rename Text": edits the note.
class Form2 : public Form {
    Q_OBJECT

public:
    explicit Form2(Forms &forms);

    // Longer notes are shown, not edited, in the dialog.
    static constexpr int longestEditableNote = 2000000;

protected:
    void onLoad() override;
    void onUnload() override;
    void showEvent(QShowEvent *event) override;

private:
    void Form2_Text1_Change();
    void Form2_Command1_Click();
    void Form2_Command2_Click();
    void Form2_Form_Unload();
    void applyTextColor(const QColor &c);

    Forms &m_forms;
    bool m_bound = false;
    QPlainTextEdit *Text1;
    QPushButton *Command1; // "Rename Text"
    QPushButton *Command2; // "Options"
    DataSource Data1;
};
