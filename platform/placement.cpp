// SPDX-License-Identifier: MIT
#include "placement.h"

#include "display.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace placement {

namespace {

// Screens come and go while the program runs (a laptop leaves its monitor
// behind). One timer, started again by every change, tells the windows
// once the screens have settled.
QElapsedTimer sinceScreensChanged;

QTimer *screensSettled()
{
    static QPointer<QTimer> settled;
    if (settled)
        return settled;
    settled = new QTimer(qApp);
    settled->setSingleShot(true);
    settled->setInterval(50);
    const auto changed = [] {
        sinceScreensChanged.start();
        settled->start();
    };
    const auto watch = [changed](QScreen *screen) {
        QObject::connect(screen, &QScreen::geometryChanged, settled, changed);
        QObject::connect(screen, &QScreen::availableGeometryChanged, settled, changed);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, settled,
                     [watch, changed](QScreen *screen) {
                         watch(screen);
                         changed();
                     });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, settled, changed);
    return settled;
}

// The frame the window manager draws around the window, or will draw once
// it is mapped.
QMargins frameOf(QWidget *window)
{
    window->winId(); // the native window, whose properties decide the frame
    QWindow *handle = window->windowHandle();
    if (!handle)
        return {};
    const QMargins frame = handle->frameMargins();
    if (!frame.isNull())
        return frame;
    return display::frameExtentsBeforeMapping(handle).value_or(QMargins());
}

// What `screen` holds of the window's client area, the frame drawn around it.
QSize roomOn(QWidget *window, const QScreen *screen)
{
    return screen->availableGeometry().marginsRemoved(frameOf(window)).size();
}

} // namespace

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

void keepOnScreen(QWidget *window)
{
    if (!window->isVisible())
        return;
    if (const std::optional<QPoint> place = keptOnScreen(window->frameGeometry()))
        window->move(*place);
}

void whenScreensChange(QWidget *window, const std::function<void()> &keep)
{
    QObject::connect(screensSettled(), &QTimer::timeout, window, keep);
}

bool screensChangedWithin(int ms)
{
    screensSettled();
    return sinceScreensChanged.isValid() && !sinceScreensChanged.hasExpired(ms);
}

void openOn(QWidget *window, QPoint client, const QScreen *screen)
{
    const QMargins frame = frameOf(window);
    QRect outer = QRect(client, window->size()).marginsAdded(frame);
    if (screen)
        outer.moveTopLeft(fitInto(outer, screen->availableGeometry()));
    window->setGeometry(outer.marginsRemoved(frame));
}

void fitSizeOnScreen(QWidget *window, const QScreen *screen)
{
    if (!screen)
        return;
    window->resize(
        window->size().boundedTo(roomOn(window, screen)).expandedTo(window->minimumSizeHint()));
}

void fitLayoutOnScreen(QDialog *dialog, const QScreen *screen)
{
    auto *layout = qobject_cast<QBoxLayout *>(dialog->layout());
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    if (!screen || !layout || !buttons)
        return; // not laid out by Qt's widgets: a dialog of the desktop's own
    dialog->ensurePolished();
    const QSize wanted = dialog->sizeHint();
    const QSize room = roomOn(dialog, screen);
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        return;
    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(QMargins());
    for (int i = 0; i < layout->count();) {
        if (layout->itemAt(i)->widget() == buttons) {
            ++i;
            continue;
        }
        QLayoutItem *item = layout->takeAt(i);
        if (QLayout *inner = item->layout()) {
            pageLayout->addLayout(inner); // its widgets move onto the page
        } else if (QWidget *widget = item->widget()) {
            delete item;
            pageLayout->addWidget(widget);
        } else {
            pageLayout->addItem(item);
        }
    }
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    layout->insertWidget(0, scroll);
    // The scroll area would ask for a size of its own; the dialog takes what
    // its contents want, a scroll bar beside and below them, as far as the
    // screen holds it.
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    dialog->setFixedSize((wanted + QSize(bar, bar)).boundedTo(room));
}

QScreen *screenOf(const QWidget *window)
{
    QScreen *screen =
        window ? QGuiApplication::screenAt(window->frameGeometry().center()) : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace placement
