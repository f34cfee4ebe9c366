// SPDX-License-Identifier: MIT
#include "display.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMargins>
#include <QRegion>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QThread>
#include <QVector>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/shape.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    auto cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t a = reply->atom;
    free(reply);
    return a;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    return it.rem ? it.data->root : xcb_window_t(XCB_WINDOW_NONE);
}

bool hasOwner(xcb_connection_t *c, xcb_atom_t selection)
{
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    free(reply);
    return owned;
}

xcb_window_t liveId(QWidget *window)
{
    // Changing a shown window's flags recreates its native window; the
    // handle knows the live one.
    QWindow *handle = window ? window->windowHandle() : nullptr;
    return handle ? xcb_window_t(handle->winId()) : xcb_window_t(XCB_WINDOW_NONE);
}

// How long the first show of a placed window waits for the window
// manager to tell the size of the frame it will draw.
constexpr int frameExtentsWaitMs = 500;

// The 32-bit values of a window's property; empty when it is unset.
QList<quint32> values32(xcb_connection_t *c, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type)
{
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

// A window no one draws, carrying a copy of every property of `from`.
xcb_window_t standIn(xcb_connection_t *c, xcb_window_t root, xcb_window_t from)
{
    const xcb_window_t copy = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, copy, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_list_properties_reply_t *list =
        xcb_list_properties_reply(c, xcb_list_properties(c, from), nullptr);
    const int count = list ? xcb_list_properties_atoms_length(list) : 0;
    const xcb_atom_t *names = list ? xcb_list_properties_atoms(list) : nullptr;
    QList<xcb_get_property_cookie_t> asked;
    for (int i = 0; i < count; ++i)
        asked.append(xcb_get_property(c, 0, from, names[i], XCB_GET_PROPERTY_TYPE_ANY, 0, 65536));
    for (int i = 0; i < count; ++i) {
        xcb_get_property_reply_t *p = xcb_get_property_reply(c, asked[i], nullptr);
        if (p && p->type != XCB_ATOM_NONE)
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, copy, names[i], p->type, p->format,
                                p->value_len, xcb_get_property_value(p));
        std::free(p);
    }
    std::free(list);
    return copy;
}

// Sends a window manager's message about `window` to the root window.
void sendToRoot(xcb_connection_t *c, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                std::initializer_list<uint32_t> data)
{
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = window;
    ev.type = type;
    std::copy(data.begin(), data.end(), ev.data.data32);
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ev));
    xcb_flush(c);
}

} // namespace

namespace display {

void setSkipTaskbar(QWidget *window)
{
    xcb_connection_t *c = connection();
    const xcb_window_t id = liveId(window);
    if (!c || id == XCB_WINDOW_NONE)
        return;
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    // Before the window is mapped the property is ours to set; Qt merges
    // it with the states it sets when it maps the window.
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);

    // Once mapped, only the window manager changes the state: ask it to
    // add (1) the state, for an ordinary application (1).
    sendToRoot(c, rootOf(c), id, state, {1, uint32_t(skip), 0, 1});
}

void flush()
{
    if (xcb_connection_t *c = connection())
        xcb_flush(c);
}

void paintNow(QWidget *window)
{
    if (window && window->isVisible()) {
        // A window shown inside the running handler has not had its expose
        // event yet, and Qt discards painting until then: the steps would
        // show an empty window. The server draws what we send as soon as
        // the window manager has mapped it, so paint all the same.
        if (!window->testAttribute(Qt::WA_Mapped))
            window->setAttribute(Qt::WA_Mapped);
        window->repaint();
    }
    flush();
}

void setShape(QWidget *window, const QRegion &region, bool clip)
{
    if (clip)
        window->setMask(region);
    else if (!window->mask().isEmpty())
        window->clearMask();

    // Qt shapes only what a window shows; where it may show through, the
    // input shape keeps clicks on the empty parts for the windows below.
    xcb_connection_t *c = connection();
    const xcb_window_t id = liveId(window);
    if (!c || id == XCB_WINDOW_NONE)
        return;
    const qreal ratio = window->devicePixelRatioF();
    QVector<xcb_rectangle_t> rects;
    for (const QRect &r : region) {
        const QRect d(
            QPoint(qFloor(r.left() * ratio), qFloor(r.top() * ratio)),
            QPoint(qCeil((r.right() + 1) * ratio) - 1, qCeil((r.bottom() + 1) * ratio) - 1));
        rects.append({int16_t(d.x()), int16_t(d.y()), uint16_t(d.width()), uint16_t(d.height())});
    }
    xcb_shape_rectangles(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED, id, 0,
                         0, uint32_t(rects.size()), rects.constData());
    xcb_flush(c);
}

std::optional<QMargins> frameExtentsBeforeMapping(QWindow *handle)
{
    xcb_connection_t *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_window_t root = rootOf(c);
    // A window manager that left may have left its properties behind: the
    // check window names itself only while its manager runs.
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const QList<quint32> wm = values32(c, root, check, XCB_ATOM_WINDOW);
    if (wm.isEmpty() || values32(c, wm.first(), check, XCB_ATOM_WINDOW) != wm)
        return std::nullopt;
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!values32(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM).contains(request))
        return std::nullopt;

    // The window manager may answer with a configure notice that places
    // the window at the frame's offset, as if framed at the screen's
    // corner. Qt would take that place for true and send it with the next
    // resize; a stand-in with the same properties gets the same frame and
    // keeps the notice from Qt.
    const xcb_window_t asked = standIn(c, root, xcb_window_t(handle->winId()));
    sendToRoot(c, root, asked, request, {});

    // Qt reads the display's events on its own; asking again and again
    // leaves them to it.
    const xcb_atom_t extents = atom(c, "_NET_FRAME_EXTENTS");
    QElapsedTimer waited;
    waited.start();
    QList<quint32> e; // left, right, top, bottom
    while ((e = values32(c, asked, extents, XCB_ATOM_CARDINAL)).size() != 4 &&
           waited.elapsed() < frameExtentsWaitMs)
        QThread::usleep(500);
    xcb_destroy_window(c, asked);
    xcb_flush(c);
    if (e.size() != 4)
        return std::nullopt;
    const qreal ratio = handle->devicePixelRatio();
    return QMargins(qRound(e[0] / ratio), qRound(e[2] / ratio), qRound(e[1] / ratio),
                    qRound(e[3] / ratio));
}

bool onXWayland()
{
    // XWayland names its outputs after itself; no other X server does.
    if (!connection())
        return false;
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [](const QScreen *screen) {
        return screen->name().startsWith(QLatin1String("XWAYLAND"));
    });
}

// Hears the display server tell that the owner of the compositing
// manager's or the notification area's selection changed.
class DesktopFilter : public QAbstractNativeEventFilter {
public:
    DesktopFilter(Desktop &desktop, xcb_connection_t *c) : m_desktop(desktop), m_c(c)
    {
        m_cm = atom(c, "_NET_WM_CM_S0");
        m_tray = atom(c, "_NET_SYSTEM_TRAY_S0");
        const xcb_query_extension_reply_t *xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
        if (xfixes && xfixes->present) {
            m_firstEvent = xfixes->first_event;
            // The extension must be told which version the client speaks;
            // Qt has done so on this connection, once more does no harm.
            free(xcb_xfixes_query_version_reply(
                c, xcb_xfixes_query_version(c, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION),
                nullptr));
            const uint32_t mask = XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                  XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE;
            for (xcb_atom_t selection : {m_cm, m_tray})
                xcb_xfixes_select_selection_input(c, rootOf(c), selection, mask);
        }
        refresh();
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (m_firstEvent < 0 || type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != m_firstEvent + XCB_XFIXES_SELECTION_NOTIFY)
            return false;
        const auto *notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t *>(event);
        if (notify->selection == m_cm || notify->selection == m_tray)
            refresh();
        return false;
    }

private:
    void refresh() { m_desktop.update(hasOwner(m_c, m_cm), hasOwner(m_c, m_tray)); }

    Desktop &m_desktop;
    xcb_connection_t *m_c;
    xcb_atom_t m_cm = XCB_ATOM_NONE;
    xcb_atom_t m_tray = XCB_ATOM_NONE;
    int m_firstEvent = -1;
};

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
// A busy watcher may keep the answer back; asked again at its next notice.
constexpr int hostsAnswerMs = 1000;

QDBusMessage askHostRegistered()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << watcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    return get;
}

bool hostRegistered(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

} // namespace

bool displayReachable(QString *why)
{
    // Only Qt's X11 platform is ours to check; another reports for itself.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    const QString name = qEnvironmentVariable("DISPLAY");
    if (reached)
        return true;
    if (!name.isEmpty())
        *why = QCoreApplication::translate("Display", "cannot open the display \"%1\"").arg(name);
    else if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        *why = QCoreApplication::translate(
            "Display", "no X11 display to show the widget on: WAYLAND_DISPLAY is set but DISPLAY "
                       "is not (on Wayland the widget needs XWayland)");
    else
        *why = QCoreApplication::translate(
            "Display",
            "no display to show the widget on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    return false;
}

Desktop &Desktop::instance()
{
    static Desktop *desktop = new Desktop; // lives as long as the application
    return *desktop;
}

Desktop::Desktop() : QObject(qApp)
{
    watchHosts();
    if (xcb_connection_t *c = connection()) {
        auto *filter = new DesktopFilter(*this, c);
        qApp->installNativeEventFilter(filter);
        connect(qApp, &QObject::destroyed, this, [filter] { delete filter; });
    } else {
        // Elsewhere translucency is the platform's business, and Qt knows
        // about the tray.
        m_xembedTray = QSystemTrayIcon::isSystemTrayAvailable();
        updateTray();
    }
}

void Desktop::watchHosts()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // The watcher tells when a host comes or goes; a watcher that goes
    // takes its hosts along.
    auto *owner = new QDBusServiceWatcher(watcherService, bus,
                                          QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(owner, &QDBusServiceWatcher::serviceOwnerChanged, this, &Desktop::askHosts);
    for (const QString &signal : {QStringLiteral("StatusNotifierHostRegistered"),
                                  QStringLiteral("StatusNotifierHostUnregistered")})
        bus.connect(QString(), watcherPath, watcherService, signal, this, SLOT(askHosts()));
    // Qt makes its icon a StatusNotifierItem when the watcher has a host as
    // the icon is made, which is now (Qt 6.4 asks once, for good).
    m_hostRunning = hostRegistered(bus.call(askHostRegistered(), QDBus::Block, hostsAnswerMs));
    m_iconIsItem = m_hostRunning;
}

void Desktop::askHosts()
{
    auto *call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(askHostRegistered(), hostsAnswerMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *c) {
        c->deleteLater();
        setHostRunning(hostRegistered(c->reply()));
    });
}

void Desktop::update(bool compositing, bool xembedTray)
{
    const bool compositingChanges = compositing != m_compositing;
    m_compositing = compositing;
    m_xembedTray = xembedTray;
    if (compositingChanges)
        emit compositingChanged(compositing);
    updateTray();
}

void Desktop::setHostRunning(bool running)
{
    m_hostRunning = running;
    updateTray();
}

void Desktop::updateTray()
{
    const bool tray = m_iconIsItem ? m_hostRunning : m_xembedTray;
    const bool otherOnly = !tray && (m_iconIsItem ? m_xembedTray : m_hostRunning);
    if (tray == m_tray && otherOnly == m_otherTrayOnly)
        return;
    m_tray = tray;
    m_otherTrayOnly = otherOnly;
    emit trayChanged(tray); // also when only the kind of the absent one changed
}

} // namespace display
