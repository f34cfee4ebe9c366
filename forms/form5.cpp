// SPDX-License-Identifier: MIT
#include "form5.h"

#include "forms/form1.h"
#include "forms/forms.h"

#include <QScrollBar>

Form5::Form5(Forms &forms) : Form(QStringLiteral("Form5"), 1200, 1200), m_forms(forms)
{
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setRange(0, 32767);
    VScroll1->setValue(0);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::Form5_VScroll1_Change);
}

int Form5::holder() const
{
    return VScroll1->value();
}

int Form5::holderMaximum() const
{
    return VScroll1->maximum();
}

void Form5::setHolder(int twips)
{
    VScroll1->setValue(twips);
}

void Form5::setHolderMaximum(int twips)
{
    VScroll1->setMaximum(twips);
}

void Form5::Form5_VScroll1_Change()
{
    m_forms.form1->setOuterHeightTwips(float(VScroll1->value()));
}
