#pragma once

#include <QIcon>
#include <QObject>

class QSystemTrayIcon;

// An icon in the desktop's notification area.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    TrayIcon(const QIcon &icon, const QString &tip, QObject *parent);

    // True puts the icon with its tooltip into the tray at once; false
    // takes it out.
    void setInTray(bool inTray);
    bool inTray() const;

    // Whether the desktop has a notification area to put the icon in.
    static bool available();

signals:
    // A left click on the icon.
    void Click();

private:
    QSystemTrayIcon *m_icon;
};
