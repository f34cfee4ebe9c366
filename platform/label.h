// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label as the program's windows use it: a caption whose every change
// made by code is announced, a click, and mouse input kept to itself so
// that moves and clicks over it do not reach the window behind. A label
// is also where the program's windows detect clicks on their background.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(const QString &caption, QWidget *parent);

    QString caption() const { return m_caption; }
    // Gives the label a new caption; Change runs at once when the text
    // differs from what the label held.
    void setCaption(const QString &caption);

    // A caption too long for the label: shortened with an ellipsis, or
    // drawn in a smaller face (down to `smallestPoints`, wrapping onto a
    // further line where the label is tall enough). The caption itself
    // stays whole either way.
    void setElideMode(Qt::TextElideMode mode);
    // Lays out no more than the first `characters` of a caption.
    void setShownLength(int characters);
    void setShrinkToFit(qreal smallestPoints);
    // Whether anything listens to its clicks.
    bool takesClicks() const;
    // Whether it makes a caption too long for it fit by itself.
    bool fitsItself() const { return m_elide != Qt::ElideNone || m_smallest > 0; }

signals:
    void Change();
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitCaption();

    QString m_caption;
    int m_shown = -1; // all
    bool m_pressed = false;
    Qt::TextElideMode m_elide = Qt::ElideNone;
    qreal m_smallest = 0; // shrinking off
    QFont m_face;         // the face the caption shrinks from
    bool m_fitting = false;
    bool m_fitPending = false; // measured when it first paints
};
