#include "form.h"

#include "display.h"
#include "twips.h"

#include <QCloseEvent>
#include <QShowEvent>

Form::Form(const QString &caption, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
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
    if (m_unloaded)
        m_unloaded(this);
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
    return twips::fromPx(height()) + twips::designedFrame;
}

void Form::setOuterHeightTwips(double h)
{
    // X11 cannot show an empty client area: a height of 0 unmaps a mapped
    // window. One pixel is the least we give it.
    const int clientPx = qMax(1, twips::toPx(h - twips::designedFrame));
    if (clientPx != height())
        setFixedSize(width(), clientPx);
}

double Form::leftTwips() const { return twips::fromPx(pos().x()); }
double Form::topTwips() const { return twips::fromPx(pos().y()); }
void Form::setLeftTwips(double left) { move(twips::toPx(left), pos().y()); }
void Form::setTopTwips(double top) { move(pos().x(), twips::toPx(top)); }

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
