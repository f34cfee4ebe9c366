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

// Whether the X server is XWayland, serving a Wayland compositor. The
// compositor, not an X window manager, then decides focus and placement.
bool onXWayland();

// Whether the program can reach the display Qt is to use. When it cannot,
// `why` tells so in one line (Qt itself would abort).
bool displayReachable(QString *why);

// Whether a compositing manager and a notification area run, followed
// through the display server's and the session bus's notices rather than
// asked for each time. A notification area is either an XEmbed tray (the
// display server's selection) or a StatusNotifierItem host (registered
// with the watcher on the session bus).
class Desktop : public QObject {
    Q_OBJECT

public:
    // The one desktop the program runs on.
    static Desktop &instance();

    bool isCompositing() const { return m_compositing; }
    // Whether the notification area the tray icon can use runs.
    bool hasTray() const { return m_tray; }
    // Whether a notification area runs, but only of the other kind: Qt
    // chooses the kind of its tray icon once, when the program starts
    // (a StatusNotifierItem when a host runs then, else an XEmbed icon).
    bool hasOtherTrayOnly() const { return m_otherTrayOnly; }

signals:
    void compositingChanged(bool compositing);
    void trayChanged(bool available);

private slots:
    void askHosts();

private:
    Desktop();
    void watchHosts();
    void update(bool compositing, bool xembedTray);
    void setHostRunning(bool running);
    void updateTray();
    friend class DesktopFilter;

    bool m_compositing = true;
    bool m_tray = false;
    bool m_otherTrayOnly = false;
    bool m_xembedTray = false;
    bool m_hostRunning = false;
    bool m_iconIsItem = false; // the icon is a StatusNotifierItem
};

} // namespace display
