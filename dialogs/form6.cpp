#include "form6.h"

#include "mainwindow/forms.h"

Form6::Form6(Forms &forms) : Form(QStringLiteral("Transparency Settings"), 4785, 1440), m_forms(forms)
{
}
