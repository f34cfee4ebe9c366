// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <QMargins>

#include <optional>

class QRegion;
class QWidget;
class QWindow;

// The few things the program needs from the display server beyond Qt.
// Everything here does nothing where the display is not X11.
namespace display {

// Keeps a top-level window out of the task bar. Qt marks tool windows as
// utility windows but does not ask for this state.
void setSkipTaskbar(QWidget *window);

// Sends every queued request to the display server without processing
// any event, so that a change made inside a running handler is seen.
void flush();

// Paints the window now and flushes: one visible step of an animation.
void paintNow(QWidget *window);

// Lets the window take mouse input only inside `region` (window
// coordinates). With `clip` it also shows only that region, for desktops
// where a transparent background would show black.
void setShape(QWidget *window, const QRegion &region, bool clip);

// The frame the window manager will draw around the window once it is
// mapped, asked for before mapping it, in the window's logical pixels.
// Empty where the display is not X11, or no window manager runs that
// answers in time.
std::optional<QMargins> frameExtentsBeforeMapping(QWindow *handle);

// Whether a compositing manager and a notification area run, followed
// through the display server's notices rather than asked for each time.
class Desktop : public QObject {
    Q_OBJECT

public:
    // The one desktop the program runs on.
    static Desktop &instance();

    bool isCompositing() const { return m_compositing; }
    bool hasTray() const { return m_tray; }

signals:
    void compositingChanged(bool compositing);
    void trayChanged(bool available);

private:
    Desktop();
    void update(bool compositing, bool tray);
    friend class DesktopFilter;

    bool m_compositing = true;
    bool m_tray = false;
};

} // namespace display
