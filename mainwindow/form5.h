#pragma once

#include "platform/form.h"

class Forms;
class QScrollBar;

// Never shown: holds the height holder, whose every value becomes the
// main window's height.
class Form5 : public Form {
    Q_OBJECT

public:
    explicit Form5(Forms &forms);

    QScrollBar *VScroll1;

    void Form5_VScroll1_Change();

private:
    Forms &m_forms;
};
