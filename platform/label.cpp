// SPDX-License-Identifier: MIT
#include "label.h"

#include <QAccessible>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

Label::Label(const QString &caption, QWidget *parent) : QLabel(caption, parent), m_caption(caption)
{
    setMouseTracking(true);
}

bool Label::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::Click));
}

void Label::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    const QString old = std::exchange(m_caption, caption);
    setText(m_shown < 0 ? caption : caption.left(m_shown));
    fitCaption();
    // Screen readers and braille displays showing the caption follow it.
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, old, caption);
        QAccessible::updateAccessibility(&event);
    }
    emit Change();
}

void Label::setElideMode(Qt::TextElideMode mode)
{
    m_elide = mode;
    update();
}

void Label::setShownLength(int characters)
{
    m_shown = characters;
    setText(m_shown < 0 ? m_caption : m_caption.left(m_shown));
}

void Label::setShrinkToFit(qreal smallestPoints)
{
    m_smallest = smallestPoints;
    m_face = font();
    fitCaption();
}

void Label::fitCaption()
{
    if (m_smallest <= 0 || m_fitting)
        return;
    // Measuring reads the fonts: a label not on screen yet is measured when
    // it first paints, so that a window shows without waiting for them.
    m_fitPending = !isVisible();
    if (m_fitPending)
        return;
    const QRect area = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    auto fits = [&](const QFont &f) {
        const QFontMetricsF metrics(f);
        if (metrics.horizontalAdvance(text()) <= area.width())
            return true;
        // A second line where the label is tall enough for it.
        const QRectF needed = metrics.boundingRect(QRectF(area), flags | Qt::TextWordWrap, text());
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    QFont face = m_face;
    while (!fits(face) && face.pointSizeF() - 0.25 >= m_smallest)
        face.setPointSizeF(face.pointSizeF() - 0.25);
    if (face != font()) {
        m_fitting = true;
        setFont(face);
        setWordWrap(QFontMetricsF(face).horizontalAdvance(text()) > area.width());
        m_fitting = false;
    }
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_fitting && m_smallest > 0)
        setShrinkToFit(m_smallest);
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
    emit MouseMove();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (m_fitPending)
        fitCaption();
    if (m_elide == Qt::ElideNone ||
        fontMetrics().horizontalAdvance(text()) <= contentsRect().width())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    painter.drawText(area, int(alignment()),
                     fontMetrics().elidedText(text(), m_elide, area.width()));
}
