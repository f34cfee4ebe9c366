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

signals:
    void Change();
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
