#pragma once

#include <QLabel>

// A label as the program's windows use it: a caption whose every change
// made by code is announced, a click, and mouse input kept to itself so
// that moves and clicks over it do not reach the window behind.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(const QString &caption, QWidget *parent);

    QString caption() const { return text(); }
    // Gives the label a new caption; Change runs at once when the text
    // differs from what the label held.
    void setCaption(const QString &caption);
    void setTextColor(quint32 bgr);
    // Shows a caption too long for the label shortened with an ellipsis;
    // the caption itself stays whole.
    void setElideMode(Qt::TextElideMode mode)
    {
        m_elide = mode;
        update();
    }

signals:
    void Change();
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    Qt::TextElideMode m_elide = Qt::ElideNone;
};
