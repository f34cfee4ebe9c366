#include "form4.h"

#include "mainwindow/forms.h"

Form4::Form4(Forms &forms) : Form(QStringLiteral("Speech Settings"), 2325, 2055), m_forms(forms)
{
}
