#include "form.h"

#include "display.h"
#include "twips.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// How long the first show of a placed window waits for the window
// manager to tell the size of the frame it will draw.
constexpr int frameExtentsWaitMs = 500;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

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

// The frame the window manager will draw around the window once it is
// mapped, asked for before (_NET_REQUEST_FRAME_EXTENTS), in the window's
// logical pixels. Empty where the display is not X11, or no window
// manager runs that answers this in time.
std::optional<QMargins> frameExtentsBeforeMapping(QWindow *handle)
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
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
    xcb_client_message_event_t ask;
    std::memset(&ask, 0, sizeof ask);
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = asked;
    ask.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&ask));
    xcb_flush(c);

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

} // namespace

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFixedSize(twips::toPx(clientWidthTwips), twips::toPx(clientHeightTwips));
    // Tool windows do not end the program on their own; the program ends
    // when its last window is unloaded.
    setAttribute(Qt::WA_QuitOnClose, false);
}

Form::~Form() = default;

void Form::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    onLoad();
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    onUnload();
    hide();
    emit unloaded();
    deleteLater();
}

void Form::showModeless()
{
    show();
    raise();
    activateWindow();
}

double Form::outerHeightTwips() const
{
    // The window's own height can lag behind: the window manager's notice
    // of an earlier resize may arrive after the next one was asked for.
    if (m_outerHeightTwips >= 0)
        return m_outerHeightTwips;
    return twips::fromPx(height()) + twips::designedFrame;
}

void Form::setOuterHeightTwips(double h)
{
    // X11 cannot show an empty client area: a height of 0 unmaps a mapped
    // window. One pixel is the least we give it.
    m_outerHeightTwips = float(qMax(h, double(twips::designedFrame + twips::perPixel)));
    const int clientPx = twips::toPx(m_outerHeightTwips - twips::designedFrame);
    if (clientPx == minimumHeight() && clientPx == maximumHeight())
        return; // asked for already, whatever height the last notice gave
    keepPlaceWhileFraming(QSize(width(), clientPx));
    setFixedSize(width(), clientPx);
}

void Form::keepPlaceWhileFraming(QSize size)
{
    QWindow *handle = windowHandle();
    if (!m_framingPlace || !handle)
        return;
    if (handle->isExposed()) {
        m_framingPlace.reset(); // framed: Qt has heard the true place
        return;
    }
    // While the window manager frames the window, Qt may take the client
    // area's place from a notice of the reparenting, read while the frame
    // is not yet where it belongs, and send it with the next resize. Setting
    // the place again first (a request the old fixed size holds back) makes
    // the resize carry the true one.
    handle->setGeometry(QRect(*m_framingPlace, size));
}

double Form::leftTwips() const
{
    return twips::fromPx(pos().x());
}
double Form::topTwips() const
{
    return twips::fromPx(pos().y());
}
void Form::setLeftTwips(double left)
{
    move(twips::toPx(left), pos().y());
    m_placement = pos();
}

void Form::setTopTwips(double top)
{
    move(pos().x(), twips::toPx(top));
    m_placement = pos();
}

void Form::setVisible(bool visible)
{
    if (visible && !isVisible() && m_placement)
        placeBeforeFraming(*std::exchange(m_placement, std::nullopt));
    if (!visible)
        m_framingPlace.reset(); // shown again, it is framed where it then is
    QWidget::setVisible(visible);
}

void Form::placeBeforeFraming(QPoint corner)
{
    // Qt asks the window manager for every resize of a window placed by
    // code with the client area's place as Qt last heard it, and with the
    // gravity that takes it as the client area's. Until the window manager's
    // notice of where it framed the window has been processed, that place
    // is the outer corner move() asked for, and a resize then (the opening
    // animation resizes right after showing) puts the client area on that
    // corner, off by the frame. So when the frame is not known yet, the
    // client area is placed instead, by the frame the window manager will
    // draw, before the window is mapped: every request and every notice
    // from then on carries the same, true place.
    winId(); // the native window, whose properties decide the frame
    QWindow *handle = windowHandle();
    if (!handle || !handle->frameMargins().isNull())
        return; // move() placed it by a known frame
    const std::optional<QMargins> frame = frameExtentsBeforeMapping(handle);
    if (!frame || frame->isNull())
        return; // no frame: the outer corner is the client area's
    const QRect client(corner + QPoint(frame->left(), frame->top()), size());
    setGeometry(client);
    // The request goes out now, ahead of any other that could make the
    // display server report the window's place: the first place reported
    // is already the true one.
    handle->setGeometry(client);
    m_framingPlace = client.topLeft();
}

void Form::placeClientTwips(double left, double top)
{
    setGeometry(twips::toPx(left), twips::toPx(top), width(), height());
}

void Form::place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twips::toPx(left), twips::toPx(top), twips::toPx(width),
                         twips::toPx(height));
}

QFont Form::dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    return font;
}

QFont Form::noteFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    return font;
}

QFrame *Form::addLine(QWidget *parent, int x1, int y, int x2)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    place(line, x1, y - twips::perPixel, x2 - x1, 2 * twips::perPixel);
    return line;
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close button unloads the window; unload() hides it itself.
    event->ignore();
    unload();
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    display::setSkipTaskbar(this);
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A tool window has no task-bar entry to come back from, so it is never
    // left minimised, whatever buttons the window manager draws.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            showModeless();
        });
}
