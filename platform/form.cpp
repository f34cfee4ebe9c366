#include "form.h"

#include "display.h"
#include "twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

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
    if (m_outerHeightTwips >= 0 &&
        twips::toPx(m_outerHeightTwips - twips::designedFrame) == height())
        return m_outerHeightTwips;
    return twips::fromPx(height()) + twips::designedFrame;
}

void Form::setOuterHeightTwips(double h)
{
    // X11 cannot show an empty client area: a height of 0 unmaps a mapped
    // window. One pixel is the least we give it.
    m_outerHeightTwips = float(qMax(h, double(twips::designedFrame + twips::perPixel)));
    const int clientPx = twips::toPx(m_outerHeightTwips - twips::designedFrame);
    if (clientPx == height())
        return;
    setFixedSize(width(), clientPx);
    // Qt places a resized native window by its client area from then on,
    // taking its last known place for the client's. Until the window manager
    // has framed the window that place is the outer corner we asked for, and
    // the window would land off it by the frame's size (the opening
    // animation resizes right after showing). Until then, keep asking for
    // the outer corner.
    QWindow *handle = windowHandle();
    if (!m_placement || !handle)
        return;
    if (testAttribute(Qt::WA_Mapped) && !handle->frameMargins().isNull())
        m_placement.reset();
    else
        handle->setFramePosition(*m_placement);
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
