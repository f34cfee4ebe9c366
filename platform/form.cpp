// SPDX-License-Identifier: MIT
#include "form.h"

#include "display.h"
#include "fitting.h"
#include "placement.h"
#include "twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QKeyEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <utility>

namespace {

// Where a control's designed rectangle (twips) is kept.
const char *const designedPlace = "designedPlace";

Qt::WindowFlags formFlags(Qt::WindowType type)
{
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

} // namespace

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, formFlags(display::onXWayland() ? Qt::Dialog : Qt::Tool))
{
    setWindowTitle(caption);
    setFixedSize(twips::toPx(clientWidthTwips), twips::toPx(clientHeightTwips));
    // Tool windows do not end the program on their own; the program ends
    // when its last window is unloaded.
    setAttribute(Qt::WA_QuitOnClose, false);
    placement::whenScreensChange(this, [this] {
        if (!m_unloading)
            keepOnScreen();
    });
}

Form::~Form() = default;

void Form::becomeMainWindow()
{
    if (display::onXWayland())
        setWindowFlags(formFlags(Qt::Window));
}

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

QPoint Form::outerCorner() const
{
    // The window's own account, not pos(): a widget learns of its frame only
    // with its next move or resize, while the window asks the display.
    const QWindow *handle = windowHandle();
    if (!handle)
        return pos();
    QMargins frame = handle->frameMargins();
    if (!frame.isNull())
        m_expectedFrame.reset();
    else if (m_expectedFrame)
        frame = *m_expectedFrame;
    return handle->geometry().topLeft() - QPoint(frame.left(), frame.top());
}

double Form::leftTwips() const
{
    return twips::fromPx(outerCorner().x());
}
double Form::topTwips() const
{
    return twips::fromPx(outerCorner().y());
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
    if (visible && std::exchange(m_dialogFace, false))
        setFont(dialogFont());
    if (visible && !std::exchange(m_laidOut, true))
        layOut();
    if (visible && !isVisible() && m_placement)
        placeBeforeFraming(*std::exchange(m_placement, std::nullopt));
    if (visible && !isVisible() && m_designedClient)
        openOnHomeScreen();
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
    const std::optional<QMargins> frame = display::frameExtentsBeforeMapping(handle);
    if (!frame || frame->isNull())
        return; // no frame: the outer corner is the client area's
    const QRect client(corner + QPoint(frame->left(), frame->top()), size());
    setGeometry(client);
    // The request goes out now, ahead of any other that could make the
    // display server report the window's place: the first place reported
    // is already the true one.
    handle->setGeometry(client);
    m_framingPlace = client.topLeft();
    m_expectedFrame = frame;
}

void Form::placeClientTwips(double left, double top)
{
    m_designedClient = QPoint(twips::toPx(left), twips::toPx(top));
    setGeometry(QRect(*m_designedClient, size()));
}

// The designed places were made for one screen of a given size at 96 dpi.
// On a smaller or scaled screen, or with the main window on another one, a
// dialog opens as near its designed place as lets all of it, frame
// included, show on the main window's screen.
void Form::openOnHomeScreen()
{
    placement::openOn(this, *m_designedClient, placement::screenOf(m_home));
}

void Form::keepOnScreen()
{
    placement::keepOnScreen(this);
}

void Form::place(QWidget *control, int left, int top, int width, int height)
{
    control->setProperty(designedPlace, QRect(left, top, width, height));
    control->setGeometry(twips::toPx(left), twips::toPx(top), twips::toPx(width),
                         twips::toPx(height));
}

void Form::layOut()
{
    const QList<QWidget *> controls = findChildren<QWidget *>();
    if (!m_keepsDesign) {
        for (QWidget *control : controls) {
            if (control->property(designedPlace).isValid() && !control->isHidden())
                m_stretch =
                    std::max(m_stretch, fitting::widthNeeded(control) / double(control->width()));
        }
    }
    if (m_stretch > 1)
        setFixedWidth(int(std::ceil(width() * m_stretch)));
    const bool mirrored = !m_keepsDesign && layoutDirection() == Qt::RightToLeft;
    // Parents come before their children: a frame is in place before what it holds.
    for (QWidget *control : controls) {
        const QVariant designed = control->property(designedPlace);
        if (!designed.isValid())
            continue;
        const QRect twips = designed.toRect();
        QRect px(int(std::lround(twips::toPx(twips.left()) * m_stretch)), twips::toPx(twips.top()),
                 int(std::lround(twips::toPx(twips.width()) * m_stretch)),
                 twips::toPx(twips.height()));
        if (mirrored && control->parentWidget())
            px.moveLeft(control->parentWidget()->width() - px.right() - 1);
        control->setGeometry(px);
    }
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

QPixmap Form::picture(const QString &path, qreal ratio)
{
    const auto read = [](const QString &file) {
        QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    };
    const QFileInfo info(path);
    if (ratio > 1) {
        QPixmap sharp = read(info.path() + QLatin1Char('/') + info.completeBaseName() +
                             QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return read(path);
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

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button &&
        button->isEnabled() && !qobject_cast<QCheckBox *>(button)) {
        button->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
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
