// SPDX-License-Identifier: MIT
#pragma once

#include "characterfile.h"

#include <QPainterPath>
#include <QPoint>
#include <QRegion>
#include <QVector>
#include <QWidget>

#include <memory>

class CharacterMenu;
class Label;
class QTextLayout;

// The character on the desktop: a frameless, always-on-top window with a
// transparent background and no task-bar entry, showing one picture of the
// character and, above it, a speech balloon whose current word is
// highlighted. The user moves it by dragging it with the mouse, and puts it
// away from the menu a right-click on it opens (the menu key and Shift+F10
// open it too, once the user has given the character the keyboard).
class CharacterWindow : public QWidget {
    Q_OBJECT

public:
    explicit CharacterWindow(const CharacterData &character);
    ~CharacterWindow() override;

    void setImage(int index);
    // Gives back the decoded pictures other than the one shown; each is
    // decoded again when next shown. For a character that stands still.
    void letGoOfPictures();

    void showBalloon(const QString &text);
    void setHighlight(int start, int length);
    void hideBalloon();
    bool isBalloonShown() const { return m_balloonShown; }
    QString highlightedWord() const;

    // Places the window at the lower right of the primary screen.
    void placeInCorner();

    // The balloon's text as it is broken into lines.
    QStringList balloonLines();
    // Where the window takes the mouse.
    QRegion inputShape() const { return m_shape; }

    // The part of the window the balloon takes, in window coordinates.
    QRect balloonRect() const;
    QRect characterRect() const;

    CharacterMenu *menu() const { return m_menu; }

signals:
    // The user chose "Hide" from the character's menu.
    void hideChosen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Picture `index`, decoded again first when it was given back.
    const QImage &picture(int index);
    // Picture `index` as it stands, or the one kept in its place.
    const QImage &shown(int index) const;
    void paintContent(QPainter &painter);
    void paintBalloon(QPainter &painter);
    QRectF balloonBox();
    QPainterPath balloonPath();
    QPoint imageOrigin(int index) const;
    void updateShape();
    void layoutText();
    static int firstOpaqueRow(const QImage &image);

    CharacterData m_character;
    QSize m_characterSize;
    int m_headroom = 0; // empty rows above the character's head
    int m_image = 0;
    int m_kept = -1; // the picture not given back, once some were
    QString m_text;
    std::unique_ptr<QTextLayout> m_layout; // m_text, wrapped to the balloon
    int m_highlightStart = -1;
    int m_highlightLength = 0;
    bool m_balloonShown = false;
    QVector<QRegion> m_opaque; // of each picture, made on first use
    QVector<QSize> m_sizes;    // of each picture, in logical pixels
    QRegion m_shape;
    bool m_clipped = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
    CharacterMenu *m_menu;
    Label *m_words; // the balloon's text, for screen readers
};
