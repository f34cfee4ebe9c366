// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

class Forms;
class Label;
class QCheckBox;
class QFrame;
class QScrollBar;

// "Transparency Settings": switches the main window's transparency and
// chooses its level.
class Form6 : public Form {
    Q_OBJECT

public:
    explicit Form6(Forms &forms);

protected:
    void onLoad() override;
    void layOut() override;

private:
    void Form6_Form_Load();
    void Form6_chkTrans_Click();
    void Form6_sclTrans_Change();
    void Form6_lblTransLevel_Change();

    Forms &m_forms;

    QCheckBox *chkTrans;
    QFrame *Line1;
    Label *lblNoVis;
    Label *lblVis;
    QScrollBar *sclTrans;
    // The level as decimal text. Whatever changes the level sets this
    // caption; its change handler alone stores and applies the level.
    Label *lblTransLevel;
    Label *Label1;
    Label *lblPrecent;
};
