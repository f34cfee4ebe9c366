// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form.h"

class Forms;
class QScrollBar;

// Never shown: holds the height holder, whose every value change becomes
// the main window's height.
class Form5 : public Form {
    Q_OBJECT

public:
    explicit Form5(Forms &forms);

    int holder() const;
    int holderMaximum() const;
    // Giving the holder the value it holds changes nothing.
    void setHolder(int twips);
    void setHolderMaximum(int twips);

private:
    void Form5_VScroll1_Change();

    Forms &m_forms;
    QScrollBar *VScroll1;
};
