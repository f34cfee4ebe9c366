// SPDX-License-Identifier: MIT
#include "placement.h"

#include "display.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace placement {

QPoint fitInto(const QRect &outer, const QRect &area)
{
    // Right and bottom first: a window too large for the area then gives up
    // its far edges rather than its caption bar.
    const int left = qMax(area.left(), qMin(outer.left(), area.right() + 1 - outer.width()));
    const int top = qMax(area.top(), qMin(outer.top(), area.bottom() + 1 - outer.height()));
    return QPoint(left, top);
}

std::optional<QPoint> keptOnScreen(const QRect &outer)
{
    const QPoint caption = outer.topLeft() + QPoint(outer.width() / 2, 10);
    const QScreen *nearest = nullptr;
    int best = INT_MAX;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const QRect shown = outer.intersected(area);
        if (area.contains(caption) && shown.width() * 2 >= outer.width() &&
            shown.height() * 2 >= outer.height())
            return std::nullopt;
        const QPoint nearestPoint(qBound(area.left(), caption.x(), area.right()),
                                  qBound(area.top(), caption.y(), area.bottom()));
        const int distance = (nearestPoint - caption).manhattanLength();
        if (distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    if (!nearest)
        return std::nullopt;
    return fitInto(outer, nearest->availableGeometry());
}

void fitSizeOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    window->winId(); // the native window, whose properties decide the frame
    if (!screen || !window->windowHandle())
        return;
    const QMargins frame =
        display::frameExtentsBeforeMapping(window->windowHandle()).value_or(QMargins());
    const QSize room = screen->availableGeometry().marginsRemoved(frame).size();
    window->resize(window->size().boundedTo(room).expandedTo(window->minimumSizeHint()));
}

QScreen *screenOf(const QWidget *window)
{
    QScreen *screen =
        window ? QGuiApplication::screenAt(window->frameGeometry().center()) : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace placement
