#pragma once

#include "platform/form.h"
#include "platform/label.h"

#include <QCheckBox>
#include <QFrame>
#include <QScrollBar>

class Forms;

// "Transparency Settings": switches the main window's transparency and
// chooses its level.
class Form6 : public Form {
    Q_OBJECT

public:
    explicit Form6(Forms &forms);

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

    static constexpr int heightOn = 2025;  // shows the percentage row
    static constexpr int heightOff = 1770; // the designed height

    // The percentage shown for a level from 0 to 255.
    static int percentOf(int level);

    void Form6_chkTrans_Click();
    void Form6_sclTrans_Change();
    void Form6_lblTransLevel_Change();

protected:
    void onLoad() override;

private:
    void Form6_Form_Load();
    void setMainWindowLevel(int level);

    Forms &m_forms;
};
