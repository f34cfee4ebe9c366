// SPDX-License-Identifier: MIT
#include "characterwindow.h"

#include "charactermenu.h"
#include "platform/display.h"
#include "platform/label.h"
#include "platform/placement.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QScreen>
#include <QTextLayout>
#include <QTransform>

namespace {
constexpr int balloonMinWidth = 240;
constexpr int padding = 8;
constexpr int tailHeight = 14;
constexpr int visibleLines = 4;
constexpr int cornerMargin = 24;
} // namespace

CharacterWindow::CharacterWindow(const CharacterData &character)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::NoDropShadowWindowHint),
      m_character(character), m_characterSize(character.size())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The character stays until the program ends; it never decides that.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(character.name);
    connect(&display::Desktop::instance(), &display::Desktop::compositingChanged, this,
            &CharacterWindow::updateShape);
    // A character left on a monitor that went away comes back into reach.
    placement::whenScreensChange(this, [this] { placement::keepOnScreen(this); });

    // The balloon's tail reaches down to the character's head, past the
    // empty rows at the top of its pictures.
    m_headroom = m_characterSize.height();
    for (const QImage &image : character.images)
        m_headroom = qMin(m_headroom, m_characterSize.height() -
                                          int(image.deviceIndependentSize().height()) +
                                          int(firstOpaqueRow(image) / image.devicePixelRatio()));
    const int width = qMax(m_characterSize.width(), balloonMinWidth);
    const int lineHeight = fontMetrics().lineSpacing();
    const int balloonHeight = visibleLines * lineHeight + 2 * padding + tailHeight;
    setFixedSize(width, balloonHeight + m_characterSize.height() - m_headroom);
    if (!character.idle.isEmpty())
        m_image = character.idle.constFirst().image;
    m_opaque.resize(character.images.size());
    for (const QImage &image : character.images)
        m_sizes.append(image.deviceIndependentSize().toSize());

    m_menu = new CharacterMenu(this);
    m_menu->setObjectName(QStringLiteral("CharacterMenu"));
    connect(m_menu->addAction(tr("Hide")), &QAction::triggered, this, &CharacterWindow::hideChosen);
    m_menu->addReadingItems();

    // What the character says, as text that screen readers and braille
    // displays reach while it speaks: the balloon draws the words, this
    // label over it holds them, laying out none. A label's text is read
    // when asked for, not announced: no screen reader speaks over the
    // character.
    m_words = new Label(QString(), this);
    m_words->setObjectName(QStringLiteral("Words"));
    m_words->setAccessibleName(tr("Speech balloon"));
    m_words->setShownLength(0);
    m_words->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_words->hide();
}

int CharacterWindow::firstOpaqueRow(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                return y;
        }
    }
    return image.height();
}

CharacterWindow::~CharacterWindow() = default;

QRect CharacterWindow::characterRect() const
{
    return QRect(
        QPoint((width() - m_characterSize.width()) / 2, height() - m_characterSize.height()),
        m_characterSize);
}

QRect CharacterWindow::balloonRect() const
{
    return QRect(0, 0, width(), height() - m_characterSize.height() + m_headroom);
}

void CharacterWindow::setImage(int index)
{
    if (index < 0 || index >= m_character.images.size() || index == m_image)
        return;
    picture(index); // decoded now: painting only paints
    m_image = index;
    update(characterRect());
    updateShape();
}

void CharacterWindow::letGoOfPictures()
{
    if (!m_character.decodeAgain)
        return;
    // The picture on screen stays: the one shown, or the one it stands for.
    const int keep = m_character.images.at(m_image).isNull() && m_kept >= 0 ? m_kept : m_image;
    for (int i = 0; i < m_character.images.size(); ++i) {
        if (i != keep)
            m_character.images[i] = QImage();
    }
    m_kept = keep;
}

const QImage &CharacterWindow::picture(int index)
{
    QImage &image = m_character.images[index];
    if (image.isNull() && m_character.decodeAgain)
        image = m_character.decodeAgain(index);
    return shown(index);
}

const QImage &CharacterWindow::shown(int index) const
{
    const QImage &image = m_character.images.at(index);
    // One that could not be decoded again: the character holds the picture
    // it kept.
    return image.isNull() && m_kept >= 0 ? m_character.images.at(m_kept) : image;
}

void CharacterWindow::showBalloon(const QString &text)
{
    m_text = text;
    layoutText();
    m_highlightStart = -1;
    m_highlightLength = 0;
    m_balloonShown = true;
    update(balloonRect());
    updateShape();
    m_words->setCaption(text);
    m_words->setGeometry(balloonBox().toRect());
    m_words->show();
}

void CharacterWindow::setHighlight(int start, int length)
{
    if (start == m_highlightStart && length == m_highlightLength)
        return;
    m_highlightStart = start;
    m_highlightLength = length;
    update(balloonRect());
}

void CharacterWindow::hideBalloon()
{
    if (!m_balloonShown)
        return;
    m_balloonShown = false;
    update(balloonRect());
    updateShape();
    m_words->hide();
    m_words->setCaption(QString());
}

QString CharacterWindow::highlightedWord() const
{
    if (m_highlightStart < 0)
        return {};
    return m_text.mid(m_highlightStart, m_highlightLength);
}

void CharacterWindow::placeInCorner()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.right() - width() - cornerMargin, area.bottom() - height() - cornerMargin);
}

void CharacterWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    display::setSkipTaskbar(this);
    // A window shown anew may have a new native window without a shape.
    m_shape = QRegion();
    m_clipped = false;
    updateShape();
}

void CharacterWindow::closeEvent(QCloseEvent *event)
{
    // The character stays on the desktop until the program ends.
    event->ignore();
}

void CharacterWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.reset();
}

void CharacterWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    paintContent(painter);
}

// The window takes the mouse only where it shows something, so that clicks
// on its empty parts reach the windows below. Without a compositing
// manager the transparent background would show black: the window then
// also takes the shape of what it shows.
void CharacterWindow::updateShape()
{
    if (!isVisible())
        return;
    QRegion shape;
    if (m_image >= 0 && m_image < m_character.images.size()) {
        QRegion &opaque = m_opaque[m_image];
        if (opaque.isEmpty()) {
            const QImage &image = picture(m_image);
            const qreal ratio = image.devicePixelRatio();
            opaque = QTransform::fromScale(1 / ratio, 1 / ratio)
                         .map(QRegion(
                             QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither))));
        }
        shape = opaque.translated(imageOrigin(m_image));
    }
    if (m_balloonShown)
        shape += QRegion(balloonPath().toFillPolygon().toPolygon());
    const bool clip = !display::Desktop::instance().isCompositing();
    if (shape == m_shape && clip == m_clipped)
        return;
    m_shape = shape;
    m_clipped = clip;
    display::setShape(this, shape, clip);
}

QPoint CharacterWindow::imageOrigin(int index) const
{
    // Pictures smaller than the character stand on its feet, centred.
    const QSize size = m_sizes.at(index);
    const QRect area = characterRect();
    return QPoint(area.left() + (area.width() - size.width()) / 2,
                  area.bottom() + 1 - size.height());
}

void CharacterWindow::paintContent(QPainter &painter)
{
    if (m_image >= 0 && m_image < m_character.images.size())
        painter.drawImage(imageOrigin(m_image), shown(m_image));
    if (m_balloonShown)
        paintBalloon(painter);
}

// Wrapping is done once for each text: a long note must not cost a new
// layout at every word.
void CharacterWindow::layoutText()
{
    // The note's own line breaks stay; a line separator takes the place of
    // each, so positions in the text stay the spoken words' positions.
    QString text = m_text;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    m_layout = std::make_unique<QTextLayout>(text, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout->setTextOption(option);
    const int textWidth = width() - 2 * padding - 2;
    m_layout->beginLayout();
    qreal y = 0;
    for (;;) {
        QTextLine line = m_layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(textWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    m_layout->endLayout();
}

// The balloon fits its text, up to visibleLines, and hangs above the
// character's head.
QRectF CharacterWindow::balloonBox()
{
    if (!m_layout)
        layoutText();
    const int lines = qBound(1, m_layout->lineCount(), visibleLines);
    const qreal textHeight = lines * fontMetrics().lineSpacing();
    const QRect area = balloonRect();
    const qreal bottom = area.bottom() - tailHeight - 1.5;
    return QRectF(area.left() + 1.5, bottom - textHeight - 2 * padding, area.width() - 3,
                  textHeight + 2 * padding);
}

QPainterPath CharacterWindow::balloonPath()
{
    const QRectF box = balloonBox();
    QPainterPath path;
    path.addRoundedRect(box, 10, 10);
    const qreal tailX = characterRect().center().x();
    QPainterPath tail;
    tail.moveTo(tailX - 10, box.bottom() - 1);
    tail.lineTo(tailX + 4, balloonRect().bottom());
    tail.lineTo(tailX + 10, box.bottom() - 1);
    tail.closeSubpath();
    return path.united(tail);
}

QStringList CharacterWindow::balloonLines()
{
    if (!m_layout)
        layoutText();
    QStringList lines;
    for (int i = 0; i < m_layout->lineCount(); ++i) {
        const QTextLine line = m_layout->lineAt(i);
        lines << m_text.mid(line.textStart(), line.textLength()).trimmed();
    }
    return lines;
}

void CharacterWindow::paintBalloon(QPainter &painter)
{
    const QRectF box = balloonBox();
    QTextLayout &layout = *m_layout;
    const qreal textHeight = box.height() - 2 * padding;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawPath(balloonPath());

    // Long texts scroll so that the line being spoken stays in view.
    int first = 0;
    if (m_highlightStart >= 0 && layout.lineCount() > visibleLines) {
        const int current = layout.lineForTextPosition(m_highlightStart).lineNumber();
        first = qBound(0, current - 1, layout.lineCount() - visibleLines);
    }
    const qreal top = first < layout.lineCount() ? layout.lineAt(first).y() : 0;
    painter.save();
    // Only whole lines show.
    painter.setClipRect(QRectF(box.left(), box.top() + padding, box.width(), textHeight));
    painter.setPen(Qt::black);
    QVector<QTextLayout::FormatRange> highlight;
    if (m_highlightStart >= 0 && m_highlightLength > 0) {
        QTextLayout::FormatRange range;
        range.start = m_highlightStart;
        range.length = m_highlightLength;
        range.format.setBackground(QColor(255, 214, 64));
        range.format.setForeground(Qt::black);
        highlight.append(range);
    }
    layout.draw(&painter, QPointF(box.left() + padding, box.top() + padding - top), highlight);
    painter.restore();
}

void CharacterWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_dragging = true;
    // The grip, from the event alone: the window's own idea of its position
    // can lag behind the display server's after the window manager placed
    // it, and the window has no frame.
    m_dragOffset = event->position().toPoint();
    event->accept();
}

void CharacterWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    move(event->globalPosition().toPoint() - m_dragOffset);
    event->accept();
}

void CharacterWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void CharacterWindow::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
    event->accept();
}

// It shows without taking the keyboard; given it (a click, F6 on the main
// window), it opens its menu from the keyboard.
void CharacterWindow::keyPressEvent(QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() != Qt::Key_Menu && !shiftF10)
        return QWidget::keyPressEvent(event);
    m_menu->popup(mapToGlobal(characterRect().center()));
    event->accept();
}
