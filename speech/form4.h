#pragma once

#include "platform/form.h"

class Forms;

// "Speech Settings": speech on or off, the character, reading on start.
class Form4 : public Form {
    Q_OBJECT

public:
    explicit Form4(Forms &forms);

private:
    Forms &m_forms;
};
