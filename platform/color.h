// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Colours are kept as 32-bit integers 0x00BBGGRR, low byte red.
namespace color {

inline QColor toQColor(quint32 bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}

inline quint32 fromQColor(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

// Gives a label or a text box its text colour.
inline void setTextColor(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, toQColor(bgr));
    p.setColor(QPalette::Text, toQColor(bgr));
    w->setPalette(p);
}

} // namespace color
