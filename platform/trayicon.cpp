#include "trayicon.h"

#include <QSystemTrayIcon>

TrayIcon::TrayIcon(const QIcon &icon, const QString &tip, QObject *parent)
    : QObject(parent), m_icon(new QSystemTrayIcon(icon, this))
{
    m_icon->setToolTip(tip);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit Click();
            });
}

void TrayIcon::setInTray(bool inTray)
{
    m_icon->setVisible(inTray);
}

bool TrayIcon::inTray() const
{
    return m_icon->isVisible();
}

bool TrayIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
