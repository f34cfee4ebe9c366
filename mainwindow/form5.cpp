#include "form5.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"

#include <QScrollBar>

Form5::Form5(Forms &forms) : Form(QStringLiteral("Form5"), 1200, 1200), m_forms(forms)
{
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setRange(0, 32767);
    VScroll1->setValue(0);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::Form5_VScroll1_Change);
}

void Form5::Form5_VScroll1_Change()
{
    m_forms.form1->setOuterHeightTwips(float(VScroll1->value()));
}
