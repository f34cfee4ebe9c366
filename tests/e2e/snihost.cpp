// SPDX-License-Identifier: MIT
// The end-to-end cases' notification area of the StatusNotifierItem kind: the
// watcher on the session bus, with its one host. Prints each item registering.
#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)

public:
    bool isHostRegistered() const { return true; }

public slots:
    void RegisterStatusNotifierItem(const QString &service)
    {
        std::printf("registered %s\n", qPrintable(service));
        std::fflush(stdout);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                       QDBusConnection::ExportAllContents);
    return bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")) ? app.exec() : 1;
}

#include "snihost.moc"
