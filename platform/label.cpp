#include "label.h"

#include "color.h"

#include <QMouseEvent>
#include <QPainter>

Label::Label(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setMouseTracking(true);
}

void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    emit Change();
}

void Label::setTextColor(quint32 bgr)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color::toQColor(bgr));
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit Click();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (m_elide == Qt::ElideNone ||
        fontMetrics().horizontalAdvance(text()) <= contentsRect().width())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    painter.drawText(area, int(alignment()),
                     fontMetrics().elidedText(text(), m_elide, area.width()));
}
