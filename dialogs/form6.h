#pragma once

#include "platform/form.h"

class Forms;

// "Transparency Settings": switches the main window's transparency and
// chooses its level.
class Form6 : public Form {
    Q_OBJECT

public:
    explicit Form6(Forms &forms);

private:
    Forms &m_forms;
};
