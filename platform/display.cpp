#include "display.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstring>

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

} // namespace

namespace display {

void setSkipTaskbar(QWidget *window)
{
    xcb_connection_t *c = connection();
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!c || !handle)
        return;
    const auto id = xcb_window_t(handle->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE)
        return;

    // Before the window is mapped the property is ours to set; Qt merges
    // it with the states it sets when it maps the window.
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);

    // Once mapped, only the window manager changes the state: ask it.
    xcb_client_message_event_t ev;
    std::memset(&ev, 0, sizeof ev);
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = id;
    ev.type = state;
    ev.data.data32[0] = 1; // _NET_WM_STATE_ADD
    ev.data.data32[1] = uint32_t(skip);
    ev.data.data32[3] = 1; // source: an ordinary application
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ev));
    xcb_flush(c);
}

bool isCompositing()
{
    xcb_connection_t *c = connection();
    if (!c)
        return true;
    const xcb_atom_t manager = atom(c, "_NET_WM_CM_S0");
    if (manager == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, manager), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    free(reply);
    return owned;
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

} // namespace display
