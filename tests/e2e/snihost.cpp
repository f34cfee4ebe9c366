// SPDX-License-Identifier: MIT
// A notification area of the StatusNotifierItem kind for the end-to-end
// cases: the watcher on the session bus with its one host. Prints
// "registered SERVICE" for each item and "gone SERVICE" when it leaves.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QStringList>

#include <cstdio>

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems MEMBER m_items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

public:
    bool hostRegistered() const { return true; }
    QDBusServiceWatcher items{
        {}, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration};

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        m_items << service;
        items.addWatchedService(service);
        std::printf("registered %s\n", qPrintable(service));
        std::fflush(stdout);
        emit StatusNotifierItemRegistered(service);
    }
    void RegisterStatusNotifierHost(const QString &) {}

signals:
    void StatusNotifierItemRegistered(const QString &);
    void StatusNotifierItemUnregistered(const QString &);
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();

private:
    QStringList m_items;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QObject::connect(&watcher.items, &QDBusServiceWatcher::serviceUnregistered, &watcher,
                     [&watcher](const QString &service) {
                         std::printf("gone %s\n", qPrintable(service));
                         std::fflush(stdout);
                         emit watcher.StatusNotifierItemUnregistered(service);
                     });
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllContents) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
        return 1;
    return app.exec();
}

#include "snihost.moc"
